# Installs the build into STAGE with prefix /usr, then checks the files a desktop needs and lets
# appstreamcli validate the tree as a whole (desktop entry, metadata and icon together).
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(
    COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE installed
    OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(expected
        usr/bin/kantrix
        usr/bin/kantrix-cli
        usr/share/applications/io.github.kantrix.Kantrix.desktop
        usr/share/metainfo/io.github.kantrix.Kantrix.metainfo.xml
        usr/share/icons/hicolor/16x16/apps/kantrix.png
        usr/share/icons/hicolor/32x32/apps/kantrix.png
        usr/share/icons/hicolor/scalable/apps/kantrix.svg
        usr/share/doc/kantrix/copyright
        usr/share/man/man1/kantrix.1.gz
        usr/share/man/man1/kantrix-cli.1.gz)
    if(NOT EXISTS "${STAGE}/${expected}")
        message(FATAL_ERROR "not installed: ${expected}")
    endif()
endforeach()

execute_process(
    COMMAND ${APPSTREAMCLI} validate-tree --no-net "${STAGE}"
    RESULT_VARIABLE valid
    OUTPUT_VARIABLE report
    ERROR_VARIABLE report)
if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree:\n${report}")
endif()
