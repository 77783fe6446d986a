# The desktop integration the install tree carries, and the Debian package made from that tree.
set(VELLORAN_APP_ID org.velloran.Velloran)
set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)

install(FILES ${desktop}/${VELLORAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${desktop}/${VELLORAN_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/desktop/${VELLORAN_APP_ID}.metainfo.xml
    @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${VELLORAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${desktop}/velloran.1.in ${CMAKE_BINARY_DIR}/desktop/velloran.1 @ONLY)

# Debian keeps manual pages and the changelog compressed, without a time stamp so that builds repeat exactly.
find_program(GZIP gzip REQUIRED)
set(compressed ${CMAKE_BINARY_DIR}/desktop/velloran.1.gz ${CMAKE_BINARY_DIR}/desktop/changelog.gz)
add_custom_command(OUTPUT ${compressed}
    COMMAND ${GZIP} -9nc ${CMAKE_BINARY_DIR}/desktop/velloran.1 > ${CMAKE_BINARY_DIR}/desktop/velloran.1.gz
    COMMAND ${GZIP} -9nc ${desktop}/changelog > ${CMAKE_BINARY_DIR}/desktop/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/desktop/velloran.1 ${desktop}/changelog
    COMMENT "Compressing the manual page and the changelog")
add_custom_target(velloran_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/desktop/velloran.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon files are drawn at build time by the program's own painter code.
set(icons ${CMAKE_BINARY_DIR}/desktop/icons)
set(icon_files ${icons}/scalable/apps/${VELLORAN_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND icon_files ${icons}/${size}x${size}/apps/${VELLORAN_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:velloran_makeicons> ${icons} ${VELLORAN_APP_ID}
    DEPENDS velloran_makeicons
    COMMENT "Drawing the desktop icons")
add_custom_target(velloran_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The user's manual, with pictures of the windows it describes (the README's), beside the program in the build
# folder as where it is installed, so that F1 finds it in both.
set(manual_pictures launcher about dowsing-wizard dowsing-grid record-sheet find-records tools-menu-dowsing
    calendar-browser month-view wheel-of-the-year diary-chooser keyword-book diary-find print-preview)
set(manual_picture_files)
foreach(picture ${manual_pictures})
    list(APPEND manual_picture_files ${CMAKE_SOURCE_DIR}/docs/${picture}.png)
endforeach()
file(GLOB manual_pages LIST_DIRECTORIES false CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/manual/*.html)
# Each translation of the manual in a folder named after its language, as the program looks for it.
set(manual_languages de es fr)
set(manual_built ${VELLORAN_BIN_DIR}/${VELLORAN_MANUAL_FROM_BIN})
set(manual_copies)
set(manual_translated_pages)
foreach(language ${manual_languages})
    file(GLOB pages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/manual/${language}/*.html)
    if(NOT pages)
        continue()
    endif()
    list(APPEND manual_translated_pages ${pages})
    list(APPEND manual_copies COMMAND ${CMAKE_COMMAND} -E make_directory ${manual_built}/${language}
                              COMMAND ${CMAKE_COMMAND} -E copy ${pages} ${manual_built}/${language})
    install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_DATADIR}/velloran/manual/${language})
endforeach()
add_custom_command(OUTPUT ${manual_built}/index.html
    COMMAND ${CMAKE_COMMAND} -E make_directory ${manual_built}/pictures
    COMMAND ${CMAKE_COMMAND} -E copy ${manual_pages} ${manual_built}
    COMMAND ${CMAKE_COMMAND} -E copy ${manual_picture_files} ${manual_built}/pictures
    ${manual_copies}
    DEPENDS ${manual_pages} ${manual_translated_pages} ${manual_picture_files}
    COMMENT "Putting the manual beside the program")
add_custom_target(velloran_manual ALL DEPENDS ${manual_built}/index.html)
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_DATADIR}/velloran/manual)
install(FILES ${manual_picture_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/velloran/manual/pictures)

# Named after the package, as Debian looks for it.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${desktop}/copyright ${CMAKE_BINARY_DIR}/desktop/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/velloran)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velloran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velloran developers")
set(CPACK_PACKAGE_CONTACT "The Velloran developers <velloran@velloran.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dowsing records, a pagan festival calendar and a pagan diary")
# Lines of at most 80 characters, as Debian's description field wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velloran is a desktop program for followers of pagan and mystic crafts.\n"
    "One launcher window opens a dowsing record keeper, a festival calendar with\n"
    "pagan lore and the wheel of the year, and a pagan diary (a book of shadows).\n"
    "Each user's records and diary entries are kept in the user's own data folder,\n"
    "~/.local/share/velloran.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELLORAN_SITE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)
# Loaded as plug-ins, so the library scan cannot see them: the SQLite and PostgreSQL drivers, and the display plug-ins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins")
# Qt's own translations put its dialogs in the user's language; without them they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
