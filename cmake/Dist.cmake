# Assembling the portable folder: dist/karvelun, dist/libtembra.so, dist/setup,
# dist/setup.ini and dist/data/.  What a player made there (data/saves,
# data/levels, a changed setup.ini) is never touched: files are only copied in.

set_property(GLOBAL PROPERTY KARVELUN_DIST_DEPENDENCIES "")

# A deliverable built straight into the dist folder.
function(karvelun_dist_target target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY "${KARVELUN_DIST_DIR}"
        LIBRARY_OUTPUT_DIRECTORY "${KARVELUN_DIST_DIR}"
        BUILD_RPATH "\$ORIGIN"
        INSTALL_RPATH "\$ORIGIN")
    set_property(GLOBAL APPEND PROPERTY KARVELUN_DIST_DEPENDENCIES ${target})
endfunction()

# Any target whose build writes into the dist folder (generated data).
function(karvelun_dist_dependency target)
    set_property(GLOBAL APPEND PROPERTY KARVELUN_DIST_DEPENDENCIES ${target})
endfunction()

# Copies one file into the dist folder whenever the source changes.
# karvelun_dist_file(<source> <path under dist>)
function(karvelun_dist_file source dest)
    get_filename_component(abs_source "${source}" ABSOLUTE)
    set(out "${KARVELUN_DIST_DIR}/${dest}")
    string(MAKE_C_IDENTIFIER "dist_${dest}" name)
    add_custom_command(OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different "${abs_source}" "${out}"
        DEPENDS "${abs_source}"
        COMMENT "dist: ${dest}" VERBATIM)
    add_custom_target(${name} ALL DEPENDS "${out}")
    set_property(GLOBAL APPEND PROPERTY KARVELUN_DIST_DEPENDENCIES ${name})
endfunction()

function(karvelun_finish_dist)
    # The default settings go in only when the player has none yet.
    add_custom_target(dist_setup_ini ALL
        COMMAND ${CMAKE_COMMAND}
            -DSOURCE=${CMAKE_SOURCE_DIR}/game/setup.ini.default
            -DTARGET=${KARVELUN_DIST_DIR}/setup.ini
            -DDIST=${KARVELUN_DIST_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/DefaultSettings.cmake
        VERBATIM)
    get_property(deps GLOBAL PROPERTY KARVELUN_DIST_DEPENDENCIES)
    add_custom_target(dist ALL DEPENDS dist_setup_ini ${deps})
endfunction()
