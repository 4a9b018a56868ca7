# karvelun-level-shot: a level drawn fully revealed by the game's own frame
# code into a PNG, and a check that sign and notice texts fit their space.
# Designers' aid only; it is not shipped in dist/.
add_executable(karvelun-level-shot ${CMAKE_CURRENT_LIST_DIR}/level_shot.cpp)
target_link_libraries(karvelun-level-shot PRIVATE karvelun_windows Qt6::Gui)
