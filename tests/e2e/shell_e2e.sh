#!/usr/bin/env bash
# End to end on a desktop without a tray (openbox, dunst), from an empty home: the main
# window is shown at start; the window manager's close (Alt+F4) only hides it, and a
# notification says once that Tavlen runs on; a second start exits and brings the same
# window back. Started again, Tavlen gives way to a tray that comes late at login: the
# icon goes into it and the main window goes. (With a tray from the start, the panel and
# atspi tests start in the tray only.)
# Usage: shell_e2e.sh <tavlen executable> <artefacts folder>
source "$(dirname "$0")/x11_session.sh"
e2e_begin "$@"
e2e_desktop 1280 800 notray openbox dunst

main_window() { e2e_windows 900 9999 | cut -d' ' -f1 | grep .; }
main_window_is() { [ "$(main_window)" = "$1" ]; }
close_main_window() { xdotool windowactivate --sync "$(main_window)" key alt+F4; }
notices_are() {
    [ "$(e2e_notices | grep -cF '"summary":"Tavlen kører videre","body":"Du får stadig påmindelser. Åbn Tavlen igen for at se dine lektier."')" = "$1" ]
}

e2e_start_tavlen
check "without a tray the main window is shown at start" x11_wait_for 20 main_window
id="$(main_window)"
close_main_window
check "the window manager's close hides it" x11_wait_for 10 hidden 900 9999
check "Tavlen runs on" e2e_running
check "and says so in a notification" x11_wait_for 10 notices_are 1
check "a second start exits with 0" e2e_second_start
check "and brings the same window back" x11_wait_for 10 main_window_is "$id"
close_main_window
check "closing it again hides it too" x11_wait_for 10 hidden 900 9999
e2e_stop_tavlen

e2e_start_tavlen
check "started again, the main window is shown for want of a tray" x11_wait_for 20 main_window
x11_tray_start
check "a tray that comes later gets the icon" x11_wait_for 20 x11_tray_icon tavlen
check "and the main window goes" x11_wait_for 15 hidden 900 9999
check "Tavlen runs on" e2e_running
check "the second close of the first run said nothing more" notices_are 1
