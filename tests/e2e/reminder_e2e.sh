#!/usr/bin/env bash
# End to end: reminders on a real notification server (dunst, which offers a reminder's
# buttons through its menu), on a 1366 × 768 desktop (openbox, trayer, an AT-SPI bus).
# First the notification center alone: a reminder scheduled ahead fires on time, and dunst
# shows it once, from Tavlen, as written. Then the program: three reminders fell due while
# it was not running and come at its start; "Markér som færdig" on the first ticks its
# item off in the suite; a click on the second shows the main window with that item's row
# focused (over AT-SPI); ticking the third off in the window withdraws its reminder.
# Usage: reminder_e2e.sh <tavlen executable> <tavlen_notify_probe executable> <artefacts folder>
source "$(dirname "$0")/x11_session.sh"
e2e_begin "$1" "$3"
e2e_desktop 1366 768 tray openbox atspi dunst

body="Stil om efterår & <vinter> i Dansk skal laves i dag."
"$2" "$x11_work/probe" "Lektie i dag" "$body" 2 >"$x11_work/probe.log" 2>&1 &
x11_pids+=($!)
probe_shown() { e2e_notices | grep -F '"summary":"Lektie i dag"'; }
check "a reminder scheduled ahead reaches dunst" x11_wait_for 15 probe_shown
check "once, from Tavlen, its body as written (dunst reads markup)" test "$(probe_shown)" = \
    "$(jq -nc --arg b "$body" '{app: "Tavlen", summary: "Lektie i dag", body: $b}')"
kill "${x11_pids[-1]}"

# One subject with three open items, and a reminder of each due this very minute.
pending="$pending" suite_edit '
f = subject("Dansk")
s.update(harSetupFaerdig_v4=True, fag_v4=[f], lektier_v4=[
    item(t, 24, f["id"], "A0000000-0000-4000-8000-00000000000" + n)
    for n, t in (("1", "Læs side 42-60"), ("2", "Stil"), ("3", "Gloser"))])
t = time.localtime()
json.dump({"version": 1, "lastFired": {}, "pending": [
    {"identifier": "lektie-reminder-" + l["id"].lower() + "-0", "title": title,
     "body": l["titel"] + " i Dansk.", "defaultSound": False, "trigger": {
         "year": t.tm_year, "month": t.tm_mon, "day": t.tm_mday, "hour": t.tm_hour,
         "minute": t.tm_min, "repeats": False}, "next": time.strftime("%Y-%m-%dT%H:%M", t),
     "actions": [{"key": "marker-faerdig", "label": "Markér som færdig"}]}
    for l, title in zip(s["lektier_v4"], ("Lektie i dag", "Lektie i morgen", "Lektie snart"))]},
    open(os.environ["pending"], "w"))'

shown_is() { [ "$(dunstctl count displayed)" = "$1" ]; }
done_is() { suite_is '[l["erFaerdig"] for l in s["lektier_v4"]]' "$1"; }
choose() { # <line of a notification's menu>: as a pupil picks a reminder's button
    printf '%s\n' "$1" >"$x11_work/want"
    dunstctl context
}
e2e_start_tavlen
check "the three reminders are shown" x11_wait_for 20 shown_is 3
choose "#Markér som færdig (Lektie i dag)"
check "Markér som færdig ticks the first off in the suite" x11_wait_for 10 done_is "[True, False, False]"
check "and its reminder goes" x11_wait_for 10 shown_is 2
choose "#Åbn Tavlen (Lektie i morgen)"
check "a click on the second shows its row, focused" x11_wait_for 10 atspi_do focused "Åbn Stil"
check "the third's tick in the window: Press" atspi_do press "Markér som færdig: Gloser"
check "ticks it off in the suite" x11_wait_for 10 done_is "[True, False, True]"
check "and its reminder is withdrawn" x11_wait_for 10 shown_is 0
