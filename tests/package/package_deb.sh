#!/usr/bin/env bash
# Makes the Debian package from the build folder (as scripts/package.sh does after the
# build) and checks what a packager would look at first: its name and version, that the
# library dependencies were computed, the QML modules it needs, and that it carries
# every file Tavlen installs.
# Usage: package_deb.sh <build folder> <version>
set -uo pipefail
build="${1:?build folder}"
version="${2:?version}"
deb="$build/tavlen_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB) || {
    echo "FAIL: cpack"
    exit 1
}
[ -f "$deb" ] || {
    echo "FAIL: no $deb"
    exit 1
}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavlen ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
depends="$(field Depends)"
# shlibs: the Qt libraries the binary links, with versions.
for lib in libc6 libqt6core6 libqt6gui6 libqt6qml6 libqt6quick6 libqt6widgets6 libqt6dbus6; do
    grep -qE "(^|, )$lib( \(>= [^)]+\))?(,|$)" <<<"$depends" || fail "Depends lacks $lib"
done
# What the program loads by name: each QML module it imports, and the X11 platform.
for p in qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates \
    qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtqml-workerscript \
    qt6-qpa-plugins; do
    grep -qE "(^|, )$p(,|$)" <<<"$depends" || fail "Depends lacks $p"
done

contents="$(dpkg-deb -c "$deb" | awk '{ print $NF }')"
for f in ./usr/bin/tavlen ./usr/share/applications/dk.tavlen.Tavlen.desktop \
    ./usr/share/icons/hicolor/scalable/apps/dk.tavlen.Tavlen.svg \
    ./etc/xdg/autostart/dk.tavlen.Tavlen.desktop \
    ./usr/share/metainfo/dk.tavlen.Tavlen.metainfo.xml ./usr/share/man/man1/tavlen.1.gz \
    ./usr/share/doc/tavlen/copyright ./usr/share/doc/tavlen/changelog.gz; do
    grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/xdg/autostart/dk.tavlen.Tavlen.desktop ||
    fail "the autostart entry is no configuration file"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/dk.tavlen.Tavlen.metainfo.xml |
    grep -q "<release version=\"$version\"" || fail "the metainfo's release is not $version"

echo "$deb: $(stat -c %s "$deb") bytes"
[ $failures -eq 0 ] && echo "package: all checks passed" && exit 0
echo "package: $failures check(s) failed"
exit 1
