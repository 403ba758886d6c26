#!/usr/bin/env bash
# The package as a user gets it: installed with apt, the installed /usr/bin/tavlen started
# on a test desktop (openbox, trayer) until its icon is in the tray, quit from its panel
# with Ctrl+Q, and removed again. The machine is left as it was: the packages apt added
# for it go too, and nothing of it stays behind.
# Only as root (CI); 77 (skipped) otherwise, or when Tavlen is installed already.
# Usage: install_deb.sh <package file>
deb="$(realpath "${1:?package file}")"
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' tavlen 2>/dev/null | grep -q 'ok installed'; then
    echo "skipped: tavlen is installed on this machine already; the test would replace it"
    exit 77
fi
source "$(dirname "$0")/../e2e/x11_session.sh"
e2e_begin /usr/bin/tavlen
export DEBIAN_FRONTEND=noninteractive
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
installed >"$x11_work/before.log"
files=()
# However the test ends, the packages the install added go again.
x11_before_stop() {
    local added f left=()
    mapfile -t added < <(installed | comm -13 "$x11_work/before.log" -)
    if [ ${#added[@]} -gt 0 ]; then
        echo "removing: ${added[*]}"
        apt-get remove --purge -y -q "${added[@]}" >"$x11_work/remove.log" 2>&1 || fail "apt-get remove"
    fi
    installed >"$x11_work/after.log"
    check "the installed packages are as before" cmp -s "$x11_work/before.log" "$x11_work/after.log"
    for f in "${files[@]}"; do
        [ -d "$f" ] || [ ! -e "$f" ] || left+=("$f")
    done
    check "nothing is left behind: ${left[*]}" test ${#left[@]} -eq 0
}

apt-get install -y -q "$deb" >"$x11_work/install.log" 2>&1
echo "ok: apt installs the package"
mapfile -t files < <(dpkg-query -L tavlen)
# Not the manual page: images may keep dpkg from unpacking /usr/share/man (package_deb
# checks it is in the package).
check "the program is /usr/bin/tavlen" test -x /usr/bin/tavlen
check "the desktop entry is in the menu" test -f /usr/share/applications/dk.tavlen.Tavlen.desktop
check "the autostart entry is installed" test -f /etc/xdg/autostart/dk.tavlen.Tavlen.desktop
e2e_desktop 1280 800 tray openbox
e2e_start_tavlen
check "the installed Tavlen is in the tray" x11_wait_for 30 x11_tray_icon tavlen
e2e_click_icon
check "a click on the icon opens the panel" x11_wait_for 10 active 360
xdotool key ctrl+q
e2e_ends_with_0 "Ctrl+Q"
