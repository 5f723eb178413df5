# Desktop integration (entry, AppStream metainfo, icons, manual pages) and the Debian package.
# Included from the top-level CMakeLists.txt after the install rules of the programs and their data.
set(DLX_APP_ID io.github.dualexicon.Dualexicon)
# Date of the release that project(VERSION) names; the metainfo lists it.
set(DLX_RELEASE_DATE 2026-12-08)

set(DLX_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
configure_file(${DLX_PACKAGING_DIR}/${DLX_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/packaging/${DLX_APP_ID}.metainfo.xml
               @ONLY)

install(FILES ${DLX_PACKAGING_DIR}/${DLX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${DLX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DLX_PACKAGING_DIR}/icons/${DLX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are rendered from the SVG by packaging/icons/render.sh and kept in the repository.
foreach(size 16 32 48 64 128 256)
    install(FILES ${DLX_PACKAGING_DIR}/icons/${size}/${DLX_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${DLX_PACKAGING_DIR}/dualexicon.1 ${DLX_PACKAGING_DIR}/dualexicon-translate.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB in the build folder: dualexicon_<version>_<arch>.deb, installing under /usr.
set(CPACK_PACKAGE_NAME dualexicon)
set(CPACK_PACKAGE_VENDOR "The Dualexicon developers")
set(CPACK_PACKAGE_CONTACT "The Dualexicon developers <dualexicon@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English to Thai word-by-word translator")
# Wrapped for the package's control file.
set(CPACK_PACKAGE_DESCRIPTION "Dualexicon turns English into Thai on your own computer, without a network.
The Thai is built word by word from a dictionary of about 17,000 entries that
the user can read and edit; a small Thai grammar puts nouns, adjectives, verbs
and question words in Thai order, and phrase rules turn literal renderings
into idiomatic Thai.

It comes with a dictionary editor and download, open, save and print of both
panes, typing drills in English and Thai, a word puzzle, and
dualexicon-translate, a command-line translator for scripts and big files.
The user interface is in Thai.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY dualexicon)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its SQLite driver (the drills' history) as a plugin, which the shared-library scan does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
# Without a Thai font the panes and menus show boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-thai-tlwg)
include(CPack)
