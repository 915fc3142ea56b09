# package.cmake -- install rules and the Debian package, laid out the way Debian packages
# games: the binary in games/, the assets in share/games/thornvale/assets/ (the two fonts as
# links into Debian's font packages), the menu entry, its icons (all made from
# art/desktop/thornvale.svg), the AppStream metainfo and a section 6 manual page.

set(THORNVALE_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX expression of the game's licence")
set(THORNVALE_LICENSE_TEXT "All rights reserved." CACHE STRING "the licence sentence of the copyright file")
set(THORNVALE_WEB_ADDRESS "https://thornvale.example.org" CACHE STRING
    "the game's home page; the metainfo's screenshot lies under <address>/screenshots/")
set(THORNVALE_APP_ID org.thornvale.Thornvale)

set(PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${PACKAGING_DIR})

# The icon at the five sizes the menus ask for; the SVG itself is the scalable one.
set(ICON_SOURCE ${CMAKE_SOURCE_DIR}/art/desktop/thornvale.svg)
set(ICON_PNGS)
foreach(size 32 48 64 128 256)
  set(png ${PACKAGING_DIR}/icons/${size}x${size}/thornvale.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGING_DIR}/icons/${size}x${size}
    COMMAND rsvg-convert -w ${size} -h ${size} -f png -o ${png} ${ICON_SOURCE}
    DEPENDS ${ICON_SOURCE} VERBATIM)
  list(APPEND ICON_PNGS ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${ICON_SOURCE} DESTINATION share/icons/hicolor/scalable/apps)

# The manual page says where this build sends play reports, if anywhere.
if(THORNVALE_METRICS_SERVER)
  set(REPORTS_DESTINATION "this copy sends them to ${THORNVALE_METRICS_SERVER}/gamemetrics.php.")
else()
  set(REPORTS_DESTINATION "this copy was built without one and never sends a report.")
endif()
configure_file(packaging/thornvale.6 ${PACKAGING_DIR}/thornvale.6 @ONLY)

# Debian keeps manual pages and changelogs compressed, without time stamps.
foreach(source ${PACKAGING_DIR}/thornvale.6 ${CMAKE_SOURCE_DIR}/packaging/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${PACKAGING_DIR}/${name}.gz
    COMMAND gzip -9nc ${source} > ${PACKAGING_DIR}/${name}.gz
    DEPENDS ${source} VERBATIM)
endforeach()
add_custom_target(desktop_files ALL DEPENDS ${ICON_PNGS} ${PACKAGING_DIR}/thornvale.6.gz ${PACKAGING_DIR}/changelog.gz)

configure_file(packaging/${THORNVALE_APP_ID}.metainfo.xml.in ${PACKAGING_DIR}/${THORNVALE_APP_ID}.metainfo.xml @ONLY)

# The copyright file: the game's own notice (the fonts are not in the package).
file(READ packaging/copyright.head COPYRIGHT_TEXT)
string(CONFIGURE "${COPYRIGHT_TEXT}" COPYRIGHT_TEXT @ONLY)
file(WRITE ${PACKAGING_DIR}/copyright "${COPYRIGHT_TEXT}")

# The fonts are Debian's own: the manifest's font rows name the installed font file each
# asset copies in a build tree; the package ships a link to that file instead, relative as
# Debian wants links inside /usr, and depends on the font packages.
set(ASSETS_DESTINATION share/games/thornvale/assets)
set(FONT_PACKAGES fonts-sil-andika fonts-comfortaa)
file(STRINGS ${CMAKE_SOURCE_DIR}/art/manifest.tsv font_rows REGEX "^[^\t]+\tfont\t")
set(FONT_EXCLUDES)
foreach(row IN LISTS font_rows)
  string(REGEX REPLACE "^([^\t]+)\tfont\t[^\t]*\t([^\t]+)\t.*" "\\1;\\2" code_and_file "${row}")
  list(GET code_and_file 0 code)
  list(GET code_and_file 1 font_file)
  file(RELATIVE_PATH link_target /usr/${ASSETS_DESTINATION} ${font_file})
  file(MAKE_DIRECTORY ${PACKAGING_DIR}/font-links)
  file(CREATE_LINK ${link_target} ${PACKAGING_DIR}/font-links/${code}.dk5 SYMBOLIC)
  install(FILES ${PACKAGING_DIR}/font-links/${code}.dk5 DESTINATION ${ASSETS_DESTINATION})
  list(APPEND FONT_EXCLUDES PATTERN ${code}.dk5 EXCLUDE)
endforeach()

install(TARGETS thornvale RUNTIME DESTINATION games)
install(DIRECTORY ${RUN_DIR}/assets/ DESTINATION ${ASSETS_DESTINATION}
        FILES_MATCHING PATTERN "*.dk5" ${FONT_EXCLUDES})
install(FILES packaging/${THORNVALE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/${THORNVALE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PACKAGING_DIR}/thornvale.6.gz DESTINATION share/man/man6)
install(FILES ${PACKAGING_DIR}/copyright ${PACKAGING_DIR}/changelog.gz DESTINATION share/doc/thornvale)

# cpack -G DEB in the build folder makes thornvale_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME thornvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Thornvale developers <thornvale@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guide a wisp across an endless meadow, gather, craft and research")
# CPack puts the summary first and indents these lines; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small glowing wisp crosses an endless row of meadow areas grown from a
numeric seed. It cuts wood, mines ore, catches fish, lights fires, cooks and
smiths better tools, and researches all 21 kinds of item to complete its
mission. The fastest finishing times go into a table of high scores.

Played with mouse and keyboard, on a touch screen or with a gamepad, in a
window of any size or full screen.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${THORNVALE_WEB_ADDRESS})
# dpkg-shlibdeps appends the libraries' packages (libcurl4, SFML and SDL2 for game controllers among them) to the fonts'.
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${FONT_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Play reports to an HTTPS server check it against the system's certificates.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ca-certificates)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
