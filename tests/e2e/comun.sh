# Shared by the whole-program runs: a fresh demo database, a display of our own, the client started on it,
# and the exit through "Salir". Sourced with the client's and the admin tool's paths as $1 and $2.
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

# A small demo in $trabajo/datos; its report in $trabajo/admin.log, the demo operator's parameter string
# (as the tool prints it) in $parametros.
preparar_demo() {
    "$admin" demo "$trabajo/datos" --vouchers 300 --today 6 >"$trabajo/admin.log" 2>&1 || {
        cat "$trabajo/admin.log" >&2
        falla "entrega-admin demo failed"
    }
    parametros=$(sed -n 's/^ *ENTREGA_DATOS=.* entrega "\(.*\)"$/\1/p' "$trabajo/admin.log")
    [ -n "$parametros" ] || falla "entrega-admin printed no parameter string"
}

# Starts the client on the demo under an Xvfb display of its own (Xvfb picks a free number and writes it to
# fd 3), waits for the delivery screen and leaves its position in $X and $Y.
abrir_pantalla() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$trabajo/display" 2>"$trabajo/xvfb.log" &
    pid_x=$!
    esperar 100 test -s "$trabajo/display" || falla "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$trabajo/display")"

    export QT_QPA_PLATFORM=xcb ENTREGA_PROGRAMA="$trabajo/datos" ENTREGA_DATOS="$trabajo/datos"
    "$entrega" "$parametros" >"$trabajo/entrega.log" 2>&1 &
    pid_entrega=$!

    esperar 600 xdotool search --name '^Entrega de Mercaderia$' || falla "the delivery screen did not appear"
    local ventana
    ventana=$(xdotool search --name '^Entrega de Mercaderia$' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$ventana")"
}

# Presses "Salir" (at 624,328, 89 x 25, in the screen's client area) with the mouse and expects the program
# to end at once with exit code 0.
salir() {
    xdotool mousemove --sync $((X + 624 + 44)) $((Y + 328 + 12)) click 1
    # The program is our child: once ended it is gone, or a zombie until waited for.
    terminado() { ! kill -0 "$pid_entrega" 2>/dev/null || [[ "$(ps -o stat= -p "$pid_entrega")" == Z* ]]; }
    esperar 100 terminado || falla "Salir did not end the program"
    local codigo
    set +e
    wait "$pid_entrega"
    codigo=$?
    set -e
    pid_entrega=""
    [ "$codigo" -eq 0 ] || falla "exit code $codigo"
}
