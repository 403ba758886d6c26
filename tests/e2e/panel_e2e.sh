#!/usr/bin/env bash
# End to end: a pupil living in the tray of a 1366 × 768 school laptop (openbox, trayer).
# The icon opens the panel next to itself; homework is added and ticked off by the keyboard;
# the new-homework pop-over stacks above the panel and goes by a click on the desktop (the
# panel with it), by Escape or by its "Annuller" (the panel stays); "Åbn Tavlen" brings the
# main window; a question to delete a subject, answered "Annuller", leaves the subject list
# and the panel open; Ctrl+Q quits, keeping the reminders. Then, with 15 overdue and 10 upcoming
# items, the panel fits the screen and "Afslut", reached by the keys, quits.
# Usage: panel_e2e.sh <tavlen executable> <artefacts folder>
source "$(dirname "$0")/x11_session.sh"
e2e_begin "$@"
suite_edit 's.update(harSetupFaerdig_v4=True, fag_v4=[subject("Dansk"), subject("Matematik", 1)])'
e2e_desktop 1366 768 tray openbox
e2e_start_tavlen

panel=360 form=460
open_panel() {
    sleep 0.35 # a click within 0.3 s of the panel losing the focus belongs to that hide
    e2e_click_icon
    x11_wait_for 10 active $panel
}
open_form() {
    xdotool key ctrl+n
    x11_wait_for 10 active $form
}
above() { # <upper window> <lower window>: in the window manager's stacking order
    local order
    order="$(xprop -root _NET_CLIENT_LIST_STACKING | cut -d'#' -f2 | tr -d , | xargs printf '%d\n')"
    [ "$(grep -nx "$1" <<<"$order" | cut -d: -f1)" -gt "$(grep -nx "$2" <<<"$order" | cut -d: -f1)" ]
}

check "a click on the icon opens the panel" open_panel
read -r _ px py pw ph < <(e2e_windows $panel)
eval "$(xdotool getwindowgeometry --shell "$(x11_tray_icon tavlen)")"
check "right below the icon, overlapping it" test "$py" -ge $((Y + HEIGHT)) -a "$py" -le $((Y + HEIGHT + 16)) \
    -a "$px" -le $((X + WIDTH)) -a $((px + pw)) -ge "$X"
check "inside the screen" x11_inside "$px" "$py" "$pw" "$ph" 1366 768

# No homework yet: the focus is on "Tilføj lektie", and Ctrl+N opens the form.
check "Ctrl+N opens the new-homework form" open_form
check "above the panel" above "$(e2e_windows $form | cut -d' ' -f1)" "$(e2e_windows $panel | cut -d' ' -f1)"
# ASCII only: xdotool types other letters by remapping a key on the fly, which races.
xdotool type --delay 20 "Laes side 4"
echo "resident memory with the panel and the form open: $(awk '/VmRSS/ { print $2 " kB" }' /proc/$tavlen_pid/status)"
xdotool key Return
check "Return saves and closes the form" x11_wait_for 10 hidden $form
check "the panel stays" shown $panel
check "the suite holds the item, open, in the first subject" x11_wait_for 10 suite_is \
    '[(l["titel"], l["fagId"], l["erFaerdig"]) for l in s["lektier_v4"]]' \
    "[('Laes side 4', '$(suite_says 's["fag_v4"][0]["id"]')', False)]"

# Reopened, the panel starts afresh with the focus on the first row: Space ticks it off.
e2e_click_icon
check "a second click closes the panel" x11_wait_for 10 hidden $panel
check "and a third opens it again" open_panel
xdotool key space
check "Space on the first row ticks it off" x11_wait_for 10 suite_is '[l["erFaerdig"] for l in s["lektier_v4"]]' "[True]"

check "the form opens again" open_form
xdotool mousemove 200 600 click 1
check "a click on the desktop closes the pop-over" x11_wait_for 10 hidden $form
check "and the panel" x11_wait_for 10 hidden $panel

check "the panel opens for Escape" open_panel
check "and the form" open_form
xdotool key Escape
check "Escape closes the form" x11_wait_for 10 hidden $form
check "and hands the focus back to the panel" x11_wait_for 10 active $panel
xdotool key Escape
check "a second Escape closes the panel" x11_wait_for 10 hidden $panel

check "the panel opens for Annuller" open_panel
check "and the form" open_form
read -r _ fx fy _ < <(e2e_windows $form)
# "Annuller" sits 16 px in from the left of the form's foot, whose middle is 29 px above
# the form's bottom; the 680 high form shows its middle 660 in the pop-over.
xdotool mousemove $((fx + 50)) $((fy + 680 - 10 - 29)) click 1
check "Annuller closes the form" x11_wait_for 10 hidden $form
check "and hands the focus back to the panel" x11_wait_for 10 active $panel
e2e_click_icon
check "the icon then closes the panel" x11_wait_for 10 hidden $panel

check "the panel opens for Åbn Tavlen" open_panel
xdotool key Down Down space # the third action; there is no open row
check "Åbn Tavlen shows the main window" x11_wait_for 10 shown 900 9999
check "and closes the panel" x11_wait_for 10 hidden $panel

# With the main window there for the window manager to pick, a pupil who thinks better of
# deleting a subject stays in the subject list.
panels() { [ "$(e2e_windows $panel | wc -l)" -eq "$1" ]; } # the subject list is as wide
check "the panel opens for Administrer fag" open_panel
xdotool key Down Return
check "Administrer fag opens the subject list" x11_wait_for 10 panels 2
xdotool key Tab Tab Tab Tab Return # "Slet Dansk"
check "Slet asks first" x11_wait_for 10 shown 340 359
xdotool key Return # "Annuller" has the focus
check "Annuller closes the question" x11_wait_for 10 hidden 340 359
sleep 0.5 # longer than the focus takes to settle
check "the subject list and the panel stay" panels 2
check "and so does the subject" suite_is 'len(s["fag_v4"])' 2
xdotool key Escape Escape
check "two Escapes close them" x11_wait_for 10 panels 0

check "the panel opens once more" open_panel
xdotool key ctrl+q
e2e_ends_with_0 "Ctrl+Q"
check "the pending reminders are kept" test -s "$pending"
check "the instance lock is released" test ! -e "$x11_work/runtime/tavlen/tavlen.lock"

suite_edit 'f = s["fag_v4"][0]["id"]
s["lektier_v4"] = ([item(f"Forfalden {i}", -1 - i, f) for i in range(15)] +
                   [item(f"Kommende {i}", 24 * (i + 1), f) for i in range(10)])'
e2e_start_tavlen
check "with 25 items the panel opens" open_panel
read -r _ px py pw ph < <(e2e_windows $panel)
check "and lies inside the screen" x11_inside "$px" "$py" "$pw" "$ph" 1366 768
# From the first row: 15 + 8 rows, "Tilføj lektie", "Administrer fag", "Åbn Tavlen", "Afslut".
xdotool key --delay 40 $(printf 'Down %.0s' $(seq 26)) Return
e2e_ends_with_0 "Return on \"Afslut\", reached by the keys,"
