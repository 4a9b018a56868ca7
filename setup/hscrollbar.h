// A horizontal scroll bar whose arrow keys go the way they point.
#pragma once

#include <QScrollBar>

namespace setup {

// Qt's QScrollBar inverts its key controls so that Up and Page Up move a
// vertical bar towards its minimum; on a horizontal bar that turns Left into
// "more" and Right into "less".  Here Left decreases and Right increases the
// value; every other key (Up and Page Up decrease, Down and Page Down
// increase, Home, End) keeps Qt's own handling.
class HScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit HScrollBar(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace setup
