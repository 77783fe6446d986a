# The install tree a package is made from: every file where the desktop and Debian look for it, the two
# desktop files accepted by their validators, and no database beside the program, where a user could not
# write it. Run with -DBUILD_DIR=<build tree> -DPREFIX=<scratch install folder> -DAPP_ID=<application id>.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed")
endif()
foreach(path bin/velloran share/velloran/Dowsing.dll share/velloran/diary.dll
        share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
        share/icons/hicolor/scalable/apps/${APP_ID}.svg share/icons/hicolor/48x48/apps/${APP_ID}.png
        share/icons/hicolor/128x128/apps/${APP_ID}.png share/man/man1/velloran.1.gz
        share/doc/velloran/LICENSE share/doc/velloran/copyright share/doc/velloran/changelog.gz
        share/velloran/translations/velloran_de.qm share/velloran/translations/velloran_fr.qm
        share/velloran/translations/velloran_es.qm)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "${path} was not installed")
    endif()
endforeach()
foreach(name Dowsing.dll diary.dll)
    if(EXISTS "${PREFIX}/bin/${name}")
        message(FATAL_ERROR "${name} was installed beside the program")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
foreach(check "${DESKTOP_FILE_VALIDATE};${PREFIX}/share/applications/${APP_ID}.desktop"
        "${APPSTREAMCLI};validate;--no-net;${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${check}:\n${out}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
