# The game for the browser (`make web`): the same game code with the web host (src/platform/web/)
# instead of the desktop one, compiled by emscripten and linked against the libraries that
# scripts/web-deps.sh builds. The native build supplies the level table and the data folder.
set(DUNSPELT_WEB_DEPS "" CACHE PATH "The web libraries' prefix (scripts/web-deps.sh --link)")
set(DUNSPELT_NATIVE_BUILD "" CACHE PATH "The native build folder (its level table and web-data/)")
set(DUNSPELT_WEB_OUT "${CMAKE_BINARY_DIR}/web" CACHE PATH "Where the page is written")
foreach(required DUNSPELT_WEB_DEPS DUNSPELT_NATIVE_BUILD)
    if(NOT ${required})
        message(FATAL_ERROR "the web build needs -D${required}=... (see the Makefile's web target)")
    endif()
endforeach()

# The static libraries, in link order (each before what it uses).
add_library(web_libraries INTERFACE)
foreach(lib SDL2_ttf harfbuzz freetype SDL2_image SDL2_mixer SDL2 inih)
    target_link_libraries(web_libraries INTERFACE ${DUNSPELT_WEB_DEPS}/lib/lib${lib}.a)
endforeach()
target_include_directories(web_libraries INTERFACE ${DUNSPELT_WEB_DEPS}/include
                                                   ${DUNSPELT_WEB_DEPS}/include/SDL2)

# The game code throws and catches (run-time errors, the game's end), which emscripten supports
# only when asked. WebAssembly's own exceptions: the older JavaScript ones route every call that
# may throw through JavaScript, which costs the tick several times over.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# Game code, as in the native build; the SDL stand-in headers keep SDL out of it here too.
file(GLOB_RECURSE WEB_GAME_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER WEB_GAME_SOURCES EXCLUDE REGEX "/src/platform/(host|web)/|/src/main\\.cpp$")
add_library(dunspelt_game STATIC ${WEB_GAME_SOURCES}
                                 ${DUNSPELT_NATIVE_BUILD}/generated/level_table.cpp)
target_include_directories(dunspelt_game PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_include_directories(dunspelt_game BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/cmake/sdl_fence)
# The settings file's INI reader (SDL's headers lie in a folder below, out of the game's reach).
target_include_directories(dunspelt_game PRIVATE ${DUNSPELT_WEB_DEPS}/include)
target_compile_definitions(dunspelt_game PUBLIC DUNSPELT_VERSION="${PROJECT_VERSION}")
target_compile_options(dunspelt_game PRIVATE -Wall -Wextra -Wpedantic)
set_target_properties(dunspelt_game PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)

# The web host, with the desktop host's files that need no X11 and no window of their own.
set(WEB_SHARED_HOST_FILES key_names.cpp message_box.cpp picture_file.cpp sdl_key_events.cpp
                          sdl_pads.cpp text.cpp)
list(TRANSFORM WEB_SHARED_HOST_FILES PREPEND ${CMAKE_SOURCE_DIR}/src/platform/host/)
file(GLOB WEB_HOST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/web/*.cpp)
if(NOT WEB_HOST_SOURCES)
    # The game library still builds; the build as a whole fails until the web host exists.
    add_custom_target(web_host ALL COMMAND ${CMAKE_COMMAND} -E echo
                      "dunspelt: src/platform/web/ has no sources yet: no web host to link"
                      COMMAND ${CMAKE_COMMAND} -E false DEPENDS dunspelt_game)
else()
    # src/main.cpp is the page's main too: the page calls it with the options it wants.
    add_executable(dunspelt ${CMAKE_SOURCE_DIR}/src/main.cpp ${WEB_HOST_SOURCES}
                            ${WEB_SHARED_HOST_FILES})
    target_link_libraries(dunspelt PRIVATE dunspelt_game web_libraries)
    target_compile_options(dunspelt PRIVATE -Wall -Wextra -Wpedantic)
    set_target_properties(dunspelt PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DUNSPELT_WEB_OUT}
                                              SUFFIX .js)
    # A link of the same inputs as an earlier one is taken from the cache (a fresh clone).
    set_target_properties(dunspelt PROPERTIES CXX_LINKER_LAUNCHER
                          "${CMAKE_SOURCE_DIR}/scripts/cached-link.sh;${CMAKE_SOURCE_DIR}")
    # The data goes into one package (dunspelt.data) that is loaded before the game starts:
    # the game reads its files synchronously, as natively. The app folder is /app; the fonts
    # keep the paths the text code opens them by.
    set(WEB_DATA_DIR ${DUNSPELT_NATIVE_BUILD}/web-data)
    set(WEB_FONTS /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf
                  /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
                  /usr/share/fonts/opentype/allerta/allerta_stencil.otf)
    # (SHELL: keeps CMake from merging the repeated --preload-file options.)
    set(WEB_PRELOAD "SHELL:--preload-file ${WEB_DATA_DIR}/app@/app")
    foreach(font ${WEB_FONTS})
        list(APPEND WEB_PRELOAD "SHELL:--preload-file ${font}@${font}")
    endforeach()
    # Pictures go to a 2D canvas: no WebGL. Settings live in IndexedDB. The page calls main
    # itself (after the player's gesture, or at once for a script) and reads files and figures
    # through FS and UTF8ToString. A small library of the host's keeps what SDL's audio uses.
    target_link_options(dunspelt PRIVATE ${WEB_PRELOAD} -sALLOW_MEMORY_GROWTH=1
                        -sINITIAL_MEMORY=134217728 -sENVIRONMENT=web -lidbfs.js -sINVOKE_RUN=0
                        "SHELL:-s EXPORTED_RUNTIME_METHODS=['FS','callMain','UTF8ToString']"
                        "SHELL:--js-library ${CMAKE_SOURCE_DIR}/src/platform/web/sdl_audio_library.js")
    set_property(TARGET dunspelt APPEND PROPERTY LINK_DEPENDS
                 ${CMAKE_SOURCE_DIR}/src/platform/web/sdl_audio_library.js)
    set_property(TARGET dunspelt APPEND PROPERTY LINK_DEPENDS ${WEB_DATA_DIR}/.assembled
                                                               ${WEB_FONTS})
endif()

# The page itself (index.html and its script) is our own source in web/.
file(GLOB WEB_PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/*.html
                                           ${CMAKE_SOURCE_DIR}/web/*.js ${CMAKE_SOURCE_DIR}/web/*.css)
set(page_outputs)
foreach(file ${WEB_PAGE_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${DUNSPELT_WEB_OUT}/${name}
                       COMMAND ${CMAKE_COMMAND} -E copy ${file} ${DUNSPELT_WEB_OUT}/${name}
                       DEPENDS ${file})
    list(APPEND page_outputs ${DUNSPELT_WEB_OUT}/${name})
endforeach()
add_custom_target(web_page ALL DEPENDS ${page_outputs})
