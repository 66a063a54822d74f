# Install rules and the Debian package. Everything is found relative to the executable
# (../share/der-ed), so the tree works from any prefix.
include(GNUInstallDirs)

set(DERED_APP_ID org.dered.DerEd)
set(DERED_DATA_DIR ${CMAKE_INSTALL_DATADIR}/der-ed)

install(TARGETS der-ed-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(DERED_WITH_QT)
    install(TARGETS der-ed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES data/map-area.dat data/map-hex.dat data/der-ed.ini DESTINATION ${DERED_DATA_DIR})
install(DIRECTORY data/demo DESTINATION ${DERED_DATA_DIR})

install(FILES dist/${DERED_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${DERED_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/${DERED_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME ${DERED_APP_ID}.xml)
install(FILES dist/icons/${DERED_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES dist/icons/${size}/${DERED_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the Debian documentation files, compressed as Debian wants them.
set(DERED_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/der-ed)
find_program(DERED_GZIP gzip REQUIRED)
set(dered_gz_dir ${CMAKE_BINARY_DIR}/dist-gz)
foreach(page der-ed.1 der-ed-batch.1 changelog)
    set(source ${CMAKE_SOURCE_DIR}/dist/${page})
    if(page STREQUAL "changelog")
        set(source ${CMAKE_SOURCE_DIR}/dist/changelog.Debian)
    endif()
    add_custom_command(OUTPUT ${dered_gz_dir}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dered_gz_dir}
        COMMAND ${DERED_GZIP} -9 -n -c ${source} > ${dered_gz_dir}/${page}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND dered_gz_files ${dered_gz_dir}/${page}.gz)
endforeach()
add_custom_target(dered_dist_gz ALL DEPENDS ${dered_gz_files})
install(FILES ${dered_gz_dir}/der-ed.1.gz ${dered_gz_dir}/der-ed-batch.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dered_gz_dir}/changelog.gz DESTINATION ${DERED_DOC_DIR}
    RENAME changelog.Debian.gz)
install(FILES dist/copyright DESTINATION ${DERED_DOC_DIR})
install(FILES dist/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME der-ed)

set(CPACK_PACKAGE_NAME der-ed)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Der-ED maintainers <maintainers@users.noreply.c-seed-2278fa9e.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop aid for a file-exchange strategy game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Der-ED helps one player of a turn-based strategy game played by exchanging\n"
    "files with a game master: it opens the turn's report, shows every area in a\n"
    "grid and on a hex map, checks the orders against the rules as they are\n"
    "entered and writes the orders file. der-ed-batch runs the same program from\n"
    "a script.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section wants its programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://dered.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
