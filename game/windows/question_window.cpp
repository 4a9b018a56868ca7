#include "game/windows/question_window.h"

#include "game/menu/menu_sounds.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_links.h"
#include "game/windows/menu_window.h"
#include "game/windows/save_window.h"
#include "game/windows/window_style.h"

namespace game {

Form5::Form5(QWidget* parent) : DialogWindow(kQuestionButtons, parent) {
    Label1 = MakeLabel(this, QRect(8, 8, 297, 49), QColor(255, 128, 0), 9.75,
                       QString::fromUtf8(kLoseGameQuestion));
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    MenuLinks().question = this;
}

Form5::~Form5() {
    UnlinkWindow(MenuLinks().question, this);
}

void Form5::DialogItems(int16_t ix) {
    PlayClick();
    bool refused = ix != 0;
    MenuWindows& links = MenuLinks();
    if (links.menu) links.menu->Refused = refused;
    if (links.load) links.load->Refused = refused;
    if (links.save) links.save->Refused = refused;
    hide();
}

}  // namespace game
