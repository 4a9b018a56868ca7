#include "game/core/play_observer.h"

#include "game/core/key_text.h"
#include "game/core/windows.h"

namespace game {
namespace {

PlayObserver* observer = nullptr;
int untold = 0;
bool inputBlocked = false;

}  // namespace

PlayObserver* CurrentPlayObserver() {
    return observer;
}

void SetPlayObserver(PlayObserver* o) {
    observer = o;
}

bool PlayerInputBlocked() {
    return inputBlocked;
}

void SetPlayerInputBlocked(bool blocked) {
    inputBlocked = blocked;
}

RecordedInput::RecordedInput() : wasBlocked_(inputBlocked) {
    inputBlocked = false;
}

RecordedInput::~RecordedInput() {
    inputBlocked = wasBlocked_;
}

PlayObserver* KeyObserver() {
    return untold == 0 ? observer : nullptr;
}

UntoldKeys::UntoldKeys() {
    ++untold;
}

UntoldKeys::~UntoldKeys() {
    --untold;
}

void ShowGameNotice(const PlayerText& text) {
    PlayerText shown = text;
    shown.czech = WithKeyNames(text.czech);
    // A fixed text that names keys is found in another language as written.
    if (shown.pattern.empty() && shown.czech != text.czech) shown.pattern = text.czech;
    Windows().ShowNotice(shown);
    if (observer) observer->NoticeClosed();
}

}  // namespace game
