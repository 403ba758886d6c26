#!/usr/bin/env bash
# End to end: the real program in a private X server with a tray host and a private
# session bus, started with an empty home. Checks that it starts in the tray only,
# that a click on the icon opens the panel inside the screen, that a second start
# brings up the main window and exits, that closing the window only hides it, and
# what the first start stored; that the keyboard alone walks the first-run flow in the
# main window and the shared suite then holds the chosen subjects; that homework added
# through "+" is stored and a reset from the settings erases everything. Then, on a desktop without a tray, that the main
# window is shown at start and can be brought back after closing it; and that a tray
# that comes late at login takes over, whether it comes within the first seconds or
# after the main window was shown in its place.
# Usage: shell_e2e.sh <tavlen executable> <artefacts folder>
set -euo pipefail
tavlen="$(realpath "${1:?tavlen executable}")"
artefacts="${2:?artefacts folder}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
screen_w=1280
screen_h=800

x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
tavlen_pid=""
stop_tavlen() {
    if [ -n "$tavlen_pid" ]; then
        kill "$tavlen_pid" 2>/dev/null || true
        wait "$tavlen_pid" 2>/dev/null || true
        tavlen_pid=""
    fi
    return 0
}
x11_before_stop() { stop_tavlen; }
source "$here/x11_session.sh"
x11_cleanup_on_exit


e2e_artefacts_ready

# Runs tavlen with an empty home (every XDG folder inside it) in $x11_work/$1.
tavlen_env() {
    local home="$x11_work/$1/home"
    mkdir -p "$home" "$x11_work/$1/runtime"
    chmod 700 "$x11_work/$1/runtime"
    echo env -u QT_QPA_PLATFORM -u XDG_CONFIG_DIRS HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_STATE_HOME="$home/.local/state" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$x11_work/$1/runtime" QT_QPA_PLATFORM=xcb
}
start_first() {
    $(tavlen_env "$1") "$tavlen" </dev/null >"$x11_work/$1.out" 2>"$x11_work/$1.err" &
    tavlen_pid=$!
}
second_start() { # exit code of a second start, which must return by itself
    local rc=0
    timeout 20 $(tavlen_env "$1") "$tavlen" </dev/null >>"$x11_work/$1.second" 2>&1 || rc=$?
    return $rc
}

# The id of the shown main window (viewable, at least 900 x 600), if any.
main_window() { x11_viewable_toplevels tavlen | awk '$4 >= 900 && $5 >= 600 { print $1 }' | grep .; }
no_main_window() { ! main_window >/dev/null; }
running() { kill -0 "$tavlen_pid" 2>/dev/null; }

close_main_window_and_bring_back() { # <scenario> <screenshot prefix>
    local id
    id="$(main_window)" || { fail "no main window to close"; return; }
    python3 "$here/x11_close.py" "$id"
    check "closing the main window hides it" x11_wait_for 10 no_main_window
    sleep 0.5
    check "the program keeps running after the close" running
    shot "$2-closed"
    check "another start after the close exits with 0" second_start "$1"
    check "the main window is back" x11_wait_for 10 main_window
    [ "$(main_window)" = "$id" ] && pass "it is the same window" || fail "a new window appeared"
    sleep 0.5
    shot "$2-back"
}

# ---- With a tray (trayer) --------------------------------------------------
x11_session_start "$screen_w" "$screen_h" tray
echo "display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"
start_first tray

check "tray icon embedded in trayer" x11_wait_for 20 x11_tray_icon tavlen
icon="$(x11_tray_icon tavlen || true)"
sleep 1.5 # past the delegate's last hiding attempt
if [ -z "$(x11_viewable_toplevels tavlen)" ]; then
    pass "no Tavlen window mapped at start"
else
    fail "a Tavlen window is mapped at start: $(x11_viewable_toplevels tavlen)"
fi
check "still running after start" running
shot 1-start-tray-only

