#!/usr/bin/env bash
# End to end: the real program on a desktop whose tray speaks StatusNotifierItem over
# D-Bus (KDE Plasma; GNOME with the AppIndicator extension) and has no XEmbed tray.
# Such hosts give the icon no geometry, so the panel must open next to the pointer.
# A stand-in watcher and host on a private session bus takes the item's registration
# and clicks it the way a host does (Activate on the item), with an empty home.
# Usage: sni_e2e.sh <tavlen executable> <watcher executable> <artefacts folder>
set -euo pipefail
tavlen="$(realpath "${1:?tavlen executable}")"
watcher="$(realpath "${2:?watcher executable}")"
artefacts="${3:?artefacts folder}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
screen_w=1280
screen_h=800
click_x=1200 # near the top right, where such a tray usually sits
click_y=10

x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
tavlen_pid=""
watcher_pid=""
stop_pid() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
x11_before_stop() {
    stop_pid "$tavlen_pid"
    exec 4>&- # the end of its input stops the watcher
    [ -n "$watcher_pid" ] && timeout 5 tail --pid="$watcher_pid" -f /dev/null
    stop_pid "$watcher_pid"
}
source "$here/x11_session.sh"
x11_cleanup_on_exit

finish() {
    if [ $failures -eq 0 ]; then
        echo "StatusNotifierItem end to end: all checks passed"
        exit 0
    fi
    for f in "$x11_work"/watcher.out "$x11_work"/tavlen.err; do
        echo "--- $f"
        cat "$f"
    done
    echo "StatusNotifierItem end to end: $failures check(s) failed"
    exit 1
}

e2e_artefacts_ready

x11_session_start "$screen_w" "$screen_h" notray
echo "display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"

# The watcher first: Qt picks the tray protocol once, at the program's start.
mkfifo "$x11_work/watcher.in"
exec 4<>"$x11_work/watcher.in"
"$watcher" <"$x11_work/watcher.in" >"$x11_work/watcher.out" 2>&1 4>&- &
watcher_pid=$!
said() { grep -q "$1" "$x11_work/watcher.out"; }
said_times() { [ "$(grep -c "$2" "$x11_work/watcher.out")" -ge "$1" ]; }
x11_wait_for 10 said '^ready$' || {
    cat "$x11_work/watcher.out"
    echo "FAIL: the watcher did not start"
    exit 1
}

home="$x11_work/home"
mkdir -p "$home" "$x11_work/runtime"
chmod 700 "$x11_work/runtime"
env -u QT_QPA_PLATFORM -u XDG_CONFIG_DIRS HOME="$home" \
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_STATE_HOME="$home/.local/state" XDG_CACHE_HOME="$home/.cache" \
    XDG_RUNTIME_DIR="$x11_work/runtime" QT_QPA_PLATFORM=xcb \
    QT_LOGGING_RULES='qt.qpa.tray*=true' \
    "$tavlen" </dev/null >"$x11_work/tavlen.out" 2>"$x11_work/tavlen.err" 4>&- &
tavlen_pid=$!
running() { kill -0 "$tavlen_pid" 2>/dev/null; }

check "the icon registers with the StatusNotifierWatcher" x11_wait_for 20 said '^item '
item="$(sed -n 's/^item //p' "$x11_work/watcher.out" | tail -1)"
[ -n "$item" ] || finish # Qt took another path: nothing else here can be checked
echo "item $item"
# A host hides items that are not active.
status="$(dbus-send --session --print-reply=literal --dest="${item%%/*}" /StatusNotifierItem \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:Status 2>&1 ||
    true)"
[[ "$status" == *Active* ]] && pass "the item is active" || fail "the item's status: $status"

# A StatusNotifierItem host is a tray: no main window stands in for it, even after
# the seconds a late tray is given at login.
sleep 6
if [ -z "$(x11_viewable_toplevels tavlen)" ]; then
    pass "no Tavlen window mapped at start"
else
    fail "a Tavlen window is mapped at start: $(x11_viewable_toplevels tavlen)"
fi

panel_visible() { [ -n "$(x11_viewable_toplevels tavlen)" ]; }
panel_hidden() { [ -z "$(x11_viewable_toplevels tavlen)" ]; }

xdotool mousemove "$click_x" "$click_y"
echo "activate $click_x $click_y" >&4
check "the host's Activate reaches the item" x11_wait_for 10 said_times 1 '^activated$'
if x11_wait_for 10 panel_visible; then
    read -r _ px py pw ph < <(x11_viewable_toplevels tavlen | head -1)
    echo "panel at ${px},${py} ${pw}x${ph}, pointer at ${click_x},${click_y}"
    [ "$pw" -eq 360 ] && pass "panel is 360 wide" || fail "panel is $pw wide"
    check "panel inside the screen" x11_inside "$px" "$py" "$pw" "$ph" "$screen_w" "$screen_h"
    # How far the pointer lies outside the panel's rectangle, along each axis.
    dx=$((click_x < px ? px - click_x : click_x >= px + pw ? click_x - (px + pw - 1) : 0))
    dy=$((click_y < py ? py - click_y : click_y >= py + ph ? click_y - (py + ph - 1) : 0))
    if [ "$dx" -le 40 ] && [ "$dy" -le 40 ]; then
        pass "panel opens next to the pointer"
    else
        fail "panel is ${dx},${dy} px away from the pointer"
    fi
    sleep 0.5
    shot 1-panel-open

    echo "activate $click_x $click_y" >&4
    check "a second Activate reaches the item" x11_wait_for 10 said_times 2 '^activated$'
    check "and closes the panel" x11_wait_for 5 panel_hidden
    sleep 0.5
    shot 2-panel-closed
else
    fail "the panel did not open"
fi
check "the program keeps running" running

finish
