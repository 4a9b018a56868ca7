#include "setup/chosen_keys.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QKeySequence>

namespace setup {
namespace {

// Keys with a caption of their own; letters, digits and F keys show as
// they are named.
struct CaptionedKey {
    int key;
    const char* caption;
};
constexpr CaptionedKey kCaptionedKeys[] = {
    {Qt::Key_Up, "Šipka nahoru"},
    {Qt::Key_Down, "Šipka dolů"},
    {Qt::Key_Left, "Šipka vlevo"},
    {Qt::Key_Right, "Šipka vpravo"},
    {Qt::Key_Control, "Ctrl"},
    {Qt::Key_Shift, "Shift"},
    {Qt::Key_Alt, "Alt"},
    {Qt::Key_Space, "Mezerník"},
    {Qt::Key_Escape, "Esc"},
    {Qt::Key_Pause, "Pause"},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_PageUp, "Page Up"},
    {Qt::Key_PageDown, "Page Down"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
    {Qt::Key_Insert, "Insert"},
    {Qt::Key_Delete, "Delete"},
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
        for (const CaptionedKey& k : kCaptionedKeys)
            add(k.key);
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
    const std::string_view caption = settings::CommandCaption(command);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
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

QString KeyCaption(int key) {
    for (const CaptionedKey& k : kCaptionedKeys)
        if (k.key == key) return QString::fromUtf8(k.caption);
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace setup
