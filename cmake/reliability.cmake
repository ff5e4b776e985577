# Hardening: sanitizer builds, libFuzzer targets and the soak driver.
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
                               ${CMAKE_SOURCE_DIR}/src/platform/run/script.cpp)
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
