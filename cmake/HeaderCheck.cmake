# `make check-headers`: every header of the game, the sound library, the
# settings tool and the level and asset tools compiled on its own, in a
# translation unit of its own that includes it twice (a header that needs
# an include it lacks, or that cannot be included twice, fails).  The game's
# libraries are compiled in batches, where one file's includes hide the
# missing ones of the next; this target is never batched and never part of
# the normal build.
function(karvelun_add_header_check)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE "${CMAKE_SOURCE_DIR}"
        "${CMAKE_SOURCE_DIR}/game/*.h" "${CMAKE_SOURCE_DIR}/sound/*.h"
        "${CMAKE_SOURCE_DIR}/setup/*.h" "${CMAKE_SOURCE_DIR}/tools/*.h")
    set(sources "")
    foreach(header IN LISTS headers)
        # The sound library's public header is included as the game does.
        string(REGEX REPLACE "^sound/include/" "" included "${header}")
        string(MAKE_C_IDENTIFIER "${header}" name)
        set(source "${CMAKE_BINARY_DIR}/header_check/${name}.cpp")
        file(CONFIGURE OUTPUT "${source}" @ONLY
            CONTENT "#include \"@included@\"\n#include \"@included@\"\n")
        list(APPEND sources "${source}")
    endforeach()
    add_library(check_headers OBJECT EXCLUDE_FROM_ALL ${sources})
    set_target_properties(check_headers PROPERTIES UNITY_BUILD OFF)
    target_include_directories(check_headers PRIVATE "${CMAKE_SOURCE_DIR}"
        "${CMAKE_SOURCE_DIR}/sound/include")
    # The libraries' own headers need no more than these folders; the
    # system's come with their imported targets, so nothing of the game is
    # built first.
    target_link_libraries(check_headers PRIVATE Qt6::Widgets PkgConfig::OPENAL PkgConfig::SNDFILE
        PkgConfig::SDL2)
endfunction()
