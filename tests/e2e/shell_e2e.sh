#!/usr/bin/env bash
# End to end: the real program in a private X server with a tray host and a private
# session bus, started with an empty home. Checks that it starts in the tray only,
# that a click on the icon opens the panel inside the screen, that a second start
# brings up the main window and exits, and what the first start stored.
# Usage: shell_e2e.sh <tavlen executable> <artefacts folder>
set -euo pipefail
tavlen="$(realpath "${1:?tavlen executable}")"
artefacts="${2:?artefacts folder}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
screen_w=1280
screen_h=800

x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
tavlen_pid=""
cleanup() {
    local rc=$?
    set +e
    if [ -n "$tavlen_pid" ]; then
        kill "$tavlen_pid" 2>/dev/null
        wait "$tavlen_pid" 2>/dev/null
    fi
    x11_session_stop
    rm -rf "$x11_work"
    exit $rc
}
source "$here/x11_session.sh"
trap cleanup EXIT
trap 'exit 1' INT TERM

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

mkdir -p "$artefacts"
rm -f "$artefacts"/*.png
shot() {
    import -window root "$artefacts/$1.png"
    echo "screenshot: $artefacts/$1.png"
}

# An empty home with every XDG folder inside it.
home="$x11_work/home"
mkdir -p "$home" "$x11_work/runtime"
chmod 700 "$x11_work/runtime"
tavlen_env=(env -u QT_QPA_PLATFORM -u XDG_CONFIG_DIRS HOME="$home"
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    XDG_STATE_HOME="$home/.local/state" XDG_CACHE_HOME="$home/.cache"
    XDG_RUNTIME_DIR="$x11_work/runtime" QT_QPA_PLATFORM=xcb)

x11_session_start "$screen_w" "$screen_h"
echo "display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"

"${tavlen_env[@]}" "$tavlen" </dev/null >"$x11_work/tavlen.out" 2>"$x11_work/tavlen.err" &
tavlen_pid=$!

# 1. In the tray, no window.
if x11_wait_for 20 x11_tray_icon tavlen >/dev/null; then
    pass "tray icon embedded in trayer"
else
    fail "no tray icon in trayer"
fi
icon="$(x11_tray_icon tavlen || true)"
sleep 1.5 # past the delegate's last hiding attempt
if [ -z "$(x11_viewable_toplevels tavlen)" ]; then
    pass "no Tavlen window mapped at start"
else
    fail "a Tavlen window is mapped at start: $(x11_viewable_toplevels tavlen)"
fi
kill -0 "$tavlen_pid" 2>/dev/null || fail "tavlen exited at start"
shot 1-start-tray-only

# 2. A click on the icon opens the panel inside the screen.
if [ -n "$icon" ]; then
    read -r ix iy iw ih _ < <(x11_geometry "$icon")
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
    panel_visible() { [ -n "$(x11_viewable_toplevels tavlen)" ]; }
    if x11_wait_for 10 panel_visible; then
        read -r _ px py pw ph < <(x11_viewable_toplevels tavlen | head -1)
        echo "panel at ${px},${py} ${pw}x${ph}, icon at ${ix},${iy} ${iw}x${ih}"
        [ "$pw" -eq 360 ] && pass "panel is 360 wide" || fail "panel is $pw wide"
        if [ "$px" -ge 0 ] && [ "$py" -ge 0 ] && [ $((px + pw)) -le $screen_w ] &&
            [ $((py + ph)) -le $screen_h ] && [ "$ph" -gt 0 ]; then
            pass "panel inside the screen"
        else
            fail "panel outside the screen"
        fi
        # Next to the icon: right below it and overlapping it horizontally.
        if [ "$py" -ge $((iy + ih)) ] && [ "$py" -le $((iy + ih + 16)) ] &&
            [ "$px" -le $((ix + iw)) ] && [ $((px + pw)) -ge "$ix" ]; then
            pass "panel opens next to the icon"
        else
            fail "panel is not next to the icon"
        fi
        sleep 0.5
        shot 2-panel-open
    else
        fail "the panel did not open"
    fi
fi

# 3. A second start brings up the main window and exits with 0.
set +e
timeout 20 "${tavlen_env[@]}" "$tavlen" </dev/null >"$x11_work/second.out" 2>&1
second_rc=$?
set -e
[ $second_rc -eq 0 ] && pass "second start exited with 0" || fail "second start exited with $second_rc"
main_visible() { x11_viewable_toplevels tavlen | awk '$4 >= 900 && $5 >= 600' | grep -q .; }
if x11_wait_for 10 main_visible; then
    pass "main window shown (at least 900 x 600)"
else
    fail "main window not shown after the second start: $(x11_viewable_toplevels tavlen)"
fi
kill -0 "$tavlen_pid" 2>/dev/null && pass "first instance still running" || fail "first instance gone"
sleep 0.5
shot 3-main-window

# 4. The first start stored exactly the setup flag.
suite="$home/.config/Tavlen/group.tavlen.json"
if python3 -c 'import json, sys; sys.exit(json.load(open(sys.argv[1])) != {"harSetupFaerdig_v4": False})' \
    "$suite" 2>/dev/null; then
    pass "shared suite holds exactly harSetupFaerdig_v4 = false"
else
    fail "shared suite is not {\"harSetupFaerdig_v4\": false}: $(cat "$suite" 2>&1)"
fi

if [ $failures -eq 0 ]; then
    echo "shell end to end: all checks passed"
    exit 0
fi
echo "--- tavlen stderr"
cat "$x11_work/tavlen.err" || true
echo "shell end to end: $failures check(s) failed"
exit 1
