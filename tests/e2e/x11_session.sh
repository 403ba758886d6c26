# Shared by the end-to-end tests and the shell benchmark (sourced, not run): a private X
# server, session bus and tray host, helpers to look at windows, and the tests' reporting.
# The caller sets x11_work (a temporary folder) and calls x11_cleanup_on_exit; it may
# set x11_bus_config to a bus configuration file to use instead of the session's.

x11_pids=()

# The end of every run, however it ends: the caller's x11_before_stop (if it defines one,
# to stop what it started), then the session and the work folder go; the exit code stays
# the script's. Call once after sourcing this file.
x11_cleanup_on_exit() {
    trap x11_cleanup EXIT
    trap 'exit 1' INT TERM
}
x11_cleanup() {
    local rc=$?
    set +e
    if declare -F x11_before_stop >/dev/null; then x11_before_stop "$rc"; fi
    x11_session_stop
    rm -rf "$x11_work"
    exit $rc
}

# x11_session_start [width] [height] [tray|notray]
x11_session_start() {
    local width="${1:-1280}" height="${2:-800}" tray="${3:-tray}"
    # -displayfd lets the server pick a free display number itself. A file left by an
    # earlier session in the same folder must not be read for this one's.
    rm -f "$x11_work/display"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp \
        3>"$x11_work/display" 2>"$x11_work/xvfb.log" &
    x11_pids+=($!)
    local i
    for i in $(seq 100); do
        [ -s "$x11_work/display" ] && break
        sleep 0.05
    done
    [ -s "$x11_work/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$x11_work/display")"

    local bus
    local config=(--session)
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
        # Up to ten seconds: on a loaded machine it can take more than five.
        for i in $(seq 200); do
            x11_tray_panel >/dev/null && return 0
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "trayer did not start" >&2
    cat "$x11_work/trayer.log" >&2
    return 1
}

x11_session_stop() {
    local i
    for ((i = ${#x11_pids[@]} - 1; i >= 0; i--)); do
        kill "${x11_pids[i]}" 2>/dev/null || true
    done
    for pid in "${x11_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
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
    local class="$1" panel
    panel="$(x11_tray_panel)" || return 1
    xwininfo -tree -id "$panel" | awk -v c="(\"$class\"" 'index($0, c) && !n++ { print $1 }' | grep .
}

# "x y width height map_state" of a window.
x11_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^  Width/ { w = $NF } /^  Height/ { h = $NF } /Map State/ { m = $NF }
        END { print x, y, w, h, m }'
}

# Ids of the viewable top-level windows of a WM_CLASS instance, with their geometry:
# "id x y width height" per line.
x11_viewable_toplevels() {
    local class="$1"
    xwininfo -root -children | awk -v c="(\"$class\"" 'index($0, c) { print $1 }' |
        while read -r id; do
            read -r x y w h m < <(x11_geometry "$id")
            [ "$m" = IsViewable ] && echo "$id $x $y $w $h"
        done
    return 0
}

# Whether a rectangle "x y width height" lies within a screen "width height" (and is not empty).
x11_inside() {
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le "$5" ] && [ $(($2 + $4)) -le "$6" ] &&
        [ "$4" -gt 0 ]
}

# Waits up to $1 seconds for a command to succeed.
x11_wait_for() {
    local timeout="$1"
    shift
    local end=$((SECONDS + timeout))
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.1
    done
}

# Reporting: "ok: …" / "FAIL: …" lines; $failures counts the failed checks.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }
check() { # check <description> <command...>
    local what="$1"
    shift
    if "$@" >/dev/null; then pass "$what"; else fail "$what"; fi
}
# Screenshots of the whole screen go to $artefacts, emptied first.
e2e_artefacts_ready() {
    mkdir -p "$artefacts"
    rm -f "$artefacts"/*.png
}
shot() {
    import -window root "$artefacts/$1.png"
    echo "screenshot: $artefacts/$1.png"
}

# Tavlen under test, started by the script with its own home below the work folder; the
# caller sets $tavlen (the executable). e2e_home sets $home and $suite (the shared suite,
# absent: a first start, unless the script writes it); e2e_start_tavlen [VAR=value…]
# starts it in that home and sets $tavlen_pid; e2e_stop_tavlen <exit code>, from the
# script's x11_before_stop, ends it and shows its errors when the script failed.
tavlen_pid=""
e2e_home() {
    home="$x11_work/home"
    suite="$home/.config/Tavlen/group.tavlen.json"
    mkdir -p "$home/.config/Tavlen" "$x11_work/runtime"
    chmod 700 "$x11_work/runtime"
}
e2e_start_tavlen() {
    env -u QT_QPA_PLATFORM -u XDG_CONFIG_DIRS HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$x11_work/runtime" QT_QPA_PLATFORM=xcb \
        "$@" "$tavlen" </dev/null >>"$x11_work/tavlen.out" 2>>"$x11_work/tavlen.err" &
    tavlen_pid=$!
}
e2e_stop_tavlen() {
    if [ "$1" -ne 0 ] && [ -f "$x11_work/tavlen.err" ]; then
        echo "--- tavlen stderr"
        cat "$x11_work/tavlen.err"
    fi
    [ -n "$tavlen_pid" ] && kill "$tavlen_pid" 2>/dev/null && wait "$tavlen_pid" 2>/dev/null
}
