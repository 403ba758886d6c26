#!/usr/bin/env bash
# End to end: the real program on a desktop whose tray speaks StatusNotifierItem over
# D-Bus (KDE Plasma; GNOME with the AppIndicator extension) and has no XEmbed tray. A
# stand-in watcher and host on the private bus takes the item's registration; the test
# clicks the item as such a host does (Activate), which gives no geometry of the icon, so
# the panel opens next to the pointer. No main window stands in for such a tray.
# Usage: sni_e2e.sh <tavlen executable> <watcher executable> <artefacts folder>
source "$(dirname "$0")/x11_session.sh"
e2e_begin "$1" "$3"
e2e_desktop 1280 800 notray
# The watcher first: Qt picks the tray protocol once, at the program's start.
"$2" >"$x11_work/watcher.log" 2>&1 &
x11_pids+=($!)
said() { grep "$1" "$x11_work/watcher.log"; }
x11_wait_for 10 said '^ready$' >/dev/null
started=$SECONDS
e2e_start_tavlen

check "the icon registers with the StatusNotifierWatcher" x11_wait_for 20 said '^item '
item="$(said '^item ' | tail -1 | cut -d' ' -f2)"
on_item() { dbus-send --session --print-reply=literal --dest="${item%%/*}" /StatusNotifierItem "$@"; }
is_active() { on_item org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:Status | grep -q Active; }
check "the item is active (hosts hide the others)" is_active

x=1200 y=10 # near the top right, where such a tray usually sits
xdotool mousemove $x $y
check "the host's Activate reaches the item" on_item org.kde.StatusNotifierItem.Activate int32:$x int32:$y
check "and opens the panel" x11_wait_for 10 shown 360
read -r _ px py pw ph < <(e2e_windows 360)
# How far the pointer lies outside the panel's rectangle, along each axis.
dx=$((x < px ? px - x : x >= px + pw ? x - (px + pw - 1) : 0))
dy=$((y < py ? py - y : y >= py + ph ? y - (py + ph - 1) : 0))
check "next to the pointer" test $dx -le 40 -a $dy -le 40
check "inside the screen" x11_inside "$px" "$py" "$pw" "$ph" 1280 800
check "a second Activate" on_item org.kde.StatusNotifierItem.Activate int32:$x int32:$y
check "closes the panel" x11_wait_for 10 hidden 360

# Past the seconds a tray that is late at login is given.
sleep $((started + 7 - SECONDS))
check "no main window stands in for the tray" hidden 900 9999
check "Tavlen runs on" e2e_running
