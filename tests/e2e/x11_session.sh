# Shared by the end-to-end and package tests and the shell benchmark (sourced, not run):
# a private X server, session bus and tray host; Tavlen in a home of its own; the reporting.
# The benchmark sets x11_work (a temporary folder) and calls x11_cleanup_on_exit; the tests
# call e2e_begin, which does both. x11_bus_config names a bus configuration to use instead
# of the session's; x11_before_stop, if the caller defines it, runs at the end.

x11_pids=()
e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

x11_cleanup_on_exit() {
    trap x11_cleanup EXIT
    trap 'exit 1' INT TERM
}
# However the run ends: Tavlen, the caller's x11_before_stop, the session and the work
# folder go; a failed check fails the run.
x11_cleanup() {
    local rc=$? f
    set +e
    e2e_stop_tavlen
    if declare -F x11_before_stop >/dev/null; then x11_before_stop "$rc"; fi
    [ $rc -eq 0 ] && [ $failures -gt 0 ] && rc=1
    if [ $rc -ne 0 ] && [ $rc -ne 77 ]; then
        for f in "$x11_work"/*.err "$x11_work"/*.log; do
            [ -s "$f" ] && echo "--- $f" && tail -n 40 "$f"
        done
    fi
    x11_session_stop
    rm -rf "$x11_work"
    [ $checks -gt 0 ] && echo "$failures of $checks checks failed"
    exit $rc
}

# x11_session_start [width] [height] [tray|notray]
x11_session_start() {
    local width="${1:-1280}" height="${2:-800}" tray="${3:-tray}"
    # -displayfd lets the server pick a free display number itself.
    rm -f "$x11_work/display"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp \
        3>"$x11_work/display" 2>"$x11_work/xvfb.log" &
    x11_pids+=($!)
    x11_wait_for 5 test -s "$x11_work/display" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$x11_work/display")"

    local bus config=(--session)
    [ -n "${x11_bus_config:-}" ] && config=(--config-file="$x11_bus_config")
    bus="$(dbus-daemon "${config[@]}" --fork --print-address=1 --print-pid=1 --nosyslog)"
    export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")"
    x11_pids+=("$(sed -n 2p <<<"$bus")")
    [ "$tray" = tray ] || return 0
    x11_tray_start
}

# Starts the tray host (trayer) in the running session, as a desktop's panel would.
x11_tray_start() {
    local i attempt pid
    # trayer now and then dies at once on a display that has just come up: started again.
    for attempt in 1 2 3; do
        trayer --edge top --align right --widthtype request --height 24 --transparent false \
            --SetDockType true --SetPartialStrut true >>"$x11_work/trayer.log" 2>&1 &
        pid=$!
        x11_pids+=($pid)
        for i in $(seq 200); do
            x11_tray_panel >/dev/null && return 0
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "trayer did not start" >&2
    return 1
}

x11_session_stop() {
    local i
    for ((i = ${#x11_pids[@]} - 1; i >= 0; i--)); do
        kill "${x11_pids[i]}" 2>/dev/null || true
    done
    for i in "${x11_pids[@]}"; do
        wait "$i" 2>/dev/null || true
    done
    x11_pids=()
}

# trayer's panel window id. (awk reads to the end: leaving early would end xwininfo with
# SIGPIPE, which pipefail reports as a failure once the tree is large.)
x11_tray_panel() {
    xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ && !n++ { print $1 }' | grep .
}

# The id of the tray icon window a program with this WM_CLASS instance put in trayer.
x11_tray_icon() {
    local panel
    panel="$(x11_tray_panel)" || return 1
    xwininfo -tree -id "$panel" | awk -v c="(\"$1\"" 'index($0, c) && !n++ { print $1 }' | grep .
}

# Whether a rectangle "x y width height" lies within a screen "width height" (and is not empty).
x11_inside() {
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le "$5" ] && [ $(($2 + $4)) -le "$6" ] &&
        [ "$4" -gt 0 ]
}

# Waits up to $1 seconds for a command to succeed.
x11_wait_for() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.1
    done
}

# Reporting: "ok: …" / "FAIL: …" lines; a failure leaves a screenshot in $artefacts.
failures=0
checks=0
fail() {
    failures=$((failures + 1))
    echo "FAIL: $*"
    [ -n "${artefacts:-}" ] && [ -n "${DISPLAY:-}" ] &&
        import -window root "$artefacts/failure-$failures.png" 2>/dev/null &&
        echo "screenshot: $artefacts/failure-$failures.png"
    return 0
}
check() { # check <description> <command...>
    local what="$1"
    shift
    checks=$((checks + 1))
    if "$@" >/dev/null; then echo "ok: $what"; else fail "$what"; fi
}

# e2e_begin [tavlen executable] [artefacts folder]: strict mode, the work folder and its
# clean-up; a home of the run's own for everything it starts ($home, with the shared suite
# $suite, absent until written, and the pending reminders $pending); a bus without service
# files, so that nothing the test did not start answers on it.
e2e_begin() {
    set -euo pipefail
    tavlen="${1:+$(realpath "$1")}"
    artefacts="${2:-}"
    x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
    x11_cleanup_on_exit
    exec </dev/null
    [ -z "$artefacts" ] || { mkdir -p "$artefacts" && rm -f "$artefacts"/*.png; }
    home="$x11_work/home"
    export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_STATE_HOME="$home/.local/state" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$x11_work/runtime" QT_QPA_PLATFORM=xcb
    unset XDG_CONFIG_DIRS
    suite="$XDG_CONFIG_HOME/Tavlen/group.tavlen.json"
    pending="$XDG_STATE_HOME/Tavlen/pending-notifications.json"
    mkdir -p "$XDG_CONFIG_HOME/Tavlen" "$XDG_STATE_HOME/Tavlen" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    x11_bus_config="$x11_work/bus.conf"
    cat >"$x11_bus_config" <<CONF
<busconfig><type>session</type><listen>unix:dir=$x11_work</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
}

# e2e_desktop <width> <height> <tray|notray> [openbox] [atspi] [dunst]
e2e_desktop() {
    x11_session_start "$1" "$2" "$3"
    local part
    for part in "${@:4}"; do
        "e2e_$part"
        x11_wait_for 10 "e2e_${part}_ready" >/dev/null 2>&1 || { echo "$part did not start" >&2; return 1; }
    done
}
e2e_openbox() {
    openbox >"$x11_work/openbox.log" 2>&1 &
    x11_pids+=($!)
}
e2e_openbox_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; }
e2e_atspi() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$x11_work/atspi.log" 2>&1 &
    x11_pids+=($!)
    tavlen_env+=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
}
e2e_atspi_ready() { xprop -root AT_SPI_BUS | grep -q unix; }
atspi_do() { /usr/bin/python3 "$e2e_dir/atspi_do.py" "$@"; }
# dunst keeps every notification on screen; "dunstctl context" picks the line written to
# $x11_work/want from a notification's menu, as a pupil picks a button.
e2e_dunst() {
    printf '#!/bin/sh\ngrep -F "$(cat %s/want)" | head -n 1\n' "$x11_work" >"$x11_work/pick.sh"
    chmod +x "$x11_work/pick.sh"
    printf '[global]\nmonitor = 0\nfollow = none\ndmenu = %s\n' "$x11_work/pick.sh" >"$x11_work/dunstrc"
    printf '[urgency_%s]\ntimeout = 0\n' low normal critical >>"$x11_work/dunstrc"
    dunst -config "$x11_work/dunstrc" >"$x11_work/dunst.log" 2>&1 &
    x11_pids+=($!)
}
e2e_dunst_ready() { dunstctl is-paused; }
# The notifications dunst has shown, as {app, summary, body} lines; all are closed first.
e2e_notices() {
    dunstctl close-all
    dunstctl history | jq -c '.data[0][] | {app: .appname.data, summary: .summary.data, body: .body.data}'
}

# Tavlen: e2e_run [VAR=value…] command… runs a command with Tavlen's output;
# e2e_start_tavlen [VAR=value…] starts Tavlen ($tavlen_pid).
tavlen_pid=""
tavlen_env=()
e2e_run() {
    ${e2e_exec:-} env "${tavlen_env[@]}" "$@" >>"$x11_work/tavlen.out" 2>>"$x11_work/tavlen.err"
}
e2e_start_tavlen() {
    e2e_exec=exec e2e_run "$@" "$tavlen" &
    tavlen_pid=$!
}
e2e_second_start() { e2e_run timeout 20 "$tavlen"; }
e2e_stop_tavlen() {
    if [ -n "$tavlen_pid" ] && kill "$tavlen_pid" 2>/dev/null; then wait "$tavlen_pid" 2>/dev/null || true; fi
    tavlen_pid=""
}
e2e_running() { kill -0 "$tavlen_pid" 2>/dev/null; }
# Checks that Tavlen ends by itself within ten seconds, with exit code 0.
e2e_ends_with_0() { # <what made it quit>
    local rc=0
    timeout 10 tail --pid="$tavlen_pid" -f /dev/null || { fail "Tavlen did not end after $1"; return; }
    wait "$tavlen_pid" || rc=$?
    tavlen_pid=""
    check "$1 ends Tavlen with exit code 0" test $rc -eq 0
}
e2e_click_icon() {
    x11_wait_for 10 x11_tray_icon tavlen >/dev/null || { fail "no tray icon to click"; return 0; }
    xdotool mousemove --window "$(x11_tray_icon tavlen)" 5 5 click 1
}

# Tavlen's shown windows from <min> to <max> (or exactly <min>) pixels wide, as
# "id x y width height" lines: the panel is 360 wide, the main window at least 900.
e2e_windows() {
    local id g WINDOW X Y WIDTH HEIGHT SCREEN
    for id in $(xdotool search --onlyvisible --classname tavlen 2>/dev/null); do
        g="$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        eval "$g"
        [ "$WIDTH" -ge "$1" ] && [ "$WIDTH" -le "${2:-$1}" ] && echo "$id $X $Y $WIDTH $HEIGHT"
    done
    return 0
}
shown() { e2e_windows "$@" | grep -q .; }
hidden() { ! shown "$@"; }
# Whether the window manager's active window is Tavlen's of that width.
active() {
    local id
    id="$(xdotool getactivewindow 2>/dev/null)" && e2e_windows "$@" | grep -q "^$id "
}

# The shared suite through a Python expression over it (`s`), printed; suite_is compares.
suite_says() {
    python3 - "$suite" "$1" <<'PY' 2>/dev/null
import json, sys
s = json.load(open(sys.argv[1]))
print(eval(sys.argv[2]))
PY
}
suite_is() { [ "$(suite_says "$1")" = "$2" ]; }
# Writes the suite as another program would (whole, in one step) after Python statements
# over it (`s`, empty when absent) with helpers: subject(name, n) with a fixed id per n;
# item(title, hours from now, subject id); now, in seconds since 2001 as the suite keeps it.
suite_edit() {
    python3 - "$suite" "$1" <<'PY'
import json, os, sys, time, uuid
path = sys.argv[1]
s = json.load(open(path)) if os.path.exists(path) else {}
now = round(time.time() - 978307200)
def subject(name, n=0):
    return {"id": f"{n}B3C5D2E-7F1A-4C9B-8E2D-1A2B3C4D5E6F", "navn": name,
            "ikonNavn": "book.fill", "farveHex": "E8704A"}
def item(title, hours, fag, id=None):
    return {"id": id or str(uuid.uuid4()).upper(), "fagId": fag, "titel": title,
            "beskrivelse": "", "links": [], "deadline": now + round(hours * 3600),
            "erFaerdig": False, "oprettetDato": now - 86400}
exec(sys.argv[2])
with open(path + ".new", "w") as f:
    json.dump(s, f)
os.replace(path + ".new", path)
PY
}
