#include "game/settings/key_names.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

#include "game/platform/keys.h"

namespace settings {
namespace {

namespace vk = platform::vk;

// Keys with a caption of their own, a column for each language.  Letters,
// digits and F keys are captioned as they are named.  Czech writes a common
// word in small letters inside a sentence; English names keys by their
// labels, capitals and all.
struct Caption {
    int16_t code;
    std::string_view czech;
    bool czechWord;
    std::string_view english;
};
constexpr Caption kCaptions[] = {
    {vk::Up, "Šipka nahoru", true, "Up arrow"},
    {vk::Down, "Šipka dolů", true, "Down arrow"},
    {vk::Left, "Šipka vlevo", true, "Left arrow"},
    {vk::Right, "Šipka vpravo", true, "Right arrow"},
    {vk::Control, "Ctrl", false, "Ctrl"},
    {vk::Shift, "Shift", false, "Shift"},
    {vk::Menu, "Alt", false, "Alt"},
    {vk::Space, "Mezerník", true, "Space"},
    {vk::Escape, "Esc", false, "Esc"},
    {vk::Pause, "Pause", false, "Pause"},
    {vk::Return, "Enter", false, "Enter"},
    {vk::Back, "Backspace", false, "Backspace"},
    {vk::Tab, "Tab", false, "Tab"},
    {vk::Prior, "Page Up", false, "Page Up"},
    {vk::Next, "Page Down", false, "Page Down"},
    {vk::Home, "Home", false, "Home"},
    {vk::End, "End", false, "End"},
    {vk::Insert, "Insert", false, "Insert"},
    {vk::Delete, "Delete", false, "Delete"},
};

// What a language calls the keys and the pad's controls.
struct Naming {
    // Its column of kCaptions, and whether its common words are small.
    std::string_view Caption::*caption;
    bool smallWords;
    // The pad's standard layout, as inside a sentence, per command.
    std::array<std::string_view, kCommandCount> pad;
    std::string_view padConfirm;
    // {Pohyb}: the arrows, the pad's stick, and four other keys around
    // their names.
    std::string_view arrows;
    std::string_view padMove;
    std::string_view moveKeysBefore;
    std::string_view moveKeysAfter;
};

constexpr Naming kCzech = {&Caption::czech,
                           true,
                           {"levá páčka nahoru", "levá páčka dolů", "levá páčka vlevo",
                            "levá páčka vpravo", "A", "B", "Start", "Back", "LB", "RB"},
                           "A",
                           "šipkami",
                           "levou páčkou",
                           "klávesami ",
                           ""};
constexpr Naming kEnglish = {&Caption::english,
                             false,
                             {"left stick up", "left stick down", "left stick left",
                              "left stick right", "A", "B", "Start", "Back", "LB", "RB"},
                             "A",
                             "the arrow keys",
                             "the left stick",
                             "the ",
                             " keys"};

const Naming& NamingOf(KeyLanguage language) {
    return language == KeyLanguage::English ? kEnglish : kCzech;
}

// The Czech small letters and their capitals, in UTF-8.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kCzechLetters = {{
    {"á", "Á"},
    {"č", "Č"},
    {"ď", "Ď"},
    {"é", "É"},
    {"ě", "Ě"},
    {"í", "Í"},
    {"ň", "Ň"},
    {"ó", "Ó"},
    {"ř", "Ř"},
    {"š", "Š"},
    {"ť", "Ť"},
    {"ú", "Ú"},
    {"ů", "Ů"},
    {"ý", "Ý"},
    {"ž", "Ž"},
}};

// The text with its first letter a capital (capital: true) or a small one.
std::string WithFirstLetter(std::string text, bool capital) {
    if (text.empty()) return text;
    const char c = text[0];
    if (capital && c >= 'a' && c <= 'z') {
        text[0] = static_cast<char>(c - 'a' + 'A');
    } else if (!capital && c >= 'A' && c <= 'Z') {
        text[0] = static_cast<char>(c - 'A' + 'a');
    } else {
        for (const auto& [small, big] : kCzechLetters) {
            const std::string_view from = capital ? small : big;
            const std::string_view to = capital ? big : small;
            if (std::string_view(text).substr(0, from.size()) == from) {
                text.replace(0, from.size(), to);
                break;
            }
        }
    }
    return text;
}

