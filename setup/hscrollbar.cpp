#include "setup/hscrollbar.h"

#include <QKeyEvent>

namespace setup {

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    // A plain scroll bar never takes focus in Qt; these are set from the
    // keyboard too, so they take it by Tab and by click.
    setFocusPolicy(Qt::StrongFocus);
}

void HScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            triggerAction(SliderSingleStepSub);
            event->accept();
            return;
        case Qt::Key_Right:
            triggerAction(SliderSingleStepAdd);
            event->accept();
            return;
        default:
            QScrollBar::keyPressEvent(event);
    }
}

}  // namespace setup
