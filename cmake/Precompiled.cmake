# Precompiled headers.  After the batching, most of what a fresh build still
# spends goes into reading the same standard headers, and in the windows
# Qt's, once for every batch.  Each kind of library below reads them once,
# into a header of its own that every batch of that kind reuses: the plain
# C++ rules, the Qt Core tools (paths, Tiled maps, the level tool) and the
# Qt Widgets windows and programs.  A reused header must be made with the
# very flags of its users, so each kind is a small library of its own
# linking what its users link; a library whose flags differ (the sound
# library's hidden symbols, SDL's pads) is simply not given one.
#
# The headers only save reading: every file still includes what it uses,
# and `make check-headers` (never precompiled) checks each header alone.
option(KARVELUN_PRECOMPILED_HEADERS "Read the standard and Qt headers once per kind of library" ON)

set(karvelun_standard_headers
    <algorithm> <array> <chrono> <cmath> <cstddef> <cstdint> <cstdio> <cstring> <filesystem>
    <functional> <map> <memory> <optional> <string> <string_view> <system_error> <utility>
    <vector>)
set(karvelun_qt_core_headers <QDir> <QFile> <QFileInfo> <QObject> <QString> <QStringList>)
set(karvelun_qt_widgets_headers
    ${karvelun_qt_core_headers} <QApplication> <QCloseEvent> <QColor> <QFont> <QFontMetrics>
    <QImage> <QKeyEvent> <QLabel> <QMessageBox> <QMouseEvent> <QPainter> <QRect> <QScreen>
    <QTimer> <QWidget>)

# The library that makes the headers of one kind: an empty file, compiled
# with the headers, linking what the kind's users link.
function(karvelun_precompiled_kind kind)
    if(NOT KARVELUN_PRECOMPILED_HEADERS)
        return()
    endif()
    set(empty "${CMAKE_BINARY_DIR}/precompiled/${kind}.cpp")
    file(CONFIGURE OUTPUT "${empty}" CONTENT "// The precompiled headers' own file.\n")
    add_library(karvelun_${kind}_headers STATIC "${empty}")
    set_target_properties(karvelun_${kind}_headers PROPERTIES UNITY_BUILD OFF)
    target_precompile_headers(karvelun_${kind}_headers PRIVATE ${ARGN})
endfunction()

# Gives the targets the headers of one kind, made once.
function(karvelun_use_precompiled kind)
    if(NOT KARVELUN_PRECOMPILED_HEADERS)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_precompile_headers(${target} REUSE_FROM karvelun_${kind}_headers)
    endforeach()
endfunction()

karvelun_precompiled_kind(plain ${karvelun_standard_headers})
karvelun_precompiled_kind(qt_core ${karvelun_standard_headers} ${karvelun_qt_core_headers})
karvelun_precompiled_kind(qt_widgets ${karvelun_standard_headers} ${karvelun_qt_widgets_headers})
if(KARVELUN_PRECOMPILED_HEADERS)
    target_link_libraries(karvelun_qt_core_headers PRIVATE Qt6::Core)
    target_link_libraries(karvelun_qt_widgets_headers PRIVATE Qt6::Widgets)
endif()
