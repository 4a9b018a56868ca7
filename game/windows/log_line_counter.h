// How many lines the message log shows, for its limit of 10 000 lines: every
// line of the story counts as many lines as it wraps into in the log's box.
//
// The count is kept as lines are added, so a long log costs no more per line
// than a short one, and it is measured at the log's normal size, whatever
// size the window is shown at.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include "game/windows/window_style.h"

namespace game {

class LogLineCounter {
  public:
    // The width a line of the log wraps at: the log's box is 249 pixels wide
    // with no frame; its stone scroll bar (a log long enough for the limit
    // to matter always shows it) and the page's margin of 4 pixels on either
    // side take the rest.
    static constexpr int kTextWidth = 249 - kStoneScrollBarWidth - 2 * 4;

    LogLineCounter();

    // Lines the log shows now; an empty log shows one (empty) line.
    int Lines() const { return lines_; }
    // The log was emptied.
    void Clear() { lines_ = 1; }
    // A line break and the text were added at the end.
    void Add(const QString& text);
    // The last line, `from`, was replaced by `to`.
    void Replace(const QString& from, const QString& to);

  private:
    // Lines the text takes in the log: wrapped at word boundaries, and
    // anywhere inside a word too long for a line; an empty text takes one.
    int WrappedLines(const QString& text) const;
    // The same, measured once per text.
    int Measured(const QString& text);

    QFont font_;
    int lines_ = 1;
    // Laying a line out costs more than the rest of a frame's log work, and
    // the story repeats itself (the same blows, the same pick-ups): each
    // text is measured once.
    QHash<QString, int> measured_;
};

}  // namespace game
