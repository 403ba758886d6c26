#!/usr/bin/env bash
# The package as a user gets it: installed with apt, the installed /usr/bin/tavlen started
# on a test desktop (Xvfb, trayer, openbox, a private bus) until its icon is in the tray,
# quit from its panel with Ctrl+Q, and removed again. The machine is left as it was: the
# packages apt added for it go too, and nothing of it stays behind.
# Only as root (CI); 77 (skipped) otherwise, or when Tavlen is installed already.
# Usage: install_deb.sh <package file>
set -uo pipefail
deb="$(realpath "${1:?package file}")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ "$(id -u)" -eq 0 ] || {
    echo "skipped: installing a package needs root"
    exit 77
}
if dpkg-query -W -f='${Status}' tavlen 2>/dev/null | grep -q 'ok installed'; then
    echo "skipped: tavlen is installed on this machine already; the test would replace it"
    exit 77
fi
export DEBIAN_FRONTEND=noninteractive
started=$SECONDS

installed() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
x11_work="$(mktemp -d /tmp/tavlen-install.XXXXXX)"
installed >"$x11_work/before"
files=()
source "$here/../e2e/x11_session.sh"
# However the test ends: Tavlen and the desktop stop, then the packages the install added
# go; a failure to restore the machine fails the test.
finish() {
    local rc=$? f left=()
    set +e
    e2e_stop_tavlen "$rc"
    x11_session_stop
    installed >"$x11_work/after"
    mapfile -t added < <(comm -13 "$x11_work/before" "$x11_work/after")
    if [ ${#added[@]} -gt 0 ]; then
        echo "removing: ${added[*]}"
        apt-get remove --purge -y -q "${added[@]}" </dev/null >"$x11_work/remove.log" 2>&1 ||
            { cat "$x11_work/remove.log"; fail "apt-get remove"; }
    fi
    installed >"$x11_work/end"
    cmp -s "$x11_work/before" "$x11_work/end" || fail "the installed packages differ from \
before: $(diff "$x11_work/before" "$x11_work/end" | grep '^[<>]' | tr '\n' ' ')"
    for f in "${files[@]}"; do
        [ -d "$f" ] || { [ -e "$f" ] && left+=("$f"); }
    done
    [ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
    rm -rf "$x11_work"
    echo "install test: $((SECONDS - started)) s"
    [ $failures -eq 0 ] && [ $rc -eq 0 ] && echo "install: all checks passed" && exit 0
    echo "install: $failures check(s) failed"
    exit 1
}
trap finish EXIT
trap 'exit 1' INT TERM

if ! apt-get install -y -q "$deb" </dev/null >"$x11_work/install.log" 2>&1; then
    cat "$x11_work/install.log"
    fail "apt-get install $deb"
    exit 1
fi
pass "apt installs the package ($((SECONDS - started)) s)"
mapfile -t files < <(dpkg-query -L tavlen)
# Not the manual page: images may keep dpkg from unpacking /usr/share/man (package_deb
# checks it is in the package).
check "the program is /usr/bin/tavlen" test -x /usr/bin/tavlen
check "the desktop entry is in the menu" test -f /usr/share/applications/dk.tavlen.Tavlen.desktop
check "the autostart entry is installed" test -f /etc/xdg/autostart/dk.tavlen.Tavlen.desktop

tavlen=/usr/bin/tavlen
e2e_home
x11_session_start 1280 800 tray
openbox >"$x11_work/openbox.log" 2>&1 &
x11_pids+=($!)
e2e_start_tavlen
shown=$SECONDS
if x11_wait_for 30 x11_tray_icon tavlen >/dev/null; then
    pass "the installed Tavlen is in the tray ($((SECONDS - shown)) s)"
    # Under openbox the windows are framed: searched by class, not among the root's children.
    panel_shown() { xdotool search --onlyvisible --classname tavlen >/dev/null 2>&1; }
    sleep 0.5
    xdotool mousemove --window "$(x11_tray_icon tavlen)" 5 5 click 1
    check "a click on the icon opens the panel" x11_wait_for 10 panel_shown
    xdotool key ctrl+q
    if timeout 10 tail --pid="$tavlen_pid" -f /dev/null; then
        wait "$tavlen_pid" && pass "Ctrl+Q quits it with exit code 0" || fail "exit code $?"
        tavlen_pid=""
    else
        fail "Ctrl+Q did not quit it"
    fi
else
    fail "no tray icon of the installed Tavlen"
fi
[ $failures -eq 0 ]
