#!/usr/bin/env bash
# Starts `entrega` on a fresh demo database under its own Xvfb display, waits for the delivery screen, presses
# "Salir" with the mouse and expects the program to end at once with exit code 0.
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

# Waits up to $1 tenths of a second for the command that follows to succeed.
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
# The demo operator's parameter string, as the tool prints it.
parametros=$(sed -n 's/^ *ENTREGA_DATOS=.* entrega "\(.*\)"$/\1/p' "$trabajo/admin.log")
[ -n "$parametros" ] || falla "entrega-admin printed no parameter string"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
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

# "Salir" sits at 624,328 (89 x 25) in the screen's client area.
xdotool mousemove --sync $((X + 624 + 44)) $((Y + 328 + 12)) click 1
# The program is our child: once ended it is gone, or a zombie until waited for.
terminado() { ! kill -0 "$pid_entrega" 2>/dev/null || [[ "$(ps -o stat= -p "$pid_entrega")" == Z* ]]; }
esperar 100 terminado || falla "Salir did not end the program"
set +e
wait "$pid_entrega"
codigo=$?
set -e
pid_entrega=""
[ "$codigo" -eq 0 ] || falla "exit code $codigo"
echo "e2e: the delivery screen opened and Salir ended it"
