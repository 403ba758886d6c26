#!/usr/bin/env bash
# End to end over AT-SPI: a pupil who uses a screen reader's actions rather than the
# pointer, on a 1366 × 768 desktop (openbox, trayer, an AT-SPI bus). Walks the first-run
# flow (Fravælg alle, a tile, Eget fag, Fortsæt), adds and ticks homework in the main window
# (+, the tick, a row's detail and "Rediger"), undoes, and in the panel adds and ticks,
# follows another program's write to the file, and resets
# from the settings. Every step is a control's Press or Toggle action; the shared suite
# file is the judge.
# Usage: atspi_e2e.sh <tavlen executable> <artefacts folder>
set -euo pipefail
tavlen="$(realpath "${1:?tavlen executable}")"
artefacts="${2:?artefacts folder}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
x11_before_stop() { e2e_stop_tavlen "$1"; }
source "$here/x11_session.sh"
x11_cleanup_on_exit
e2e_artefacts_ready
e2e_home

x11_session_start 1366 768 tray
openbox >"$x11_work/openbox.log" 2>&1 &
x11_pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$x11_work/atspi.log" 2>&1 &
x11_pids+=($!)
sleep 0.5

e2e_start_tavlen QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
first_pid="$tavlen_pid"

do_() { /usr/bin/python3 "$here/atspi_do.py" "$@"; }
# The suite through a Python expression over it (`s`), printed.
suite_says() {
    python3 - "$suite" "$1" <<'PY' 2>/dev/null
import json, sys
s = json.load(open(sys.argv[1]))
print(eval(sys.argv[2]))
PY
}
suite_is() { [ "$(suite_says "$1")" = "$2" ]; }
counter_is() { [ "$(do_ name-of label " valgt")" = "$1" ]; }
# The suite's content, whoever wrote it: every key, record and field, in order.
suite_sum() { suite_says 'json.dumps(s, sort_keys=True)' | md5sum; }
suite_back_to() { [ "$(suite_sum)" = "$1" ]; }

check "tray icon embedded" x11_wait_for 20 x11_tray_icon tavlen
# A second start brings up the main window with the first-run flow.
e2e_start_tavlen
wait "$tavlen_pid" || true
tavlen_pid="$first_pid"

check "Kom i gang: Press" do_ press "Kom i gang"
check "Fravælg alle: Press" do_ press "Fravælg alle"
check "and none is chosen" x11_wait_for 5 counter_is "0 valgt"
check "a tile: Toggle" do_ toggle "Historie" "check box"
check "and it is chosen" x11_wait_for 5 counter_is "1 valgt"
check "its state reads checked" do_ checked "Historie" "check box"
check "Eget fag: Press" do_ press "Eget fag"
check "the subject name field takes the focus" do_ focus "Fagnavn"
xdotool type --delay 40 "Kor"
check "Tilføj fag: Press" do_ press "Tilføj fag"
check "and two are chosen" x11_wait_for 5 counter_is "2 valgt"
shot 1-subjects
check "Fortsæt: Press" do_ press "Fortsæt"
check "Spring over: Press" do_ press "Spring over"
check "Åbn Tavlen: Press" do_ press "Åbn Tavlen"
chosen='[f["navn"] for f in s.get("fag_v4", [])], s.get("harSetupFaerdig_v4")'
if x11_wait_for 10 suite_is "$chosen" "(['Historie', 'Kor'], True)"; then
    pass "the suite holds the chosen subjects"
else
    fail "the suite holds: $(suite_says "$chosen")"
fi

# The main window: "+" and the form's button, then the row's tick.
check "+: Press" do_ press "Tilføj ny lektie"
check "the title field takes the focus" do_ focus "Titel"
xdotool type --delay 40 "Laes side 7"
check "Tilføj lektie: Press" do_ press "Tilføj lektie"
check "the suite holds the homework" x11_wait_for 10 \
    suite_is '[(l["titel"], l["erFaerdig"]) for l in s.get("lektier_v4", [])]' \
    "[('Laes side 7', False)]"
shot 2-main-window
# The row opens its detail; "Rediger" edits the item in place: the same id, the new text.
item_id="$(suite_says 's["lektier_v4"][0]["id"]')"
check "the row's texts: Press opens the detail" do_ press "Åbn Laes side 7"
check "the detail's Rediger: Press" do_ press "Rediger"
check "the form's description field takes the focus" do_ focus "Beskrivelse"
xdotool type --delay 40 "Side 8"
check "Gem ændringer: Press" do_ press "Gem ændringer"
check "the suite holds the same item, edited" x11_wait_for 10 \
    suite_is '[(l["id"], l["titel"], l["beskrivelse"]) for l in s["lektier_v4"]]' \
    "[('$item_id', 'Laes side 7', 'Side 8')]"

