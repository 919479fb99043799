#include "import/ImageConversion.h"

#include "import/ImportPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

// The luminance of every pixel, transparency composited onto white.
struct Luminance {
    int width = 0;
    int height = 0;
    std::vector<float> level;

    explicit Luminance(const QImage& image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        width = argb.width();
        height = argb.height();
        level.resize(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            float* out = level.data() + size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x) {
                // Integer weights keep a grey pixel's luminance exactly its level.
                const double alpha = qAlpha(row[x]) / 255.0;
                const double opaque = (299.0 * qRed(row[x]) + 587.0 * qGreen(row[x]) + 114.0 * qBlue(row[x])) / 1000.0;
                out[x] = float(opaque * alpha + 255.0 * (1.0 - alpha));
            }
        }
    }
};

// The luminance seen turned clockwise by a multiple of 90 degrees, without a copy.
class RotatedView {
public:
    RotatedView(const Luminance& source, int rotation) : source_(source), quarter_(((rotation / 90) % 4 + 4) % 4) {}

    int width() const { return quarter_ % 2 ? source_.height : source_.width; }
    int height() const { return quarter_ % 2 ? source_.width : source_.height; }

    float at(int x, int y) const
    {
        const int w = source_.width;
        const int h = source_.height;
        switch (quarter_) {
        case 1:  // source (0, 0) lands top right
            return pixel(y, h - 1 - x);
        case 2:
            return pixel(w - 1 - x, h - 1 - y);
        case 3:  // source (0, 0) lands bottom left
            return pixel(w - 1 - y, x);
        default:
            return pixel(x, y);
        }
    }

private:
    float pixel(int x, int y) const { return source_.level[size_t(y) * size_t(source_.width) + size_t(x)]; }
    const Luminance& source_;
    int quarter_;
};

// The source pixels one target pixel covers along one axis, with the share of each.
struct Span {
    int first = 0;
    std::vector<float> weights;
};

// Target pixel k covers the source interval [start + k * step, start + (k + 1) * step).
std::vector<Span> areaSpans(double start, double length, int targets, int sourceSize)
{
    std::vector<Span> spans(static_cast<size_t>(targets));
    const double step = length / targets;
    for (int k = 0; k < targets; ++k) {
        const double from = start + k * step;
        const double to = from + step;
        Span& span = spans[size_t(k)];
        span.first = std::clamp(int(std::floor(from)), 0, sourceSize - 1);
        const int last = std::clamp(int(std::ceil(to)) - 1, span.first, sourceSize - 1);
        double total = 0;
        for (int i = span.first; i <= last; ++i) {
            const double share = std::max(0.0, std::min(to, i + 1.0) - std::max(from, double(i)));
            span.weights.push_back(float(share));
            total += share;
        }
        if (total <= 0) {  // an interval that rounding left empty takes its nearest pixel
            span.weights.assign(span.weights.size(), 0.0f);
            span.weights.front() = 1.0f;
            continue;
        }
        for (float& weight : span.weights)
            weight = float(weight / total);
    }
    return spans;
}

// Averages the source rectangle (in the view's pixels) onto the target rectangle of the cells.
void averageInto(const RotatedView& view, const QRectF& source, const QRect& target, GreyCells& cells)
{
    const std::vector<Span> across = areaSpans(source.x(), source.width(), target.width(), view.width());
    const std::vector<Span> down = areaSpans(source.y(), source.height(), target.height(), view.height());
    const int firstRow = down.front().first;
    const int lastRow = down.back().first + int(down.back().weights.size()) - 1;

    // Each source row needed, averaged across first.
    std::vector<float> rows(size_t(lastRow - firstRow + 1) * size_t(target.width()));
    for (int y = firstRow; y <= lastRow; ++y) {
        float* out = rows.data() + size_t(y - firstRow) * size_t(target.width());
        for (int k = 0; k < target.width(); ++k) {
            const Span& span = across[size_t(k)];
            float sum = 0;
            for (size_t i = 0; i < span.weights.size(); ++i)
                sum += span.weights[i] * view.at(span.first + int(i), y);
            out[k] = sum;
        }
    }
    for (int j = 0; j < target.height(); ++j) {
        const Span& span = down[size_t(j)];
        for (int k = 0; k < target.width(); ++k) {
            float sum = 0;
            for (size_t i = 0; i < span.weights.size(); ++i)
                sum += span.weights[i] * rows[size_t(span.first + int(i) - firstRow) * size_t(target.width()) + size_t(k)];
            const int x = target.x() + k;
            const int y = target.y() + j;
            cells.at(x, y) = sum;
            cells.covered[size_t(y * kColumns + x)] = 1;
        }
    }
}