// A key's name as it stands inside a sentence.
std::string KeyInSentence(int16_t keyCode, const Naming& naming) {
    for (const Caption& c : kCaptions)
        if (c.code == keyCode)
            return WithFirstLetter(std::string(c.*naming.caption),
                                   !(naming.smallWords && c.czechWord));
    return PortableNameOf(keyCode);
}

// The commands in the order of KeyCommands().
enum : std::size_t { kUp, kDown, kLeft, kRight, kFire, kBomb, kPause, kMenu, kSave, kLoad };

constexpr std::string_view kMove = "Pohyb";
constexpr std::string_view kConfirm = "Potvrdit";

// The command a placeholder's name stands for, or kCommandCount for the two
// that are no command; nothing for an unknown name.
std::optional<std::size_t> PlaceholderOf(std::string_view name) {
    if (name == kMove || name == kConfirm) return kCommandCount;
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (KeyCommands()[i].settingName == name) return i;
    return std::nullopt;
}

std::string Fill(std::string_view name, const KeyCodes& keys, KeyDevice device,
                 const Naming& naming) {
    const bool pad = device == KeyDevice::Pad;
    if (name == kConfirm)
        return pad ? std::string(naming.padConfirm) : KeyInSentence(vk::Return, naming);
    if (name == kMove) {
        if (pad) return std::string(naming.padMove);
        if (keys[kUp] == vk::Up && keys[kDown] == vk::Down && keys[kLeft] == vk::Left &&
            keys[kRight] == vk::Right)
            return std::string(naming.arrows);
        return std::string(naming.moveKeysBefore) + KeyInSentence(keys[kUp], naming) + ", " +
               KeyInSentence(keys[kLeft], naming) + ", " + KeyInSentence(keys[kDown], naming) +
               ", " + KeyInSentence(keys[kRight], naming) + std::string(naming.moveKeysAfter);
    }
    const std::size_t command = *PlaceholderOf(name);
    return pad ? std::string(naming.pad[command]) : KeyInSentence(keys[command], naming);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Whether a sentence starts after this text (see the header).
bool SentenceStartsAfter(std::string_view before) {
    constexpr std::string_view kOpening[] = {"\"", "(", "[", "'", "„", "‚"};
    constexpr std::string_view kEnding[] = {".", "!", "?", "…"};
    bool blank = false;
    for (bool skipped = true; skipped && !before.empty();) {
        skipped = false;
        const char c = before.back();
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            before.remove_suffix(1);
            blank = skipped = true;
            continue;
        }
        for (std::string_view mark : kOpening) {
            if (EndsWith(before, mark)) {
                before.remove_suffix(mark.size());
                skipped = true;
                break;
            }
        }
    }
    if (before.empty()) return true;
    return blank && std::any_of(std::begin(kEnding), std::end(kEnding),
                                [&](std::string_view end) { return EndsWith(before, end); });
}

}  // namespace

std::string KeyCaption(int16_t keyCode, KeyLanguage language) {
    const Naming& naming = NamingOf(language);
    for (const Caption& c : kCaptions)
        if (c.code == keyCode) return std::string(c.*naming.caption);
    return PortableNameOf(keyCode);
}

std::string FillKeyNames(std::string_view text, const KeyCodes& keys, KeyDevice device,
                         KeyLanguage language) {
    const Naming& naming = NamingOf(language);
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '{') {
            const std::size_t close = text.find('}', i + 1);
            if (close != std::string_view::npos) {
                const std::string_view name = text.substr(i + 1, close - i - 1);
                if (PlaceholderOf(name)) {
                    std::string key = Fill(name, keys, device, naming);
                    if (SentenceStartsAfter(filled)) key = WithFirstLetter(std::move(key), true);
                    filled += key;
                    i = close + 1;
                    continue;
                }
            }
        }
        filled.push_back(text[i++]);
    }
    return filled;
}

std::vector<std::string> UnknownPlaceholders(std::string_view text) {
    std::vector<std::string> unknown;
    for (std::size_t i = text.find('{'); i != std::string_view::npos; i = text.find('{', i + 1)) {
        const std::size_t close = text.find('}', i + 1);
        if (close == std::string_view::npos) {
            unknown.emplace_back(text.substr(i));
            break;
        }
        if (!PlaceholderOf(text.substr(i + 1, close - i - 1)))
            unknown.emplace_back(text.substr(i, close - i + 1));
    }
    return unknown;
}

}  // namespace settings
