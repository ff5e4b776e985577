# The web build's data (`make web`), assembled by the native tools in web-data/app/: the baked
# pictures, each level's map with its collision-grid cache instead of its mask (so that no mask
# scan runs in the page), and the music as Ogg Vorbis (a seventh of the WAVs' size).
add_executable(dunspelt-grid-caches EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/grid_caches/main.cpp)
target_link_libraries(dunspelt-grid-caches PRIVATE dunspelt_game)
dunspelt_game_code(dunspelt-grid-caches)
dunspelt_warnings(dunspelt-grid-caches)

set(WEB_DATA_DIR ${CMAKE_BINARY_DIR}/web-data)
add_custom_command(
    OUTPUT ${WEB_DATA_DIR}/.assembled
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${WEB_DATA_DIR}/app
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${APP_DIR}/pics ${WEB_DATA_DIR}/app/pics
    COMMAND ${CMAKE_COMMAND} -E make_directory ${WEB_DATA_DIR}/app/maps
    COMMAND sh -c "cp \"$0\"/*.MAP \"$0\"/*.MSK \"$1\"" ${APP_DIR}/maps ${WEB_DATA_DIR}/app/maps
    COMMAND dunspelt-grid-caches ${WEB_DATA_DIR}/app
    COMMAND sh -c "rm \"$0\"/*.MSK" ${WEB_DATA_DIR}/app/maps
    COMMAND dunspelt-baker --web-music ${APP_DIR}/muz ${WEB_DATA_DIR}/app/muz
    COMMAND ${CMAKE_COMMAND} -E touch ${WEB_DATA_DIR}/.assembled
    DEPENDS ${APP_DIR}/.baked dunspelt-grid-caches dunspelt-baker
    COMMENT "Assembling the web build's data"
    VERBATIM)
add_custom_target(web_data DEPENDS ${WEB_DATA_DIR}/.assembled)
if(TARGET dunspelt_tests)
    add_dependencies(dunspelt_tests dunspelt-grid-caches)
endif()