void placeNatural(const RotatedView& view, const PictureArea& area, GreyCells& cells)
{
    const ImportPlacement placement = importPlacement(view.width(), view.height());
    const int lastColumn = std::min(placement.lastColumn, view.width() - 1);
    const int lastRow = std::min(placement.lastRow, view.height() - 1);
    for (int y = 0; y <= lastRow; ++y) {
        for (int x = 0; x <= lastColumn; ++x) {
            const int cellX = x + placement.columnOffset;
            const int cellY = y + placement.rowOffset;
            if (!area.contains(cellX, cellY))
                continue;
            cells.at(cellX, cellY) = view.at(x, y);
            cells.covered[size_t(cellY * kColumns + cellX)] = 1;
        }
    }
}

float adjusted(float grey, const ConversionOptions& options)
{
    // Contrast stretches or flattens around the middle grey: -100 makes all grey, 100 a hard step.
    const double factor = options.contrast >= 0 ? 100.0 / std::max(100 - options.contrast, 1)
                                                : (100.0 + options.contrast) / 100.0;
    double value = (grey + 2.55 * options.brightness - 128.0) * factor + 128.0;
    value = std::clamp(value, 0.0, 255.0);
    return float(options.invert ? 255.0 - value : value);
}

constexpr int kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

void diffuseErrors(std::vector<float>& grey, const GreyCells& cells, PictureGrid& result)
{
    const auto spread = [&](int x, int y, float error) {
        if (PictureGrid::contains(x, y) && cells.isCovered(x, y))
            grey[size_t(y * kColumns + x)] += error;
    };
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (!cells.isCovered(x, y))
                continue;
            const float old = grey[size_t(y * kColumns + x)];
            const bool black = old < 127.5f;
            if (black)
                result.setCell(x, y, 1);
            const float error = old - (black ? 0.0f : 255.0f);
            spread(x + 1, y, error * 7 / 16);
            spread(x - 1, y + 1, error * 3 / 16);
            spread(x, y + 1, error * 5 / 16);
            spread(x + 1, y + 1, error * 1 / 16);
        }
    }
}

}  // namespace

GreyCells greyCells(const QImage& image, const ConversionOptions& options)
{
    GreyCells cells;
    if (image.isNull())
        return cells;
    const Luminance luminance(image);
    const RotatedView view(luminance, options.rotation);
    const double width = view.width();
    const double height = view.height();
    const int columns = options.area.columns;
    const int rows = options.area.rows;
    switch (options.size) {
    case SizeMode::Natural:
        placeNatural(view, options.area, cells);
        break;
    case SizeMode::Stretch:
        averageInto(view, QRectF(0, 0, width, height), QRect(0, 0, columns, rows), cells);
        break;
    case SizeMode::Fill: {
        const double scale = std::max(columns / width, rows / height);
        const double spanX = columns / scale;
        const double spanY = rows / scale;
        averageInto(view, QRectF((width - spanX) / 2, (height - spanY) / 2, spanX, spanY),
                    QRect(0, 0, columns, rows), cells);
        break;
    }
    case SizeMode::Fit: {
        const double scale = std::min(columns / width, rows / height);
        const int w = std::clamp(int(std::lround(width * scale)), 1, columns);
        const int h = std::clamp(int(std::lround(height * scale)), 1, rows);
        averageInto(view, QRectF(0, 0, width, height), QRect((columns - w) / 2, (rows - h) / 2, w, h), cells);
        break;
    }
    }
    return cells;
}

PictureGrid decideCells(const GreyCells& grey, const ConversionOptions& options)
{
    std::vector<float> levels(grey.level.size(), 255.0f);
    for (size_t i = 0; i < levels.size(); ++i) {
        if (grey.covered[i])
            levels[i] = adjusted(grey.level[i], options);
    }
    PictureGrid result;
    if (options.method == BlackWhiteMethod::FloydSteinberg) {
        diffuseErrors(levels, grey, result);
        return result;
    }
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (!grey.isCovered(x, y))
                continue;
            const float level = levels[size_t(y * kColumns + x)];
            const bool black = options.method == BlackWhiteMethod::Ordered ? level < (kBayer[y % 8][x % 8] + 0.5f) * 4.0f
                                                                           : level < float(options.level);
            if (black)
                result.setCell(x, y, 1);
        }
    }
    return result;
}
