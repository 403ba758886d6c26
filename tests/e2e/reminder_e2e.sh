#!/usr/bin/env bash
# End to end: reminders on a real notification server (dunst, which offers a reminder's
# buttons through its context menu) with the real program, on a 1366 × 768 desktop. Three
# reminders fell due while Tavlen was not running and come at its start: "Markér som
# færdig" on the first ticks its item off in the suite; a click on the second shows the
# main window with that item's row focused (over AT-SPI); ticking the third off in the
# window closes its reminder on the server.
# Usage: reminder_e2e.sh <tavlen executable> <artefacts folder>
set -euo pipefail
tavlen="$(realpath "${1:?tavlen executable}")"
artefacts="${2:?artefacts folder}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for tool in dunst dunstctl; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
x11_before_stop() { e2e_stop_tavlen "$1"; }
source "$here/x11_session.sh"
x11_cleanup_on_exit
e2e_artefacts_ready
e2e_home

# One subject with three open items, and a reminder of each due this very minute.
mkdir -p "$home/.local/state/Tavlen"
python3 - "$suite" "$home/.local/state/Tavlen/pending-notifications.json" <<'PY'
import json, sys, time
now = time.time()
since_2001 = round(now - 978307200)
fag = "0B3C5D2E-7F1A-4C9B-8E2D-1A2B3C4D5E6F"
items = [("A0000000-0000-4000-8000-000000000001", "Læs side 42-60", "Lektie i dag"),
         ("A0000000-0000-4000-8000-000000000002", "Stil", "Lektie i morgen"),
         ("A0000000-0000-4000-8000-000000000003", "Gloser", "Lektie snart")]
suite = {"harSetupFaerdig_v4": True,
         "fag_v4": [{"id": fag, "navn": "Dansk", "ikonNavn": "book.fill", "farveHex": "E8704A"}],
         "lektier_v4": [{"id": i, "fagId": fag, "titel": t, "beskrivelse": "", "links": [],
                         "deadline": since_2001 + 86400, "erFaerdig": False,
                         "oprettetDato": since_2001} for i, t, _ in items]}
json.dump(suite, open(sys.argv[1], "w"))
t = time.localtime(now)
pending = [{"identifier": f"lektie-reminder-{i.lower()}-0", "title": title,
            "body": f"{titel} i Dansk.", "defaultSound": False,
            "trigger": {"year": t.tm_year, "month": t.tm_mon, "day": t.tm_mday,
                        "hour": t.tm_hour, "minute": t.tm_min, "repeats": False},
            "next": time.strftime("%Y-%m-%dT%H:%M", t),
            "actions": [{"key": "marker-faerdig", "label": "Markér som færdig"}]}
           for i, titel, title in items]
json.dump({"version": 1, "pending": pending, "lastFired": {}}, open(sys.argv[2], "w"))
PY

x11_session_start 1366 768 tray
openbox >"$x11_work/openbox.log" 2>&1 &
x11_pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$x11_work/atspi.log" 2>&1 &
x11_pids+=($!)

# dunst's context menu goes through a dmenu; this one picks the line asked for in "want".
cat >"$x11_work/pick.sh" <<SH
#!/bin/sh
grep -F "\$(cat "$x11_work/want")" | head -n 1
SH
chmod +x "$x11_work/pick.sh"
cat >"$x11_work/dunstrc" <<CONF
[global]
    monitor = 0
    follow = none
    dmenu = $x11_work/pick.sh
[urgency_normal]
    timeout = 0
[urgency_low]
    timeout = 0
CONF
dunst -config "$x11_work/dunstrc" >"$x11_work/dunst.log" 2>&1 &
x11_pids+=($!)
x11_wait_for 10 dunstctl is-paused >/dev/null 2>&1 || { echo "FAIL: dunst did not start"; exit 1; }

do_() { /usr/bin/python3 "$here/atspi_do.py" "$@"; }
shown_is() { [ "$(dunstctl count displayed)" = "$1" ]; }
done_is() {
    [ "$(python3 -c 'import json, sys; print([l["erFaerdig"] for l in json.load(open(sys.argv[1]))["lektier_v4"]])' "$suite")" = "$1" ]
}
choose() { # choose <line of the context menu>: as a pupil picks a reminder's button
    printf '%s\n' "$1" >"$x11_work/want"
    dunstctl context
}

e2e_start_tavlen QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
check "tray icon embedded" x11_wait_for 20 x11_tray_icon tavlen
check "the three reminders are shown" x11_wait_for 20 shown_is 3
shot 1-reminders
choose "#Markér som færdig (Lektie i dag)"
check "Markér som færdig ticks the first off in the suite" x11_wait_for 10 \
    done_is "[True, False, False]"
check "and its reminder goes" x11_wait_for 10 shown_is 2
choose "#Åbn Tavlen (Lektie i morgen)"
check "a click on the second shows its row, focused" x11_wait_for 10 do_ focused "Åbn Stil"
shot 2-main-window
check "the third's tick in the window: Press" do_ press "Markér som færdig: Gloser"
check "ticks it off in the suite" x11_wait_for 10 done_is "[True, False, True]"
check "and its reminder is withdrawn" x11_wait_for 10 shown_is 0
[ "$failures" -eq 0 ] || { echo "reminders end to end: $failures check(s) failed"; exit 1; }
echo "reminders end to end: all checks passed"
