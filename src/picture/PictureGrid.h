#pragma once
// The picture document: 240 x 103 cells, column first, 1 = black, 0 = white.

#include <array>
#include <cstdint>

constexpr int kColumns = 240;
constexpr int kRows = 103;

class PictureGrid {
public:
    // Every cell becomes 0.
    void ResetGrid() { cells_.fill(0); }

    static bool contains(int x, int y) { return x >= 0 && x < kColumns && y >= 0 && y < kRows; }

    // Precondition: contains(x, y).
    int16_t cell(int x, int y) const { return cells_[index(x, y)]; }
    void setCell(int x, int y, int16_t value) { cells_[index(x, y)] = value; }
    bool isSet(int x, int y) const { return cell(x, y) == 1; }

    bool operator==(const PictureGrid&) const = default;

private:
    static int index(int x, int y) { return x * kRows + y; }
    std::array<int16_t, kColumns * kRows> cells_{};
};
