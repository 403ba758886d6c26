# The Debian package (scripts/package.sh): CPack's DEB generator over the install rules.
# Library dependencies come from the binary (dpkg-shlibdeps); what it loads by name at
# run time is listed here.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlen)
set(CPACK_PACKAGE_VENDOR "The Tavlen authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "homework planner in the system tray")
set(CPACK_PACKAGE_DESCRIPTION
"Tavlen is a homework planner for school pupils, with a Danish user interface.
It lives in the system tray: a click on the book icon drops down a panel with
overdue and upcoming homework, and a main window holds an overview and one
page per subject. Reminders arrive as desktop notifications. All data stays
on the pupil's machine.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
# The autostart entry has an absolute destination (/etc/xdg/autostart), which CPack
# takes only through DESTDIR; the prefix is then CPACK_INSTALL_PREFIX.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavlen maintainers <maintainers@tavlen.dk>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The QML modules the screens import (QtQuick, QtQuick.Controls.Basic with the templates
# it builds on, QtQuick.Layouts, QtQuick.Window; QtQml brings WorkerScript) and the X11
# platform plugin: loaded by name, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, \
qml6-module-qtquick-layouts, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, \
qt6-qpa-plugins")
# Reminders need a session bus and a notification server; the rounded font is Quicksand
# when installed. The symbol font is built into the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "default-dbus-session-bus | dbus-session-bus, notification-daemon, fonts-quicksand")
# GNOME shows tray icons only with this extension.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")

# Debian's own files: the changelog (version and date from project() and
# TAVLEN_RELEASE_DATE), the copyright, and the autostart entry as a configuration file.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C
                        date -u -R -d "${TAVLEN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TAVLEN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(tavlen_debian ${PROJECT_BINARY_DIR}/debian)
configure_file(data/debian/changelog.in ${tavlen_debian}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${tavlen_debian}/changelog
                OUTPUT_FILE ${tavlen_debian}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${tavlen_debian}/changelog.gz data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavlen)
if(TAVLEN_AUTOSTART_DIR MATCHES "^/etc/")
    configure_file(data/debian/conffiles.in ${tavlen_debian}/conffiles @ONLY)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${tavlen_debian}/conffiles)
endif()

# Installing or packaging takes what is built; scripts/package.sh builds the program
# first rather than every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
