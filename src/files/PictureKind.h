#pragma once
// Which kind of calculator picture file a path or a Save As filter names.

#include "link/CalcModel.h"

#include <QString>

#include <optional>

// The kind named by the path's last three characters in any case: 92I, 9XI, V2I or 89I.
std::optional<CalcKind> pictureKindOfPath(const QString& path);

// Where a Save As goes once the dialog has answered.
struct SaveAsTarget {
    enum class Format { Bitmap, CalculatorFile, NoKind };
    Format format = Format::NoKind;
    QString path;        // the chosen path, with ".bmp" added for the Bitmap filter
    CalcKind kind = CalcKind::TI92Plus;  // for CalculatorFile only
};

// Filter 4 (Bitmap) adds ".bmp" to a name that does not end in "bmp"; a name
// ending in "bmp" is then a bitmap whatever the filter. Otherwise the filter
// alone picks the kind (1 Voyage 200, 2 TI-92 Plus, 3 TI-92, 5 TI-89), whatever the
// typed extension, and the path stays exactly as chosen.
SaveAsTarget saveAsTarget(const QString& chosenPath, int filterIndex);
