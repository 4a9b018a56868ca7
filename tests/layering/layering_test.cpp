// The layering of the code: which folder may include which (docs/layering.txt),
// and Qt only where the list allows it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Entry {
    bool qt = false;
    std::vector<std::string> allowed;
};

// Entries by the folder or file they name.
using Layering = std::map<std::string, Entry>;

Layering ParseLayering(const std::string& text) {
    Layering layering;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::istringstream head(line.substr(0, colon));
        std::istringstream tail(line.substr(colon + 1));
        std::string name, word;
        head >> name;
        Entry entry;
        while (head >> word)
            entry.qt = entry.qt || word == "qt";
        while (tail >> word)
            entry.allowed.push_back(word);
        layering[name] = entry;
    }
    return layering;
}

// True when `path` is `place` or lies inside the folder `place`.
bool IsUnder(const std::string& path, const std::string& place) {
    return path == place ||
           (path.size() > place.size() && path.compare(0, place.size(), place) == 0 &&
            path[place.size()] == '/');
}

// The entry a file belongs to: the longest that holds it.
const std::string* EntryOf(const Layering& layering, const std::string& file) {
    const std::string* best = nullptr;
    for (const auto& [place, entry] : layering)
        if (IsUnder(file, place) && (!best || place.size() > best->size())) best = &place;
    return best;
}

// Qt in a file's own text: one of its headers, or one of its classes declared
// ahead (which only a file that also sees Qt's headers can use).
bool NamesQt(const std::string& text) {
    static const std::regex qtInclude(R"(^\s*#\s*include\s*<Q)", std::regex::multiline);
    static const std::regex qtDeclaration(R"(^\s*class\s+Q[A-Z][A-Za-z]*\s*;)",
                                          std::regex::multiline);
    return std::regex_search(text, qtInclude) || std::regex_search(text, qtDeclaration);
}

