// The letter grid of the save dialog: a name written with the pad alone.
// Eleven columns by five rows: the Czech alphabet with its accented letters,
// the digits, then a hyphen, a space, "delete" and "done".  The pad's arrows move the
// chosen cell (round at the edges), A presses it.  Plain C++.
#pragma once

#include <string>
#include <vector>

namespace game {

class LetterGrid {
  public:
    static constexpr int kColumns = 11;
    static constexpr int kRows = 5;

    enum class CellKind { Character, Delete, Done };
    struct Cell {
        CellKind kind;
        // What the cell types (UTF-8); nothing for delete and done.
        std::string text;
        // What the cell shows.
        std::string caption;
    };

    // The cells, row by row.
    static const std::vector<Cell>& Cells();
    static const Cell& CellAt(int column, int row) { return Cells()[row * kColumns + column]; }

    int Column() const { return column_; }
    int Row() const { return row_; }
    const Cell& Chosen() const { return CellAt(column_, row_); }

    // One step; leaving an edge comes in at the opposite one.
    void Move(int dx, int dy);
    // Back to the first cell, as the grid opens.
    void Reset() { column_ = row_ = 0; }

    // The chosen cell pressed on the name (UTF-8): a character is added, up
    // to `maxLength` characters, delete takes off the last character.  True
    // for "done".
    bool Press(std::string& name, size_t maxLength) const;

  private:
    int column_ = 0;
    int row_ = 0;
};

}  // namespace game
