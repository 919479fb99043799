#pragma once
// Collects the cells a drawing rule hands out, and shows them as the strings tests expect.

#include "draw/Cells.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

struct CellRecorder {
    QList<QPoint> cells;

    CellSink sink()
    {
        return [this](int16_t x, int16_t y) { cells.append(QPoint(x, y)); };
    }

    // "10,20 11,20 ...", in the order painted.
    QString sequence() const
    {
        QStringList parts;
        for (const QPoint& cell : cells)
            parts << QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y());
        return parts.join(QLatin1Char(' '));
    }

    // One string per row of the area: 'X' for a painted cell, '.' for the others.
    QStringList picture(const QRect& area) const
    {
        QStringList rows;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            QString row;
            for (int x = area.left(); x <= area.right(); ++x)
                row += cells.contains(QPoint(x, y)) ? QLatin1Char('X') : QLatin1Char('.');
            rows << row;
        }
        return rows;
    }
};
