#!/usr/bin/env bash
# End to end over AT-SPI: a pupil who uses a screen reader's actions rather than the
# pointer, on a 1366 × 768 desktop (openbox, trayer, an AT-SPI bus), from an empty home.
# The first start stores only that setup is not finished; a second start exits and brings
# up the first-run flow (Fravælg alle, a tile, Eget fag, Fortsæt). In the main window
# homework is added through "+" (Escape closes the form's sheet first), edited from its
# row's detail, ticked off by the pointer and by Press, undone by the bar and the keys; in
# the panel it is added and ticked while another program writes the file, and Ctrl+Z takes
# the tick back; a reset from the settings empties the suite. Every step
# is a control's Press, Toggle or SetFocus action; the shared suite file is the judge.
# Usage: atspi_e2e.sh <tavlen executable> <artefacts folder>
source "$(dirname "$0")/x11_session.sh"
e2e_begin "$@"
e2e_desktop 1366 768 tray openbox atspi
e2e_start_tavlen

counter_is() { [ "$(atspi_do name-of label " valgt")" = "$1" ]; }
# The suite's content, whoever wrote it: every key, record and field, in order.
suite_sum() { suite_says 'json.dumps(s, sort_keys=True)' | md5sum; }
suite_back_to() { [ "$(suite_sum)" = "$1" ]; }

check "tray icon embedded" x11_wait_for 20 x11_tray_icon tavlen
check "the first start stores only that setup is not finished" \
    x11_wait_for 10 suite_is s "{'harSetupFaerdig_v4': False}"
check "a second start exits with 0" e2e_second_start
check "Kom i gang: Press" atspi_do press "Kom i gang"
check "Fravælg alle: Press" atspi_do press "Fravælg alle"
check "and none is chosen" x11_wait_for 5 counter_is "0 valgt"
check "a tile: Toggle" atspi_do toggle "Historie" "check box"
check "and it is chosen" x11_wait_for 5 counter_is "1 valgt"
check "its state reads checked" atspi_do checked "Historie" "check box"
check "Eget fag: Press" atspi_do press "Eget fag"
check "the subject name field takes the focus" atspi_do focus "Fagnavn"
xdotool type --delay 40 "Kor"
check "Tilføj fag: Press" atspi_do press "Tilføj fag"
check "and two are chosen" x11_wait_for 5 counter_is "2 valgt"
check "Fortsæt: Press" atspi_do press "Fortsæt"
check "Spring over: Press" atspi_do press "Spring over"
check "Åbn Tavlen: Press" atspi_do press "Åbn Tavlen"
check "the suite holds the chosen subjects" x11_wait_for 10 suite_is \
    '[f["navn"] for f in s.get("fag_v4", [])], s.get("harSetupFaerdig_v4")' "(['Historie', 'Kor'], True)"

# The main window: "+" and the form's button, then the row's tick.
check "+: Press" atspi_do press "Tilføj ny lektie"
check "the title field takes the focus" atspi_do focus "Titel"
xdotool key Escape
check "Escape closes the form's sheet" x11_wait_for 10 atspi_do gone "Titel"
check "+: Press again" atspi_do press "Tilføj ny lektie"
check "the title field takes the focus" atspi_do focus "Titel"
xdotool type --delay 40 "Laes side 7"
check "Tilføj lektie: Press" atspi_do press "Tilføj lektie"
check "the suite holds the homework" x11_wait_for 10 \
    suite_is '[(l["titel"], l["erFaerdig"]) for l in s.get("lektier_v4", [])]' "[('Laes side 7', False)]"
# The row opens its detail; "Rediger" edits the item in place: the same id, the new text.
item_id="$(suite_says 's["lektier_v4"][0]["id"]')"
check "the row's texts: Press opens the detail" atspi_do press "Åbn Laes side 7"
check "the detail's Rediger: Press" atspi_do press "Rediger"
check "the form's description field takes the focus" atspi_do focus "Beskrivelse"
xdotool type --delay 40 "Side 8"
check "Gem ændringer: Press" atspi_do press "Gem ændringer"
check "the suite holds the same item, edited" x11_wait_for 10 \
    suite_is '[(l["id"], l["titel"], l["beskrivelse"]) for l in s["lektier_v4"]]' \
    "[('$item_id', 'Laes side 7', 'Side 8')]"

