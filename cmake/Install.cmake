# Installs Kantrix like a desktop program: the executable, its menu entry, its icon in the
# hicolor theme, the MIME type of its profile files and its AppStream metadata;
# CPack turns the same layout into a Debian package.

include(GNUInstallDirs)

set(KANTRIX_APP_ID "io.github.kantrix.Kantrix")

install(TARGETS kantrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kantrix_sheet_output kantrix_profile_window LIBRARY DESTINATION ${KANTRIX_MODULE_DIR})
install(FILES assets/${KANTRIX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/${KANTRIX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/kantrix-16.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME kantrix.png)
install(FILES assets/kantrix-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME kantrix.png)
install(FILES assets/kantrix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The .kprofil and .kkasten files: their MIME types for shared-mime-info, with the program's mark
# as their icon. The Debian triggers of shared-mime-info and desktop-file-utils fold both into
# their caches.
install(FILES assets/${KANTRIX_APP_ID}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${KANTRIX_APP_ID}.xml)
install(FILES assets/kantrix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
    RENAME application-x-kantrix-profil.svg)
install(FILES assets/kantrix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
    RENAME application-x-kantrix-kasten.svg)

# What Debian asks of every package: licence, change log and manual page, the last two gzipped.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
foreach(document changelog kantrix.1 kantrix-cli.1)
    file(ARCHIVE_CREATE
        OUTPUT ${CMAKE_BINARY_DIR}/packaging/${document}.gz
        PATHS ${PROJECT_SOURCE_DIR}/packaging/${document}
        FORMAT raw
        COMPRESSION GZip
        COMPRESSION_LEVEL 9)
endforeach()
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kantrix)
install(FILES ${CMAKE_BINARY_DIR}/packaging/kantrix.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The command line goes beside the window, in the same package.
if(TARGET kantrix-cli)
    install(TARGETS kantrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/packaging/kantrix-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME "kantrix")
set(CPACK_PACKAGE_VENDOR "Kantrix-Projekt")
set(CPACK_PACKAGE_CONTACT "Kantrix-Entwickler <kontakt@kantrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Abwicklung einer Blechbiegung nach DIN 6935")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The narrow face the window is laid out for, without which the captions would not fit, and the
# face the lettering of the sketch and the logo is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# German file and print dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION
    "Kantrix berechnet aus Biegeradius, Blechdicke, Öffnungswinkel und den beiden\n\
Schenkellängen einer einfachen Biegung den Korrekturwert, die Verkürzung,\n\
die Biegezone, die gestreckte Länge und die Lage der Biegelinie auf dem\n\
Zuschnitt. Dieselbe Rechnung gibt kantrix-cli auf der Kommandozeile aus,\n\
auch für CSV-Stapel und als Tabelle der Verkürzung zum Ausdrucken.")
set(CPACK_STRIP_FILES ON)
include(CPack)
