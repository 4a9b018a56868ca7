#include "game/menu/letter_grid.h"

#include "game/platform/codepage.h"

namespace game {

const std::vector<LetterGrid::Cell>& LetterGrid::Cells() {
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> all;
        for (const char* letter :
             {"a", "á", "b", "c", "č", "d", "ď", "e", "é", "ě", "f", "g", "h", "i",
              "í", "j", "k", "l", "m", "n", "ň", "o", "ó", "p", "q", "r", "ř", "s",
              "š", "t", "ť", "u", "ú", "ů", "v", "w", "x", "y", "ý", "z", "ž"})
            all.push_back({CellKind::Character, letter, letter});
        for (char digit = '0'; digit <= '9'; ++digit)
            all.push_back({CellKind::Character, std::string(1, digit), std::string(1, digit)});
        all.push_back({CellKind::Character, "-", "-"});
        all.push_back({CellKind::Character, " ", "_"});
        all.push_back({CellKind::Delete, "", "←"});  // a left arrow: rubs out the last letter
        all.push_back({CellKind::Done, "", "OK"});
        return all;
    }();
    return cells;
}

void LetterGrid::Move(int dx, int dy) {
    column_ = (column_ + dx % kColumns + kColumns) % kColumns;
    row_ = (row_ + dy % kRows + kRows) % kRows;
}

bool LetterGrid::Press(std::string& name, size_t maxLength) const {
    const Cell& cell = Chosen();
    switch (cell.kind) {
        case CellKind::Done:
            return true;
        case CellKind::Delete: {
            std::vector<char32_t> characters = platform::Utf8ToCodePoints(name);
            if (characters.empty()) return false;
            characters.pop_back();
            name.clear();
            for (char32_t ch : characters)
                platform::AppendUtf8(name, ch);
            return false;
        }
        case CellKind::Character:
            if (platform::Utf8ToCodePoints(name).size() < maxLength) name += cell.text;
            return false;
    }
    return false;
}

}  // namespace game
