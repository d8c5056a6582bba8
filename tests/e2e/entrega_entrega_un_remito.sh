#!/usr/bin/env bash
# Starts `entrega` on a fresh demo database under its own Xvfb display, scans a waiting RM voucher into the
# type box as a bar-code reader does (the key and Enter in a burst), answers the real confirmation box with
# Enter (Yes is its default button) and expects the voucher stamped today, then leaves with "Salir".
set -euo pipefail
entrega=$1
admin=$2

trabajo=$(mktemp -d)
pid_x=""
pid_entrega=""
limpiar() {
    [ -n "$pid_entrega" ] && kill "$pid_entrega" 2>/dev/null || true
    [ -n "$pid_x" ] && kill "$pid_x" 2>/dev/null || true
    rm -rf "$trabajo"
}
trap limpiar EXIT
falla() { echo "e2e: $*" >&2; cat "$trabajo/entrega.log" >&2 2>/dev/null || true; exit 1; }

esperar() {
    local decimas=$1; shift
    for ((i = 0; i < decimas; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

"$admin" demo "$trabajo/datos" --vouchers 300 --today 6 >"$trabajo/admin.log" 2>&1 || {
    cat "$trabajo/admin.log" >&2
    falla "entrega-admin demo failed"
}
parametros=$(sed -n 's/^ *ENTREGA_DATOS=.* entrega "\(.*\)"$/\1/p' "$trabajo/admin.log")
[ -n "$parametros" ] || falla "entrega-admin printed no parameter string"
# A whole waiting voucher among the keys the tool suggests (15 characters: no complement).
clave=$(grep -o 'RM[0-9]\{12\}R\b' "$trabajo/admin.log" | grep -x '.\{15\}' | head -n1)
[ -n "$clave" ] || falla "no 15-character key to scan"
base="$trabajo/datos/ENTREGA.sqlite"
fecha_entrega() { sqlite3 "$base" "SELECT ifnull(FECHAENTREGA,'') FROM v_mv_cpte WHERE tc='RM' AND idcomprobante='${clave:2}'"; }
[ -z "$(fecha_entrega)" ] || falla "voucher $clave already delivered"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$trabajo/display" 2>"$trabajo/xvfb.log" &
pid_x=$!
esperar 100 test -s "$trabajo/display" || falla "Xvfb did not start"
export DISPLAY=":$(head -n1 "$trabajo/display")"

export QT_QPA_PLATFORM=xcb ENTREGA_PROGRAMA="$trabajo/datos" ENTREGA_DATOS="$trabajo/datos"
"$entrega" "$parametros" >"$trabajo/entrega.log" 2>&1 &
pid_entrega=$!

esperar 600 xdotool search --name '^Entrega de Mercaderia$' || falla "the delivery screen did not appear"
ventana=$(xdotool search --name '^Entrega de Mercaderia$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$ventana")"

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

xdotool mousemove --sync $((X + 624 + 44)) $((Y + 328 + 12)) click 1
terminado() { ! kill -0 "$pid_entrega" 2>/dev/null || [[ "$(ps -o stat= -p "$pid_entrega")" == Z* ]]; }
esperar 100 terminado || falla "Salir did not end the program"
set +e
wait "$pid_entrega"
codigo=$?
set -e
pid_entrega=""
[ "$codigo" -eq 0 ] || falla "exit code $codigo"
echo "e2e: $clave scanned, confirmed and stamped $(fecha_entrega)"
