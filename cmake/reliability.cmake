# Hardening and packaging: sanitizer builds, libFuzzer targets, the soak driver and install rules.
# Included at the end of the top-level CMakeLists.txt; the main build is unchanged by default.

option(DUNSPELT_SANITIZE "Build the game, its tests and tools with ASan and UBSan" OFF)
option(DUNSPELT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(DUNSPELT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                             -fno-sanitize-recover=undefined)

# The baker stays unsanitized: it only makes the assets and would slow every sanitizer build.
# Everything that links the game library gets the sanitizer runtime with it.
if(DUNSPELT_SANITIZE)
    target_link_options(dunspelt_game INTERFACE ${DUNSPELT_SANITIZER_FLAGS})
    foreach(target dunspelt_host dunspelt_game dunspelt dunspelt_tests dunspelt_bench)
        if(TARGET ${target})
            target_compile_options(${target} PRIVATE ${DUNSPELT_SANITIZER_FLAGS})
        endif()
    endforeach()
endif()

# The soak driver: a million ticks of random play in one game process, watching its memory.
add_executable(dunspelt-soak EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/soak/soak.cpp)
target_compile_definitions(dunspelt-soak PRIVATE DUNSPELT_APP_DIR="${APP_DIR}")
add_dependencies(dunspelt-soak dunspelt)
dunspelt_warnings(dunspelt-soak)
if(DUNSPELT_SANITIZE)
    target_compile_options(dunspelt-soak PRIVATE ${DUNSPELT_SANITIZER_FLAGS})
    target_link_options(dunspelt-soak PRIVATE ${DUNSPELT_SANITIZER_FLAGS})
endif()

if(DUNSPELT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "DUNSPELT_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
    target_compile_options(dunspelt_host PRIVATE ${FUZZ_FLAGS})
    target_compile_options(dunspelt_game PRIVATE ${FUZZ_FLAGS})
    # The script reader stands alone; the cache reader needs the game library it lives in.
    add_executable(fuzz_script ${CMAKE_SOURCE_DIR}/fuzz/script_fuzz.cpp
                               ${CMAKE_SOURCE_DIR}/src/platform/script.cpp)
    target_include_directories(fuzz_script PRIVATE ${CMAKE_SOURCE_DIR}/src)
    add_executable(fuzz_grid_cache ${CMAKE_SOURCE_DIR}/fuzz/grid_cache_fuzz.cpp)
    target_link_libraries(fuzz_grid_cache PRIVATE dunspelt_game)
    foreach(name grid_cache script)
        target_compile_options(fuzz_${name} PRIVATE ${FUZZ_FLAGS})
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        dunspelt_warnings(fuzz_${name})
    endforeach()
    # The ".DAT" seeds are generated rather than committed as binaries.
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/corpus_dat/.made
        COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/fuzz/make_dat_seeds.py
                ${CMAKE_BINARY_DIR}/corpus_dat
        COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/corpus_dat/.made
        DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/make_dat_seeds.py
        COMMENT "Writing the grid-cache fuzz seeds")
    add_custom_target(fuzz_seeds ALL DEPENDS ${CMAKE_BINARY_DIR}/corpus_dat/.made)
endif()

# Installation: the application folder (program, pictures, music, level pictures; never a
# cache) under share/dunspelt, a launcher in bin, and the desktop menu entry with its icon.
include(GNUInstallDirs)
set(DUNSPELT_INSTALL_APP ${CMAKE_INSTALL_DATADIR}/dunspelt)
install(TARGETS dunspelt RUNTIME DESTINATION ${DUNSPELT_INSTALL_APP})
install(DIRECTORY ${APP_DIR}/pics ${APP_DIR}/muz DESTINATION ${DUNSPELT_INSTALL_APP})
install(DIRECTORY ${APP_DIR}/maps DESTINATION ${DUNSPELT_INSTALL_APP}
        FILES_MATCHING PATTERN "*.MAP" PATTERN "*.MSK")
file(RELATIVE_PATH DUNSPELT_INSTALL_APP_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${DUNSPELT_INSTALL_APP})
configure_file(${CMAKE_SOURCE_DIR}/packaging/dunspelt.sh.in
               ${CMAKE_BINARY_DIR}/packaging/dunspelt @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/dunspelt DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/dunspelt.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/dunspelt.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.dunspelt.Dunspelt.metainfo.xml)

# The menu icon: the baked window icon turned into a 32x32 PNG.
add_executable(dunspelt-icon-png EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/packaging/icon_png.cpp)
target_link_libraries(dunspelt-icon-png PRIVATE SDL2::SDL2 SDL2_image::SDL2_image)
dunspelt_warnings(dunspelt-icon-png)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/packaging/dunspelt.png
    COMMAND dunspelt-icon-png ${APP_DIR}/pics/icon.ico ${CMAKE_BINARY_DIR}/packaging/dunspelt.png
    DEPENDS dunspelt-icon-png ${APP_DIR}/.baked
    COMMENT "Making the 32x32 menu icon")
add_custom_target(menu_icon ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/dunspelt.png)
install(FILES ${CMAKE_BINARY_DIR}/packaging/dunspelt.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
