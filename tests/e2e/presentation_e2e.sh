#!/usr/bin/env bash
# End to end: Escape in a pop-over and in a sheet that hold a form with its own
# "Annuller", on a real X server with a window manager (openbox), pressed by xdotool as
# a pupil would. Qt's test tools cannot send keys to a pop-over's own window headless.
# Usage: presentation_e2e.sh <Qt Quick Test runner with the toolkit>
set -euo pipefail
runner="$(realpath "${1:?test runner}")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
x11_work="$(mktemp -d /tmp/tavlen-e2e.XXXXXX)"
source "$here/x11_session.sh"
x11_cleanup_on_exit
x11_session_start 1024 768 notray
openbox >"$x11_work/openbox.log" 2>&1 &
x11_pids+=($!)
sleep 1

# Each time the test says it waits, press Escape in whatever window has the focus.
QT_QPA_PLATFORM=xcb "$runner" -input "$here/qml/tst_escape_real.qml" 2>&1 |
    while IFS= read -r line; do
        echo "$line"
        if [[ "$line" == *"PRESS ESCAPE"* ]]; then
            sleep 0.5
            xdotool key Escape
        fi
    done
exit "${PIPESTATUS[0]}"
