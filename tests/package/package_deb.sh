#!/usr/bin/env bash
# Makes the Debian package from the build folder (as scripts/package.sh does after the
# build) and checks what a packager would look at first: its name and version, that the
# library dependencies were computed, the QML modules it needs, and that it carries
# every file Tavlen installs.
# Usage: package_deb.sh <build folder> <version>
source "$(dirname "$0")/../e2e/x11_session.sh"
e2e_begin
build="$1" version="$2"
deb="$build/tavlen_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB) >"$x11_work/cpack.log" 2>&1
check "cpack makes $deb" test -f "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
check "Package: tavlen" test "$(field Package)" = tavlen
check "Version: $version" test "$(field Version)" = "$version"
depends="$(field Depends)"
# shlibs: the Qt libraries the binary links, with versions.
for lib in libc6 libqt6core6 libqt6gui6 libqt6qml6 libqt6quick6 libqt6widgets6 libqt6dbus6; do
    check "Depends on $lib" grep -qE "(^|, )$lib( \(>= [^)]+\))?(,|$)" <<<"$depends"
done
# What the program loads by name: each QML module it imports, and the X11 platform.
for p in qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates \
    qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtqml-workerscript \
    qt6-qpa-plugins; do
    check "Depends on $p" grep -qE "(^|, )$p(,|$)" <<<"$depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{ print $NF }')"
for f in ./usr/bin/tavlen ./usr/share/applications/dk.tavlen.Tavlen.desktop \
    ./usr/share/icons/hicolor/scalable/apps/dk.tavlen.Tavlen.svg \
    ./etc/xdg/autostart/dk.tavlen.Tavlen.desktop \
    ./usr/share/metainfo/dk.tavlen.Tavlen.metainfo.xml ./usr/share/man/man1/tavlen.1.gz \
    ./usr/share/doc/tavlen/copyright ./usr/share/doc/tavlen/changelog.gz; do
    check "the package holds $f" grep -qxF "$f" <<<"$contents"
done
check "the autostart entry is a configuration file" grep -qx /etc/xdg/autostart/dk.tavlen.Tavlen.desktop \
    <(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles)
check "the metainfo's release is $version" grep -q "<release version=\"$version\"" \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/dk.tavlen.Tavlen.metainfo.xml)
echo "$deb: $(stat -c %s "$deb") bytes"