const std::regex& LocalInclude() {
    static const std::regex localInclude(R"(^\s*#\s*include\s*"((game|sound|setup|tools)/[^"]+)\")",
                                         std::regex::multiline);
    return localInclude;
}

using HeaderReader = std::function<std::string(const std::string&)>;

// Whether a header of the tree brings Qt along: it names Qt itself, or
// through any header it includes, however deep.
bool PullsQtIn(const std::string& header, const HeaderReader& readHeader,
               std::map<std::string, bool>& known) {
    if (const auto at = known.find(header); at != known.end()) return at->second;
    known[header] = false;  // a cycle of includes adds nothing
    const std::string text = readHeader(header);
    bool pulls = NamesQt(text);
    for (std::sregex_iterator it(text.begin(), text.end(), LocalInclude()), end;
         !pulls && it != end; ++it)
        pulls = PullsQtIn((*it)[1], readHeader, known);
    return known[header] = pulls;
}

// What is wrong with one file's includes; `readHeader` gives the text of a
// header of the tree (empty when there is none).
std::vector<std::string> CheckFile(const Layering& layering, const std::string& file,
                                   const std::string& text, const HeaderReader& readHeader) {
    std::vector<std::string> faults;
    const std::string* place = EntryOf(layering, file);
    if (!place) return {file + ": its folder is not in the layering list"};
    const Entry& entry = layering.at(*place);
    if (!entry.qt && NamesQt(text)) faults.push_back(file + ": names Qt");

    std::map<std::string, bool> known;
    for (std::sregex_iterator it(text.begin(), text.end(), LocalInclude()), end; it != end; ++it) {
        const std::string header = (*it)[1];
        // A file of its own (main.cpp) has no folder to share.
        bool allowed = !fs::path(*place).has_extension() && IsUnder(header, *place);
        for (const std::string& other : entry.allowed)
            allowed = allowed || IsUnder(header, other);
        if (!allowed)
            faults.push_back(file + ": includes " + header + ", which " + *place + " may not");
        else if (!entry.qt && PullsQtIn(header, readHeader, known))
            faults.push_back(file + ": includes " + header + ", which brings Qt along");
    }
    return faults;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Layering, TheCheckCatchesEachKindOfFault) {
    const Layering layering = ParseLayering(
        "# comment\n"
        "game/platform:\n"
        "game/core: game/platform\n"
        "game/desktop qt: game/platform\n"
        "game/windows qt: game/desktop game/core game/platform\n"
        "game/app/main.cpp qt: game/windows\n"
        "setup qt: game/desktop/app_paths.h game/platform/keys.h\n");
    // Headers of the tree: Qt's own header, a class of Qt declared ahead,
    // Qt two headers down, and a cycle of includes without Qt.
    const std::map<std::string, std::string> tree = {
        {"game/desktop/fonts.h", "#include <QFont>\n"},
        {"game/desktop/key_events.h", "namespace x {}\nclass QKeyEvent;\n"},
        {"game/platform/keys.h", "#include \"game/platform/key_codes.h\"\n"},
        {"game/platform/key_codes.h", "#include \"game/desktop/fonts.h\"\n"},
        {"game/platform/a.h", "#include \"game/platform/b.h\"\n"},
        {"game/platform/b.h", "#include \"game/platform/a.h\"\nclass QuiteOurs;\n"},
        {"game/platform/c.h", "namespace x {\n    class QObject;\n}\n"},
    };
    const auto headers = [&](const std::string& header) {
        const auto at = tree.find(header);
        return at == tree.end() ? std::string() : at->second;
    };
    struct Case {
        const char* file;
        const char* text;
        std::vector<std::string> faults;
    };
    const std::vector<Case> cases = {
        {"game/core/a.cpp", "#include \"game/core/b.h\"\n#include \"game/platform/a.h\"\n", {}},
        {"game/core/a.cpp",
         "#include \"game/windows/menu_window.h\"\n",
         {"game/core/a.cpp: includes game/windows/menu_window.h, which game/core may not"}},
        {"game/platform/clock.cpp",
         "  #  include \"game/core/game_state.h\"\n",
         {"game/platform/clock.cpp: includes game/core/game_state.h, which game/platform may not"}},
        {"game/core/a.cpp", "#include <QString>\n", {"game/core/a.cpp: names Qt"}},
        {"game/platform/keys.h",
         "#pragma once\n  class QKeyEvent;\n",
         {"game/platform/keys.h: names Qt"}},
        {"game/core/a.cpp",
         "#include \"game/desktop/fonts.h\"\n",
         {
             "game/core/a.cpp: includes game/desktop/fonts.h, which game/core may not",
         }},
        {"game/core/a.cpp",
         "#include \"game/platform/keys.h\"\n",
         {"game/core/a.cpp: includes game/platform/keys.h, which brings Qt along"}},
        {"game/core/a.cpp",
         "#include \"game/platform/c.h\"\n",
         {"game/core/a.cpp: includes game/platform/c.h, which brings Qt along"}},
        {"setup/form1.cpp", "#include \"game/platform/keys.h\"\n", {}},
        {"game/windows/w.cpp",
         "#include <QWidget>\nclass QLabel;\n#include \"game/desktop/key_events.h\"\n",
         {}},
        {"game/app/main.cpp",
         "#include \"game/windows/window_set.h\"\n#include <QApplication>\n",
         {}},
        {"game/app/main.cpp",
         "#include \"game/levels/level_files.h\"\n",
         {"game/app/main.cpp: includes game/levels/level_files.h, which game/app/main.cpp may "
          "not"}},
        {"game/other.cpp",
         "#include \"game/core/a.h\"\n",
         {"game/other.cpp: its folder is not in the layering list"}},
        {"setup/form1.cpp", "#include \"game/desktop/app_paths.h\"\n", {}},
        {"setup/form1.cpp",
         "#include \"game/platform/clock.h\"\n",
         {"setup/form1.cpp: includes game/platform/clock.h, which setup may not"}},
        // Names that merely begin alike are other folders, or not Qt's.
        {"game/core/a.cpp",
         "#include \"game/corelike/x.h\"\nclass Quest;\nclass QueueOfOurs {};\n",
         {"game/core/a.cpp: includes game/corelike/x.h, which game/core may not"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFile(layering, c.file, c.text, headers), c.faults) << c.file << "\n"
                                                                          << c.text;
}

TEST(Layering, EveryFileKeepsToTheLayeringList) {
    const fs::path root = KARVELUN_SOURCE_DIR;
    const std::string listText = ReadText(root / "docs/layering.txt");
    ASSERT_FALSE(listText.empty()) << "docs/layering.txt cannot be read";
    const Layering layering = ParseLayering(listText);
    const auto headers = [&](const std::string& header) { return ReadText(root / header); };

    int files = 0;
    for (const char* top : {"game", "sound", "setup", "tools"}) {
        for (const auto& item : fs::recursive_directory_iterator(root / top)) {
            const std::string ext = item.path().extension().string();
            if (!item.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            const std::string file = fs::relative(item.path(), root).generic_string();
            for (const std::string& fault :
                 CheckFile(layering, file, ReadText(item.path()), headers))
                ADD_FAILURE() << fault;
            ++files;
        }
    }
    EXPECT_GT(files, 250);
}

}  // namespace
