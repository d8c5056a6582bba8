#!/usr/bin/env bash
# Starts `entrega` on a fresh demo database under its own Xvfb display, scans a waiting RM voucher into the
# type box as a bar-code reader does (the key and Enter in a burst), answers the real confirmation box with
# Enter (Yes is its default button) and expects the voucher stamped today, then leaves with "Salir".
source "$(dirname "$0")/comun.sh"

preparar_demo
# A whole waiting voucher among the keys the tool suggests (15 characters: no complement).
clave=$(grep -o 'RM[0-9]\{12\}R\b' "$trabajo/admin.log" | grep -x '.\{15\}' | head -n1)
[ -n "$clave" ] || falla "no 15-character key to scan"
base="$trabajo/datos/ENTREGA.sqlite"
fecha_entrega() { sqlite3 "$base" "SELECT ifnull(FECHAENTREGA,'') FROM v_mv_cpte WHERE tc='RM' AND idcomprobante='${clave:2}'"; }
[ -z "$(fecha_entrega)" ] || falla "voucher $clave already delivered"

abrir_pantalla
# No window manager: the keyboard goes to the window under the pointer. The screen opens with the focus in
# the type box.
xdotool mousemove --sync $((X + 700)) $((Y + 30))
xdotool type --delay 5 "$clave"
xdotool key Return
esperar 100 xdotool search --name '^Aviso al Operador$' || falla "no confirmation box after scanning $clave"
caja=$(xdotool search --name '^Aviso al Operador$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$caja" | sed 's/^/CAJA_/')"
xdotool mousemove --sync $((CAJA_X + 10)) $((CAJA_Y + 10))
xdotool key Return

hoy=$(date +%Y-%m-%d)
entregado() { [[ "$(fecha_entrega)" == "$hoy "* ]]; }
esperar 100 entregado || falla "voucher $clave not stamped today (FECHAENTREGA '$(fecha_entrega)')"

salir
echo "e2e: $clave scanned, confirmed and stamped $(fecha_entrega)"
