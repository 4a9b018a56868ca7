#include "game/windows/log_line_counter.h"

#include <QTextLayout>
#include <QTextOption>

#include "game/desktop/fonts.h"

namespace game {

// The log's letters at their normal size.
LogLineCounter::LogLineCounter() : font_(platform::GameFont(8.25)) {}

void LogLineCounter::Add(const QString& text) {
    lines_ += Measured(text);
}

void LogLineCounter::Replace(const QString& from, const QString& to) {
    lines_ += Measured(to) - Measured(from);
}

int LogLineCounter::Measured(const QString& text) {
    auto found = measured_.constFind(text);
    if (found == measured_.constEnd()) {
        // A long game says many different things; keep the table small.
        if (measured_.size() >= 4096) measured_.clear();
        found = measured_.insert(text, WrappedLines(text));
    }
    return found.value();
}

int LogLineCounter::WrappedLines(const QString& text) const {
    QTextLayout layout(text, font_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(kTextWidth);
        ++lines;
    }
    layout.endLayout();
    return lines > 0 ? lines : 1;
}

}  // namespace game
