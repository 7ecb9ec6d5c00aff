#!/usr/bin/env bash
# One Wine session per build tree: prefix, Xvfb display, sensor simulator on COM5, persistent wineserver.
#   wine-session.sh start|ensure|stop BUILD_DIR
# "start" and "ensure" are idempotent; "stop" ends what "start" began.
set -uo pipefail
cmd=$1
build=$(cd "$2" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
state=$build/wine
export WINEPREFIX=$state/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$state/logs"

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

start_display() {
    if [ "${TQ5_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
        echo "$DISPLAY" >"$state/display"
        return
    fi
    alive "$state/xvfb.pid" && return
    rm -f "$state/display.num" "$state/display"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$state/display.num" \
        >"$state/logs/xvfb.log" 2>&1 9>&- &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 400); do
        [ -s "$state/display.num" ] || ! alive "$state/xvfb.pid" && break
        sleep 0.05
    done
    [ -s "$state/display.num" ] && echo ":$(cat "$state/display.num")" >"$state/display"
}

start_sim() {
    [ -f "$src/tools/sensorsim/sensorsim.py" ] || return 0
    alive "$state/sim.pid" && return
    rm -f "$state/sim.out"
    python3 "$src/tools/sensorsim/sensorsim.py" --link "$state/com5" --control 0 \
        >"$state/sim.out" 2>"$state/logs/sensorsim.log" 9>&- &
    echo $! >"$state/sim.pid"
    for _ in $(seq 400); do
        grep -q READY "$state/sim.out" 2>/dev/null || ! alive "$state/sim.pid" && break
        sleep 0.05
    done
    sed -n 's/.*control=\([0-9]*\).*/\1/p' "$state/sim.out" | head -1 >"$state/sim.port"
}

fail() {
    echo "wine-session: $1 (see $state/logs)" >&2
    exit 1
}

# Each part of the session is up, or the session fails: tests would otherwise fail for another reason
# (and Wine hangs without a display).
check_display() {
    if [ "${TQ5_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
        alive "$state/xvfb.pid" || fail "the Xvfb display did not come up"
    fi
    [ -s "$state/display" ] || fail "the Xvfb display did not come up"
}

check_sim() {
    [ -f "$src/tools/sensorsim/sensorsim.py" ] || return 0
    alive "$state/sim.pid" && [ -s "$state/sim.port" ] || fail "the sensor simulator did not come up"
}

init_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return
    DISPLAY=$(cat "$state/display") wineboot -i >"$state/logs/wineboot.log" 2>&1 9>&-
    # A pty behind a stable link becomes COM5 once the wineserver restarts.
    wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$state/com5" /f >>"$state/logs/wineboot.log" 2>&1 9>&-
    # Without a window manager (Xvfb) Wine draws captions and frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$state/logs/wineboot.log" 2>&1 9>&-
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >>"$state/logs/wineboot.log" 2>&1 9>&-
    wineserver -w 9>&-
}

# Wine's own fonts (package fonts-wine) are found only in the prefix's Fonts folder: Marlett, the symbol font
# of the caption buttons; Tahoma, which Wine draws the dialog and interface texts with (MS Shell Dlg); and
# the raster font MS Sans Serif. They have the dialog units of the Windows fonts; without them Wine draws
# with a far wider face.
link_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
    [ -d "$fonts" ] || return 0
    for font in marlett.ttf tahoma.ttf tahomabd.ttf sserife.fon; do
        [ -f "/usr/share/wine/fonts/$font" ] && [ ! -e "$fonts/$font" ] && ln -s "/usr/share/wine/fonts/$font" "$fonts/$font"
    done
    return 0
}

# Test printers, once per prefix: A4 PostScript printers at 300 dpi ("TQ5 Test 300", the default, on LPT1:)
# and at 600 dpi ("TQ5 Test 600", on LPT2:, whose settings report a print quality of 300), each port
# writing to a file in the build tree (printer/port300.ps, printer/port600.ps: a name "lpt1.*" would be the
# device to Windows); a job replaces the file. Port FILE: would stop every job to ask for a file name.
add_test_printers() {
    [ -f "$WINEPREFIX/tq5-test-printers" ] && return 0
    local out=$state/printer log=$state/logs/printers.log dpi port
    mkdir -p "$out"
    if ! x86_64-w64-mingw32-gcc-posix -O1 -o "$out/wine-test-printer.exe" "$src/cmake/wine-test-printer.c" \
        -lwinspool >"$log" 2>&1; then
        echo "wine-session: no test printers (see $log)" >&2
        return 0
    fi
    for dpi in 300 600; do
        port=LPT$((dpi / 300))
        sed "s/@DPI@/$dpi/g" "$src/cmake/test-printer.ppd" >"$out/tq5test$dpi.ppd"
        wine reg add 'HKCU\Software\Wine\Printing\Spooler' /v "$port:" /d "$out/port$dpi.ps" /f >>"$log" 2>&1 9>&-
        DISPLAY=$(cat "$state/display") wine "$out/wine-test-printer.exe" "TQ5 Test $dpi" \
            "Z:$out/tq5test$dpi.ppd" "$port:" $([ "$dpi" = 300 ] && echo default) >>"$log" 2>&1 9>&- ||
            { echo "wine-session: test printer $dpi failed (see $log)" >&2; return 0; }
    done
    alive "$state/wineserver.pid" || wineserver -w 9>&-
    touch "$WINEPREFIX/tq5-test-printers"
}

# Arial, Times New Roman and Courier New are drawn with the faces of fonts-croscore, which have their
# metrics. Once per prefix (the file imported stays in the prefix).
replace_fonts() {
    [ -f "$WINEPREFIX/tq5-fonts.reg" ] && return
    local reg=$state/fonts.reg pair
    {
        echo 'REGEDIT4'
        echo
        echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
        for pair in "Arial=Arimo" "Times New Roman=Tinos" "Courier New=Cousine"; do
            echo "\"${pair%%=*}\"=\"${pair#*=}\""
        done
    } >"$reg"
    if DISPLAY=$(cat "$state/display") wine reg import "Z:${reg//\//\\}" >>"$state/logs/wineboot.log" 2>&1 9>&- \
        </dev/null; then
        mv "$reg" "$WINEPREFIX/tq5-fonts.reg"
    else
        echo "wine-session: the font replacements were not taken; texts show in a wider face (see $state/logs)" >&2
    fi
}

start_server() {
    alive "$state/wineserver.pid" && return
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    wineserver -f -p >"$state/logs/wineserver.log" 2>&1 9>&- &
    echo $! >"$state/wineserver.pid"
    # Start Wine's services now, away from the caller's pipes: processes that outlive a test
    # would otherwise hold ctest's output open.
    DISPLAY=$(cat "$state/display") wine cmd.exe /c exit >>"$state/logs/wineserver.log" 2>&1 9>&- </dev/null
}

stop_all() {
    wineserver -k >/dev/null 2>&1
    for p in wineserver sim xvfb; do
        if alive "$state/$p.pid"; then
            kill "$(cat "$state/$p.pid")" 2>/dev/null
            for _ in $(seq 40); do alive "$state/$p.pid" || break; sleep 0.05; done
            alive "$state/$p.pid" && kill -9 "$(cat "$state/$p.pid")" 2>/dev/null
        fi
        rm -f "$state/$p.pid"
    done
}

case $cmd in
    start | ensure)
        exec 9>"$state/lock"
        flock 9
        start_display
        check_display
        start_sim
        check_sim
        init_prefix
        add_test_printers
        link_fonts
        replace_fonts
        start_server
        alive "$state/wineserver.pid" || fail "the wineserver did not come up"
        ;;
    stop) stop_all ;;
    *) echo "usage: $0 start|ensure|stop BUILD_DIR" >&2; exit 2 ;;
esac
exit 0