if [ -n "$icon" ]; then
    read -r ix iy iw ih _ < <(x11_geometry "$icon")
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
    panel_visible() { [ -n "$(x11_viewable_toplevels tavlen)" ]; }
    if x11_wait_for 10 panel_visible; then
        read -r _ px py pw ph < <(x11_viewable_toplevels tavlen | head -1)
        echo "panel at ${px},${py} ${pw}x${ph}, icon at ${ix},${iy} ${iw}x${ih}"
        [ "$pw" -eq 360 ] && pass "panel is 360 wide" || fail "panel is $pw wide"
        check "panel inside the screen" x11_inside "$px" "$py" "$pw" "$ph" "$screen_w" "$screen_h"
        # Next to the icon: right below it and overlapping it horizontally.
        if [ "$py" -ge $((iy + ih)) ] && [ "$py" -le $((iy + ih + 16)) ] &&
            [ "$px" -le $((ix + iw)) ] && [ $((px + pw)) -ge "$ix" ]; then
            pass "panel opens next to the icon"
        else
            fail "panel is not next to the icon"
        fi
        sleep 0.5
        shot 2-panel-open

        # Focus elsewhere hides it; the icon toggles it.
        panel_hidden() { [ -z "$(x11_viewable_toplevels tavlen)" ]; }
        xdotool windowfocus "$(x11_tray_panel)"
        check "the panel hides when it loses the focus" x11_wait_for 5 panel_hidden
        sleep 0.5
        xdotool click 1
        check "a click on the icon opens it again" x11_wait_for 5 panel_visible
        sleep 0.5
        xdotool click 1
        check "and another click closes it" x11_wait_for 5 panel_hidden
    else
        fail "the panel did not open"
    fi
fi

check "second start exits with 0" second_start tray
check "second start shows the main window (at least 900 x 600)" x11_wait_for 10 main_window
check "first instance still running" running
sleep 0.5
shot 3-main-window

close_main_window_and_bring_back tray 4-tray

suite="$x11_work/tray/home/.config/Tavlen/group.tavlen.json"
if python3 -c 'import json, sys; sys.exit(json.load(open(sys.argv[1])) != {"harSetupFaerdig_v4": False})' \
    "$suite" 2>/dev/null; then
    pass "shared suite holds exactly harSetupFaerdig_v4 = false"
else
    fail "shared suite is not {\"harSetupFaerdig_v4\": false}: $(cat "$suite" 2>&1)"
fi

# The first-run flow fills the shown main window; the keyboard alone walks it: Return on
# the welcome, Tab to the first subject and Space to untick it, Return on each step after.
keys() { xdotool key --window "$1" --delay 150 "${@:2}"; }
if id="$(main_window)"; then
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    sleep 0.5
    shot 4b-onboarding-welcome
    keys "$id" Return
    sleep 0.5
    keys "$id" Tab space
    sleep 0.5
    shot 4c-onboarding-subjects
    # Return presses the focused tile; "Fortsæt" is the 17th stop after the first tile
    # (13 more tiles, the own-subject tile, "Vælg alle", "Fravælg alle").
    keys "$id" $(printf 'Tab %.0s' $(seq 17)) Return
    sleep 0.5
    shot 4d-onboarding-widget
    keys "$id" Return
    sleep 0.5
    shot 4e-onboarding-finish
    keys "$id" Return
    sleep 1
    shot 4f-main-content
else
    fail "no main window for the first-run flow"
fi
# What the flow stored: the catalogue but its first subject, with fresh ids, and the flag.
stored() {
    python3 - "$suite" <<'PY'
import json, sys
suite = json.load(open(sys.argv[1]))
names = [f["navn"] for f in suite.get("fag_v4", [])]
print(suite.get("harSetupFaerdig_v4"), len(names), "Dansk" in names, names[0] if names else "")
PY
}
stored_as_chosen() { [ "$(stored 2>/dev/null)" = "True 13 False Historie" ]; }
if x11_wait_for 10 stored_as_chosen; then
    pass "the flow stored setup as finished and 13 subjects without Dansk, Historie first"
else
    fail "the shared suite holds: $(stored 2>&1 || true)"
fi

