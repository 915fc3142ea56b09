# package.cmake -- install rules and the Debian package, laid out the way Debian packages
# games: the binary in games/, the assets in share/games/thornvale/assets/, the menu entry,
# its icons (all made from art/desktop/thornvale.svg), the AppStream metainfo and a
# section 6 manual page.

set(THORNVALE_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX expression of the game's licence")
set(THORNVALE_LICENSE_TEXT "All rights reserved." CACHE STRING "the licence sentence of the copyright file")
set(THORNVALE_WEB_ADDRESS "https://thornvale.example.org" CACHE STRING
    "the game's home page; the metainfo's screenshot lies under <address>/screenshots/")
set(THORNVALE_APP_ID org.thornvale.Thornvale)

set(PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${PACKAGING_DIR})

# The icon at the four sizes the menus ask for; the SVG itself is the scalable one.
set(ICON_SOURCE ${CMAKE_SOURCE_DIR}/art/desktop/thornvale.svg)
set(ICON_PNGS)
foreach(size 32 64 128 256)
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

# The copyright file: the game's own notice, then the copyright files of the two font
# packages whose fonts the assets copy.
file(READ packaging/copyright.head COPYRIGHT_TEXT)
string(CONFIGURE "${COPYRIGHT_TEXT}" COPYRIGHT_TEXT @ONLY)
foreach(font_package fonts-sil-andika fonts-comfortaa)
  set(font_copyright /usr/share/doc/${font_package}/copyright)
  if(EXISTS ${font_copyright})
    file(READ ${font_copyright} font_text)
    string(APPEND COPYRIGHT_TEXT "----- ${font_package} -----\n\n${font_text}\n")
  endif()
endforeach()
file(WRITE ${PACKAGING_DIR}/copyright "${COPYRIGHT_TEXT}")

install(TARGETS thornvale RUNTIME DESTINATION games)
install(DIRECTORY ${RUN_DIR}/assets/ DESTINATION share/games/thornvale/assets
        FILES_MATCHING PATTERN "*.dk5")
install(FILES packaging/${THORNVALE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/${THORNVALE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PACKAGING_DIR}/thornvale.6.gz DESTINATION share/man/man6)
install(FILES ${PACKAGING_DIR}/copyright ${PACKAGING_DIR}/changelog.gz DESTINATION share/doc/thornvale)
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME thornvale)

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

Played with mouse and keyboard or on a touch screen, in a window of any size
or full screen.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${THORNVALE_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # libcurl4 and SFML among them
# Play reports to an HTTPS server check it against the system's certificates.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ca-certificates)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
