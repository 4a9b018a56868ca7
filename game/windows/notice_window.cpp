#include "game/windows/notice_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/speech.h"
#include "game/desktop/key_events.h"
#include "game/platform/keys.h"
#include "game/windows/window_style.h"

namespace game {

Form2::Form2(QWidget* parent) : BackgroundWindow(312, 213, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
    Label1 = MakeLabel(this, TwipsRect(120, 120, 4455, 2895), Qt::white, 8.25, QString());
    Label1->setFocusPolicy(Qt::NoFocus);
    // The texts come from the levels: shown as written, never as markup.
    Label1->setTextFormat(Qt::PlainText);
    // A short text stands in the middle of the stones, not under the top.
    Label1->setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    SetReadsLarger(true);
}

void Form2::ShowNotice(const QString& text) {
    Label1->setText(text);
    Speak(text.toStdString());
    MusicOverlay lowered;
    platform::ShowModal(*this, [] { return ShutdownRequested; });
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // A key already held when the notice opened (Space lays bombs) repeats
    // its press: that must not close the notice before it has been read.
    if (event->isAutoRepeat()) return;
    auto key = platform::VirtualKeyOf(*event);
    if (key && (key->keyCode == platform::vk::Return || key->keyCode == platform::vk::Space))
        hide();
}

void Form2::closeEvent(QCloseEvent* event) {
    // The window manager's close button acts as Enter.
    event->ignore();
    hide();
}

}  // namespace game