# The main content: new homework through the toolbar's "+" (the form opens with the title
# field focused and a deadline chosen), then a reset from the settings, by keyboard.
homework() {
    python3 - "$suite" <<'PY'
import json, sys
suite = json.load(open(sys.argv[1]))
subjects = {f["id"]: f["navn"] for f in suite.get("fag_v4", [])}
print(" / ".join(l["titel"] + " in " + subjects.get(l["fagId"], "?") for l in suite.get("lektier_v4", [])))
PY
}
homework_added() { [ "$(homework 2>/dev/null)" = "Brok side 42 in Historie" ]; }
reset_done() {
    python3 - "$suite" <<'PY'
import json, sys
suite = json.load(open(sys.argv[1]))
sys.exit(any(k in suite for k in ("fag_v4", "lektier_v4", "harSetupFaerdig_v4")))
PY
}
pending="$x11_work/tray/home/.local/state/Tavlen/pending-notifications.json"
homework_reminders() { grep -o '"lektie-reminder-[^"]*"' "$pending" 2>/dev/null | wc -l; }
if id="$(main_window)"; then
    read -r _ wx wy ww wh < <(x11_viewable_toplevels tavlen | awk -v id="$id" '$1 == id')
    xdotool mousemove $((wx + ww - 30)) $((wy + 22)) click 1
    sleep 1
    xdotool type --delay 60 "Brok side 42"
    xdotool key Return
    if x11_wait_for 10 homework_added; then
        pass "the homework added through + is stored with the first subject"
    else
        fail "the shared suite's homework: $(homework 2>&1 || true)"
    fi
    sleep 0.5
    shot 4g-homework-added
    check "its reminders are pending" x11_wait_for 10 bash -c "[ \$(grep -o lektie-reminder- '$pending' | wc -l) -gt 0 ]"
    xdotool mousemove $((wx + 60)) $((wy + wh - 22)) click 1
    sleep 1
    shot 4h-settings
    xdotool key --delay 150 Tab Tab space
    sleep 1
    # The dialog opens with "Annuller" focused; one Tab reaches "Nulstil app".
    xdotool key --delay 150 Tab space
    check "a reset leaves none of the three keys in the shared suite" x11_wait_for 10 reset_done
    sleep 1
    shot 4i-after-reset
    [ "$(homework_reminders)" = 0 ] && pass "no homework reminder is pending after the reset" ||
        fail "reminders still pending: $(cat "$pending" 2>&1)"
    check "the main window shows the first-run flow again" main_window
else
    fail "no main window for the main content"
fi
stop_tavlen
x11_session_stop

# ---- Without a tray ----------------------------------------------------------
x11_session_start "$screen_w" "$screen_h" notray
# Our own notification server with its defaults; waited for without the bus starting one.
: >"$x11_work/dunstrc"
dunst -config "$x11_work/dunstrc" >"$x11_work/dunst.log" 2>&1 &
x11_pids+=($!)
served() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep true; }
check "a notification server runs" x11_wait_for 10 served
runs_on_notices() { # how many notices that Tavlen runs on have arrived
    dunstctl close-all >/dev/null 2>&1 || true
    dunstctl history | jq --arg t "Tavlen kører videre" \
        --arg b "Du får stadig påmindelser. Åbn Tavlen igen for at se dine lektier." \
        '[.data[0][] | select(.summary.data == $t and .body.data == $b)] | length'
}
one_notice() { [ "$(runs_on_notices)" = 1 ]; }
start_first notray
check "without a tray the main window is shown at start" x11_wait_for 20 main_window
sleep 1.5 # past the delegate's hiding attempts: it must stay
check "and it stays shown" main_window
shot 5-notray-start
close_main_window_and_bring_back notray 6-notray
check "the first close said once that Tavlen runs on" x11_wait_for 10 one_notice
if id="$(main_window)"; then
    python3 "$here/x11_close.py" "$id"
    check "a second close hides it too" x11_wait_for 10 no_main_window
    sleep 1
    check "and says nothing more" one_notice
else
    fail "no main window for a second close"
fi
stop_tavlen
x11_session_stop

# ---- A tray that comes late ---------------------------------------------------
x11_session_start "$screen_w" "$screen_h" notray
start_first early
sleep 1
x11_tray_start
check "a tray within the first seconds gets the icon" x11_wait_for 20 x11_tray_icon tavlen
sleep 6 # past the grace period
check "and the main window is never shown" no_main_window
stop_tavlen
x11_session_stop

x11_session_start "$screen_w" "$screen_h" notray
start_first late
check "without a tray for long, the main window is shown" x11_wait_for 20 main_window
x11_tray_start
check "a tray that comes later gets the icon" x11_wait_for 20 x11_tray_icon tavlen
check "and the main window goes" x11_wait_for 15 no_main_window
shot 7-late-tray
check "the program keeps running" running

if [ $failures -eq 0 ]; then
    echo "shell end to end: all checks passed"
    exit 0
fi
for f in "$x11_work"/*.err "$x11_work"/*.second; do
    [ -f "$f" ] && { echo "--- $f"; cat "$f"; }
done
echo "shell end to end: $failures check(s) failed"
exit 1