before_tick="$(suite_sum)"
done_list='[(l["titel"], l["erFaerdig"]) for l in s["lektier_v4"]]'
# The pointer, straight onto the tick of a row it was not over: the delete button that
# comes with it must not be under the tick. It ticks off; it never deletes.
read -r tick_x tick_y < <(do_ where "Markér som færdig: Laes side 7")
xdotool mousemove 0 0
sleep 0.3
xdotool mousemove "$tick_x" "$tick_y" click 1
check "a pointer click on the tick ticks it off" x11_wait_for 10 \
    suite_is "$done_list" "[('Laes side 7', True)]"
check "the bar's Fortryd: Press" do_ press "Fortryd"
check "the suite is exactly as before the tick" x11_wait_for 10 suite_back_to "$before_tick"
check "the row's tick: Press" do_ press "Markér som færdig: Laes side 7"
check "ticks it off in the suite" x11_wait_for 10 suite_is "$done_list" "[('Laes side 7', True)]"
xdotool key ctrl+z
check "Ctrl+Z takes it back" x11_wait_for 10 suite_back_to "$before_tick"
xdotool key ctrl+shift+z
check "Ctrl+Shift+Z ticks it off again" x11_wait_for 10 \
    suite_is "$done_list" "[('Laes side 7', True)]"

# The panel: its "Tilføj lektie", the form's own, then the row's tick.
icon="$(x11_tray_icon tavlen)"
xdotool mousemove --window "$icon" 5 5 click 1
check "the panel's Tilføj lektie: Press" do_ press "Tilføj lektie"
check "the form's title field takes the focus" do_ focus "Titel"
xdotool type --delay 40 "Regn opgave 3"
check "the form's Tilføj lektie: Press" do_ press "Tilføj lektie#2"
check "the suite holds it" x11_wait_for 10 \
    suite_is '[l["titel"] for l in s["lektier_v4"] if not l["erFaerdig"]]' "['Regn opgave 3']"
shot 3-panel

# Another program (a widget, a script) writes the file while the panel is open: it ticks
# "Regn opgave 3" off and adds "Ude fra". The panel follows; Tavlen's own tick then keeps
# the other program's changes.
python3 - "$suite" <<'PY'
import json, os, sys, time, uuid
path = sys.argv[1]
s = json.load(open(path))
for l in s["lektier_v4"]:
    if l["titel"] == "Regn opgave 3":
        l["erFaerdig"] = True
now = round(time.time() - 978307200)  # whole seconds, as a widget would keep them
s["lektier_v4"].append({"id": str(uuid.uuid4()).upper(), "fagId": s["fag_v4"][0]["id"],
                        "titel": "Ude fra", "beskrivelse": "", "links": [],
                        "deadline": now + 86400, "erFaerdig": False, "oprettetDato": now})
with open(path + ".ude", "w") as f:
    json.dump(s, f)
os.replace(path + ".ude", path)
PY
check "the panel shows the other program's item" x11_wait_for 10 \
    do_ shows "Markér som færdig: Ude fra"
check "and not the item it ticked off" x11_wait_for 10 do_ gone "Markér som færdig: Regn opgave 3"
before_tick="$(suite_sum)"
check "the panel row's tick: Press" do_ press "Markér som færdig: Ude fra"
both='[(l["titel"], l["erFaerdig"]) for l in s["lektier_v4"]]'
both_done="[('Laes side 7', True), ('Regn opgave 3', True), ('Ude fra', True)]"
check "both ticks are in the suite" x11_wait_for 10 suite_is "$both" "$both_done"
# A stray tick in the panel is taken back by Ctrl+Z, exactly, and done again.
xdotool key ctrl+z
check "Ctrl+Z in the panel takes the tick back, exactly" x11_wait_for 10 \
    suite_back_to "$before_tick"
xdotool key ctrl+shift+z
check "Ctrl+Shift+Z does it again" x11_wait_for 10 suite_is "$both" "$both_done"
xdotool key Escape

# Settings, "Nulstil app", and the dialog's own "Nulstil app".
check "Indstillinger: Press" do_ press "Indstillinger"
check "Nulstil app: Press" do_ press "Nulstil app" "push button"
check "the dialog's Nulstil app: Press" do_ press "Nulstil app#2" "push button"
check "the reset empties the suite" x11_wait_for 10 \
    suite_is '[k for k in ("fag_v4", "lektier_v4", "harSetupFaerdig_v4") if k in s]' "[]"
shot 4-after-reset

if [ $failures -eq 0 ]; then
    echo "AT-SPI end to end: all checks passed"
    exit 0
fi
echo "AT-SPI end to end: $failures check(s) failed"
exit 1
