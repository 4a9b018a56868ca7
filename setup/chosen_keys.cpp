#include "setup/chosen_keys.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QKeySequence>

namespace setup {
namespace {

constexpr std::array<KeyCommand, kCommandCount> kCommands = {{
    {"Nahoru", "Nahoru", Qt::Key_Up},
    {"Dolu", "Dolů", Qt::Key_Down},
    {"Vlevo", "Vlevo", Qt::Key_Left},
    {"Vpravo", "Vpravo", Qt::Key_Right},
    {"Strelba", "Střelba", Qt::Key_Control},
    {"Bomba", "Bomba", Qt::Key_Space},
    {"Pauza", "Pauza", Qt::Key_Pause},
    {"Menu", "Menu", Qt::Key_Escape},
    {"Ulozit", "Rychlé uložení", Qt::Key_F5},
    {"Nahrat", "Rychlé nahrání", Qt::Key_F7},
}};

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

// The keys the game turns into key codes of its own (and so can tell
// apart): letters, digits, F1 to F24 and the keys above.
bool GameSeesKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return true;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return true;
    return std::any_of(std::begin(kCaptionedKeys), std::end(kCaptionedKeys),
                       [key](const CaptionedKey& k) { return k.key == key; });
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

const std::array<KeyCommand, kCommandCount>& KeyCommands() {
    return kCommands;
}

KeyChoice DefaultKeys() {
    KeyChoice keys{};
    for (std::size_t i = 0; i < kCommandCount; ++i)
        keys[i] = kCommands[i].defaultKey;
    return keys;
}

int SameKeyForTheGame(int key) {
    return key == Qt::Key_Enter ? Qt::Key_Return : key;
}

KeyRefusal RefusalOf(const KeyChoice& keys, std::size_t command, int key,
                     Qt::KeyboardModifiers modifiers) {
    key = SameKeyForTheGame(key);
    if (key == Qt::Key_F1) return KeyRefusal::Help;
    if (key == Qt::Key_F11 || (IsEnter(key) && (modifiers & Qt::AltModifier)))
        return KeyRefusal::Screen;
    if (!GameSeesKey(key)) return KeyRefusal::Unknown;
    for (std::size_t other = 0; other < kCommandCount; ++other)
        if (other != command && keys[other] == key) return KeyRefusal::Taken;
    return KeyRefusal::None;
}

QString PortableKeyName(int key) {
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

namespace {

// Every key a command may take with its portable name, in the order a name
// is matched: made once, since naming a key costs a key sequence each time.
const std::vector<std::pair<QByteArray, int>>& NamedKeys() {
    static const std::vector<std::pair<QByteArray, int>> named = [] {
        std::vector<std::pair<QByteArray, int>> keys;
        const auto add = [&keys](int key, int meaning) {
            keys.emplace_back(PortableKeyName(key).toLatin1(), meaning);
        };
        add(Qt::Key_Enter, Qt::Key_Return);
        for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
            add(key, key);
        for (int key = Qt::Key_0; key <= Qt::Key_9; ++key)
            add(key, key);
        for (int key = Qt::Key_F2; key <= Qt::Key_F24; ++key)
            if (key != Qt::Key_F11) add(key, key);
        for (const CaptionedKey& k : kCaptionedKeys)
            add(k.key, k.key);
        return keys;
    }();
    return named;
}

}  // namespace

std::optional<int> KeyOfPortableName(std::string_view name) {
    for (const auto& [portable, key] : NamedKeys())
        if (std::equal(name.begin(), name.end(), portable.begin(), portable.end(),
                       [](char a, char b) { return Upper(a) == Upper(b); }))
            return key;
    return std::nullopt;
}

QString KeyCaption(int key) {
    for (const CaptionedKey& k : kCaptionedKeys)
        if (k.key == key) return QString::fromUtf8(k.caption);
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

void SettleSharedKeys(KeyChoice& keys) {
    // Each round puts at least one command back on its default, and the
    // defaults are all different: this ends.
    for (bool shared = true; shared;) {
        std::array<bool, kCommandCount> reset{};
        shared = false;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            for (std::size_t j = i + 1; j < kCommandCount; ++j)
                if (keys[i] == keys[j]) reset[i] = reset[j] = shared = true;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            if (reset[i]) keys[i] = kCommands[i].defaultKey;
    }
}

}  // namespace setup
