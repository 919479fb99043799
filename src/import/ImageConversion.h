#pragma once
// An image turned into the 240 x 103 cells of a picture: rotated, scaled on its
// grey levels, adjusted, and decided black or white cell by cell.
//
//   image -> luminance 0.299 R + 0.587 G + 0.114 B (transparency over white)
//         -> rotate clockwise -> scale by area averaging (or place 1:1)
//         -> brightness, contrast, invert -> threshold / error diffusion / Bayer
//
// Cells the image does not cover (around a fitted or a small image, or beyond the
// options' area) stay white.

#include "picture/PictureArea.h"
#include "picture/PictureGrid.h"

#include <QImage>

#include <vector>

enum class SizeMode { Fit, Fill, Stretch, Natural };
enum class BlackWhiteMethod { Threshold, FloydSteinberg, Ordered };

struct ConversionOptions {
    SizeMode size = SizeMode::Fit;
    BlackWhiteMethod method = BlackWhiteMethod::Threshold;
    int level = 128;       // Threshold: black when the luminance is below it; 0 to 255
    int brightness = 0;    // -100 to 100
    int contrast = 0;      // -100 to 100
    bool invert = false;
    int rotation = 0;      // clockwise degrees: 0, 90, 180 or 270
    PictureArea area;      // the cells the image lands on, from the top-left: all, or a TI-89's 159 x 77
    bool operator==(const ConversionOptions&) const = default;
};

// The grey levels (0 black to 255 white) that land on the cells, before any
// decision; what the preview of a dialog keeps while only the decision changes.
struct GreyCells {
    std::vector<float> level = std::vector<float>(kColumns * kRows, 255.0f);  // row by row
    std::vector<uint8_t> covered = std::vector<uint8_t>(kColumns * kRows, 0);
    float& at(int x, int y) { return level[y * kColumns + x]; }
    float at(int x, int y) const { return level[y * kColumns + x]; }
    bool isCovered(int x, int y) const { return covered[y * kColumns + x]; }
};

// Only rotation and size are read from the options. A null image covers nothing.
GreyCells greyCells(const QImage& image, const ConversionOptions& options);

// Brightness, contrast, invert and the black-and-white method applied to the grey levels.
PictureGrid decideCells(const GreyCells& grey, const ConversionOptions& options);

inline PictureGrid convertImage(const QImage& image, const ConversionOptions& options)
{
    return decideCells(greyCells(image, options), options);
}
