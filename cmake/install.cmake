# Install rules and desktop integration (executable, desktop entry, hicolor icons painted at build
# time, AppStream metainfo, man page, copyright and changelog) and the Debian package built by CPack.
include(GNUInstallDirs)


set(VELMOR08_HOMEPAGE "https://velmor08.example.org" CACHE STRING
    "Web address of the project, named in the metainfo and the package")
set(VELMOR08_SCREENSHOT_URL "${VELMOR08_HOMEPAGE}/docs/screenshot.png" CACHE STRING
    "Web address of docs/screenshot.png of the repository, named in the metainfo")
set(VELMOR08_CONTACT "The velmor08 team <velmor08@example.org>" CACHE STRING
    "Maintainer of the Debian package")
set(VELMOR08_RELEASE_DATE "2026-12-10")
set(VELMOR08_EXECUTABLE velmor08)
set(VELMOR08_WM_CLASS velmor08)
set(VELMOR08_ICON_SIZES 16 32 48 64 128 256)

set(VELMOR08_DATA_OUT ${CMAKE_BINARY_DIR}/data)
set(VELMOR08_ICON_OUT ${VELMOR08_DATA_OUT}/icons/hicolor)

# The icon at every size, painted by the code that paints the window icon.
add_executable(velmor08_make_icons ${CMAKE_SOURCE_DIR}/tools/make_icons.cpp)
target_link_libraries(velmor08_make_icons PRIVATE velmor08_catalogue)
target_link_libraries(velmor08_make_icons PRIVATE velmor08_warnings)

set(VELMOR08_ICON_FILES)
foreach(size ${VELMOR08_ICON_SIZES})
  list(APPEND VELMOR08_ICON_FILES ${VELMOR08_ICON_OUT}/${size}x${size}/apps/${VELMOR08_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${VELMOR08_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:velmor08_make_icons> ${VELMOR08_ICON_OUT} ${VELMOR08_APP_ID} ${VELMOR08_ICON_SIZES}
  DEPENDS velmor08_make_icons
  COMMENT "Painting the application icon at ${VELMOR08_ICON_SIZES} pixels"
  VERBATIM)

# Desktop entry, metainfo and man page, filled in from the values above.
configure_file(${CMAKE_SOURCE_DIR}/data/velmor08.desktop.in
               ${VELMOR08_DATA_OUT}/${VELMOR08_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/velmor08.metainfo.xml.in
               ${VELMOR08_DATA_OUT}/${VELMOR08_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/velmor08.6.in ${VELMOR08_DATA_OUT}/velmor08.6 @ONLY)
add_custom_command(
  OUTPUT ${VELMOR08_DATA_OUT}/velmor08.6.gz
  COMMAND gzip -9nf -k ${VELMOR08_DATA_OUT}/velmor08.6
  DEPENDS ${VELMOR08_DATA_OUT}/velmor08.6
  VERBATIM)

# The changelog, in Debian's format, its newest entry the project's version.
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog ${VELMOR08_DATA_OUT}/changelog COPYONLY)
file(STRINGS ${VELMOR08_DATA_OUT}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^velmor08 \\(([^)]+)\\) ")
  message(FATAL_ERROR "data/debian/changelog: the first line is not a Debian changelog entry: ${changelog_head}")
elseif(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "data/debian/changelog: the newest entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
add_custom_command(
  OUTPUT ${VELMOR08_DATA_OUT}/changelog.gz
  COMMAND gzip -9nf -k ${VELMOR08_DATA_OUT}/changelog
  DEPENDS ${VELMOR08_DATA_OUT}/changelog
  VERBATIM)

add_custom_target(velmor08_desktop_files ALL
                  DEPENDS ${VELMOR08_ICON_FILES} ${VELMOR08_DATA_OUT}/velmor08.6.gz ${VELMOR08_DATA_OUT}/changelog.gz)

install(TARGETS velmor08 RUNTIME DESTINATION ${VELMOR08_INSTALL_GAMESDIR})
# A stripped install (the package's) also drops the compiler's version note, as Debian's packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VELMOR08_INSTALL_GAMESDIR}/velmor08\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
")
install(FILES ${VELMOR08_DATA_OUT}/${VELMOR08_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMOR08_DATA_OUT}/${VELMOR08_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VELMOR08_ICON_OUT}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${VELMOR08_DATA_OUT}/velmor08.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VELMOR08_QM_FILES} DESTINATION ${VELMOR08_TRANSLATIONS_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${VELMOR08_DATA_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A direct install into the configured prefix (make install, as root) also sets up the shared score
# folder as the package does; installs into another prefix or a staging folder leave it alone.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\"
     AND NOT IS_DIRECTORY \"${VELMOR08_SCORE_DIR}\")
    file(MAKE_DIRECTORY \"${VELMOR08_SCORE_DIR}\")
    if(IS_DIRECTORY \"${VELMOR08_SCORE_DIR}\")
      file(CHMOD \"${VELMOR08_SCORE_DIR}\" DIRECTORY_PERMISSIONS
           OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE
           WORLD_READ WORLD_WRITE WORLD_EXECUTE)
      message(STATUS \"Shared score folder: ${VELMOR08_SCORE_DIR}\")
    endif()
  endif()
")

# The Debian package.
configure_file(${CMAKE_SOURCE_DIR}/data/debian/postinst.in ${VELMOR08_DATA_OUT}/debian/postinst @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/postrm.in ${VELMOR08_DATA_OUT}/debian/postrm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor08)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMOR08_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELMOR08_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the chemical elements by placing them on the periodic table")
# The extended description, wrapped for an 80-column terminal as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION "The 109 elements from hydrogen to meitnerium as coloured tiles on the
periodic table. In a game the chart is cleared and the player drags each
offered element to its cell against the clock. The best times are kept in
tables shared by all players of the computer. Pointing at a cell shows the
element's name, atomic number, atomic mass, melting point and boiling point.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries with their versions: libqt6widgets6, and libqt6gui6, which on
# Debian 12 also carries the xcb platform plugin. Named here is what no library link shows: a font
# that stands in for the layout's sans-serif face.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
# On a Wayland desktop Qt draws natively only with its Wayland platform plugin, without it through
# XWayland: recommended, so that apt brings it by default and a minimal install can leave it out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VELMOR08_DATA_OUT}/debian/postinst ${VELMOR08_DATA_OUT}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