before_tick="$(suite_sum)"
done_list='[(l["titel"], l["erFaerdig"]) for l in s["lektier_v4"]]'
# The pointer, straight onto the tick of a row it was not over: the delete button that
# comes with it must not be under the tick. It ticks off; it never deletes.
read -r tick_x tick_y < <(atspi_do where "Markér som færdig: Laes side 7")
xdotool mousemove 0 0 sleep 0.3 mousemove "$tick_x" "$tick_y" click 1
check "a pointer click on the tick ticks it off" x11_wait_for 10 \
    suite_is "$done_list" "[('Laes side 7', True)]"
check "the bar's Fortryd: Press" atspi_do press "Fortryd"
check "the suite is exactly as before the tick" x11_wait_for 10 suite_back_to "$before_tick"
check "the row's tick: Press" atspi_do press "Markér som færdig: Laes side 7"
check "ticks it off in the suite" x11_wait_for 10 suite_is "$done_list" "[('Laes side 7', True)]"
xdotool key ctrl+z
check "Ctrl+Z takes it back" x11_wait_for 10 suite_back_to "$before_tick"
xdotool key ctrl+shift+z
check "Ctrl+Shift+Z ticks it off again" x11_wait_for 10 suite_is "$done_list" "[('Laes side 7', True)]"

# The panel: its "Tilføj lektie", the form's own, then the row's tick.
e2e_click_icon
check "the panel's Tilføj lektie: Press" atspi_do press "Tilføj lektie"
check "the form's title field takes the focus" atspi_do focus "Titel"
xdotool type --delay 40 "Regn opgave 3"
check "the form's Tilføj lektie: Press" atspi_do press "Tilføj lektie#2"
check "the suite holds it" x11_wait_for 10 \
    suite_is '[l["titel"] for l in s["lektier_v4"] if not l["erFaerdig"]]' "['Regn opgave 3']"

# Another program (a widget, a script) writes the file while the panel is open: it ticks
# "Regn opgave 3" off and adds "Ude fra". The panel follows; Tavlen's own tick then keeps
# the other program's changes.
suite_edit 'for l in s["lektier_v4"]:
    l["erFaerdig"] |= l["titel"] == "Regn opgave 3"
s["lektier_v4"].append(item("Ude fra", 24, s["fag_v4"][0]["id"]))'
check "the panel shows the other program's item" x11_wait_for 10 atspi_do shows "Markér som færdig: Ude fra"
check "and not the item it ticked off" x11_wait_for 10 atspi_do gone "Markér som færdig: Regn opgave 3"
before_tick="$(suite_sum)"
check "the panel row's tick: Press" atspi_do press "Markér som færdig: Ude fra"
all_done="[('Laes side 7', True), ('Regn opgave 3', True), ('Ude fra', True)]"
check "both ticks are in the suite" x11_wait_for 10 suite_is "$done_list" "$all_done"
# A stray tick in the panel is taken back by Ctrl+Z, exactly, and done again.
xdotool key ctrl+z
check "Ctrl+Z in the panel takes the tick back, exactly" x11_wait_for 10 suite_back_to "$before_tick"
xdotool key ctrl+shift+z
check "Ctrl+Shift+Z does it again" x11_wait_for 10 suite_is "$done_list" "$all_done"
xdotool key Escape

# Settings, "Nulstil app", and the dialog's own "Nulstil app".
check "Indstillinger: Press" atspi_do press "Indstillinger"
check "Nulstil app: Press" atspi_do press "Nulstil app" "push button"
check "the dialog's Nulstil app: Press" atspi_do press "Nulstil app#2" "push button"
check "the reset empties the suite" x11_wait_for 10 \
    suite_is '[k for k in ("fag_v4", "lektier_v4", "harSetupFaerdig_v4") if k in s]' "[]"
