#include "setup/chosen_keys.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QCoreApplication>
#include <QKeySequence>
#include <string>

#include "game/settings/key_names.h"

namespace setup {
namespace {

// The keys with a name of their own that the game sees, besides letters,
// digits and F keys.
constexpr int kNamedKeys[] = {
    Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Control,
    Qt::Key_Shift,  Qt::Key_Alt,       Qt::Key_Space,  Qt::Key_Escape, Qt::Key_Pause,
    Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab,    Qt::Key_PageUp, Qt::Key_PageDown,
    Qt::Key_Home,   Qt::Key_End,       Qt::Key_Insert, Qt::Key_Delete,
};

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Every key the game sees, each with its game's code: made once, since
// naming a key costs a key sequence each time.
struct OfferedKey {
    int key;
    int16_t gameKey;
};
const std::vector<OfferedKey>& OfferedKeys() {
    static const std::vector<OfferedKey> offered = [] {
        std::vector<OfferedKey> keys;
        const auto add = [&keys](int key) {
            const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
            const auto code = settings::KeyCodeOfName(name.toStdString());
            keys.push_back({key, code.value_or(int16_t{0})});
        };
        for (int key : kNamedKeys)
            add(key);
        for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
            add(key);
        for (int key = Qt::Key_0; key <= Qt::Key_9; ++key)
            add(key);
        for (int key = Qt::Key_F1; key <= Qt::Key_F24; ++key)
            add(key);
        return keys;
    }();
    return offered;
}

}  // namespace

QString CommandCaption(std::size_t command) {
    return QCoreApplication::translate("Help",
                                       std::string(settings::CommandCaption(command)).c_str());
}

KeyChoice DefaultKeys() {
    return QtKeysOf(settings::DefaultKeys());
}

int SameKeyForTheGame(int key) {
    return key == Qt::Key_Enter ? Qt::Key_Return : key;
}

KeyRefusal RefusalOf(const KeyChoice& keys, std::size_t command, int key,
                     Qt::KeyboardModifiers modifiers) {
    key = SameKeyForTheGame(key);
    const bool altEnter = IsEnter(key) && (modifiers & Qt::AltModifier);
    return settings::RefusalOf(GameKeysOf(keys), command, GameKeyOf(key), altEnter);
}

int16_t GameKeyOf(int key) {
    key = SameKeyForTheGame(key);
    for (const OfferedKey& offered : OfferedKeys())
        if (offered.key == key) return offered.gameKey;
    return 0;
}

int QtKeyOf(int16_t gameKey) {
    for (const OfferedKey& offered : OfferedKeys())
        if (offered.gameKey == gameKey && gameKey != 0) return offered.key;
    return 0;
}

settings::KeyCodes GameKeysOf(const KeyChoice& keys) {
    settings::KeyCodes codes{};
    for (std::size_t i = 0; i < kCommandCount; ++i)
        codes[i] = GameKeyOf(keys[i]);
    return codes;
}

KeyChoice QtKeysOf(const settings::KeyCodes& keys) {
    KeyChoice qtKeys{};
    for (std::size_t i = 0; i < kCommandCount; ++i)
        qtKeys[i] = QtKeyOf(keys[i]);
    return qtKeys;
}

namespace {
settings::KeyLanguage keyLanguage = settings::KeyLanguage::Czech;
}  // namespace

void NameKeysIn(settings::KeyLanguage language) {
    keyLanguage = language;
}

QString KeyCaption(int key) {
    // The game's own caption, as its help shows the key.
    const std::string caption = settings::KeyCaption(GameKeyOf(key), keyLanguage);
    if (!caption.empty()) return QString::fromStdString(caption);
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace setup
