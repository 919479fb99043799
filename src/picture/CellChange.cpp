#include "picture/CellChange.h"

CellChange CellChange::between(const PictureGrid& before, const PictureGrid& after, const QRect& area)
{
    CellChange change;
    const QRect within = area & QRect(0, 0, kColumns, kRows);
    int left = kColumns, right = -1, top = kRows, bottom = -1;
    for (int x = within.left(); x <= within.right(); ++x) {
        for (int y = within.top(); y <= within.bottom(); ++y) {
            if (before.cell(x, y) != after.cell(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return change;
    change.area_ = QRect(QPoint(left, top), QPoint(right, bottom));
    const int width = change.area_.width();
    change.bits_.assign((std::size_t(width) * change.area_.height() + 7) / 8, 0);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (before.cell(x, y) != after.cell(x, y)) {
                const std::size_t bit = std::size_t(y - top) * width + (x - left);
                change.bits_[bit / 8] |= uint8_t(1u << (bit % 8));
            }
        }
    }
    return change;
}

void CellChange::flip(PictureGrid& grid) const
{
    const int width = area_.width();
    for (int y = area_.top(); y <= area_.bottom(); ++y) {
        for (int x = area_.left(); x <= area_.right(); ++x) {
            const std::size_t bit = std::size_t(y - area_.top()) * width + (x - area_.left());
            if (bits_[bit / 8] & (1u << (bit % 8)))
                grid.setCell(x, y, int16_t(1 - grid.cell(x, y)));
        }
    }
}
