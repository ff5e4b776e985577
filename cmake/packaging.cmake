# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package. Both use one layout, Debian's for games: the program in
# games/, its data (pictures, level maps, music; never a cache) in share/games/dunspelt/, and
# the menu entry, metainfo, icons, manual page, copyright and changelog where a desktop and a
# packager look for them. `cmake --install build --prefix /usr/local` and `make deb` (CPack,
# prefix /usr) lay out the same files.

# The release: its date goes into the metainfo, the manual page and the changelog.
set(DUNSPELT_RELEASE_DATE 2026-12-09)
set(DUNSPELT_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 12:00:00 +0000")
set(DUNSPELT_APP_ID org.dunspelt.Dunspelt)

set(DUNSPELT_INSTALL_BINDIR games CACHE STRING "Where the program is installed (under the prefix)")
set(DUNSPELT_INSTALL_DATADIR share/games/dunspelt
    CACHE STRING "Where its pictures, maps and music are installed (under the prefix)")
include(GNUInstallDirs)

# An installed program finds its data folder from its own place (relocatable prefix).
file(RELATIVE_PATH DUNSPELT_DATA_FROM_BIN /prefix/${DUNSPELT_INSTALL_BINDIR}
     /prefix/${DUNSPELT_INSTALL_DATADIR})
target_compile_definitions(dunspelt PRIVATE DUNSPELT_DATA_FROM_BIN="${DUNSPELT_DATA_FROM_BIN}")

# Debian's hardening for the installed program: fortified libc calls, read-only relocations
# bound at start.
foreach(target dunspelt_game dunspelt_host)
    target_compile_definitions(${target} PRIVATE $<$<CONFIG:Release>:_FORTIFY_SOURCE=2>)
endforeach()
target_compile_definitions(dunspelt PRIVATE $<$<CONFIG:Release>:_FORTIFY_SOURCE=2>)
target_link_options(dunspelt PRIVATE LINKER:-z,relro,-z,now)

install(TARGETS dunspelt RUNTIME DESTINATION ${DUNSPELT_INSTALL_BINDIR})
install(DIRECTORY ${APP_DIR}/pics ${APP_DIR}/muz DESTINATION ${DUNSPELT_INSTALL_DATADIR})
install(DIRECTORY ${APP_DIR}/maps DESTINATION ${DUNSPELT_INSTALL_DATADIR}
        FILES_MATCHING PATTERN "*.MAP" PATTERN "*.MSK")

# Files made from templates: the metainfo (release version and date), the manual page and the
# changelog, the last two compressed as Debian wants them (gzip -9n: no name, no timestamp).
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${DUNSPELT_APP_ID}.metainfo.xml.in
               ${PACKAGING_OUT}/${DUNSPELT_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/dunspelt.6.in ${PACKAGING_OUT}/dunspelt.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${PACKAGING_OUT}/changelog @ONLY)
foreach(doc dunspelt.6 changelog)
    add_custom_command(
        OUTPUT ${PACKAGING_OUT}/${doc}.gz
        COMMAND gzip -9nkf ${PACKAGING_OUT}/${doc}
        DEPENDS ${PACKAGING_OUT}/${doc}
        COMMENT "Compressing ${doc}")
endforeach()

# The menu icons: the baked 32x32 window icon scaled by whole pixels (nearest neighbour).
set(DUNSPELT_ICON_SIZES 16 32 48 64 128 256)
add_executable(dunspelt-menu-icons EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/packaging/menu_icons.cpp)
target_link_libraries(dunspelt-menu-icons PRIVATE SDL2::SDL2 SDL2_image::SDL2_image)
dunspelt_warnings(dunspelt-menu-icons)
add_custom_command(
    OUTPUT ${PACKAGING_OUT}/icons/.made
    COMMAND dunspelt-menu-icons ${APP_DIR}/pics/icon.ico ${PACKAGING_OUT}/icons
            ${DUNSPELT_APP_ID} ${DUNSPELT_ICON_SIZES}
    COMMAND ${CMAKE_COMMAND} -E touch ${PACKAGING_OUT}/icons/.made
    DEPENDS dunspelt-menu-icons ${APP_DIR}/.baked
    COMMENT "Making the menu icons")
add_custom_target(packaging_files ALL
    DEPENDS ${PACKAGING_OUT}/icons/.made ${PACKAGING_OUT}/dunspelt.6.gz
            ${PACKAGING_OUT}/changelog.gz)
add_dependencies(packaging_files bake_assets)

install(DIRECTORY ${PACKAGING_OUT}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${DUNSPELT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_OUT}/${DUNSPELT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING_OUT}/dunspelt.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dunspelt)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dunspelt)

# The Debian package (`make deb`, or cpack -G DEB in the build folder).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dunspelt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR "The DUNSPELT developers")
set(CPACK_PACKAGE_CONTACT "The DUNSPELT developers <developers@dunspelt.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-level side-scrolling platform shooter")
# CPack puts the summary first; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Steer a soldier through a swamp and a cave system much larger than the
window: the arrow keys walk, Space jumps and Ctrl fires. Each level has
three enemies that turn towards you and shoot back. Pixel art and music
made for the game.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-allerta")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# The package's tests: ctest builds the package into test-package/ first (a fixture), so they
# always look at a package of the current build. Its files are those of `make deb`; only its
# compression is the quicker gzip (xz takes most of the time on 40 MB of maps and music).
if(DUNSPELT_TESTS)
    add_test(NAME deb_package_build
             COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
                     -B ${DUNSPELT_TEST_PACKAGE_DIR} -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip)
    # Started first (a high cost): the package's tests wait for it.
    set_tests_properties(deb_package_build PROPERTIES FIXTURES_SETUP deb_package COST 1000)
    gtest_discover_tests(dunspelt_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "DebPackage.*"
                         PROPERTIES FIXTURES_REQUIRED deb_package)
endif()
