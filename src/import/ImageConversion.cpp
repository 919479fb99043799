#include "import/ImageConversion.h"

#include "import/ImportPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

// The image as 32-bit pixels, without a copy when it already is one.
QImage thirtyTwoBit(const QImage& image)
{
    if (image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The luminance of pixels first to last of one row in thousandths, transparency composited onto
// white. Integer weights keep a grey pixel's luminance exactly its level; the one division by
// 1000 comes after the averaging.
void rowLuminance(const QImage& pixels, int y, int first, int last, float* out)
{
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    if (pixels.format() == QImage::Format_RGB32) {
        for (int x = first; x <= last; ++x)
            out[x - first] = float(299 * qRed(row[x]) + 587 * qGreen(row[x]) + 114 * qBlue(row[x]));
        return;
    }
    for (int x = first; x <= last; ++x) {
        const double alpha = qAlpha(row[x]) / 255.0;
        const double opaque = 299.0 * qRed(row[x]) + 587.0 * qGreen(row[x]) + 114.0 * qBlue(row[x]);
        out[x - first] = float(opaque * alpha + 255000.0 * (1.0 - alpha));
    }
}

// The weighted sum of a span's values. Four sums side by side, so that each addition need
// not wait for the one before: the averaging of a photo is mostly this loop.
float weightedSum(const std::vector<float>& weights, const float* values, size_t stride = 1)
{
    float sums[4] = {0, 0, 0, 0};
    const size_t count = weights.size();
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        for (size_t lane = 0; lane < 4; ++lane)
            sums[lane] += weights[i + lane] * values[(i + lane) * stride];
    }
    for (; i < count; ++i)
        sums[0] += weights[i] * values[i * stride];
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

// The source pixels one target pixel covers along one axis, with the share of each.
struct Span {
    int first = 0;
    std::vector<float> weights;
    int last() const { return first + int(weights.size()) - 1; }
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

// The same spans counted from the other end of an axis of sourceSize pixels.
std::vector<Span> reversed(std::vector<Span> spans, int sourceSize)
{
    for (Span& span : spans) {
        span.first = sourceSize - 1 - span.last();
        std::reverse(span.weights.begin(), span.weights.end());
    }
    return spans;
}

// Number of clockwise quarter turns.
int quarterTurns(int rotation)
{
    return ((rotation / 90) % 4 + 4) % 4;
}

// Averages the source rectangle (in pixels of the image turned clockwise) onto the target
// rectangle of the cells. The averaging runs along the unturned image's rows, so that every
// pixel is read once and in memory order, whatever the turn.
//
//   turn   view x runs along        view y runs along
//   0      image x                  image y
//   90     image y, bottom up       image x
//   180    image x, right to left   image y, bottom up
//   270    image y                  image x, right to left
void averageInto(const QImage& image, int quarter, const QRectF& source, const QRect& target, GreyCells& cells)
{
    const bool sideways = quarter % 2 != 0;
    const int viewWidth = sideways ? image.height() : image.width();
    const int viewHeight = sideways ? image.width() : image.height();
    std::vector<Span> across = areaSpans(source.x(), source.width(), target.width(), viewWidth);
    std::vector<Span> down = areaSpans(source.y(), source.height(), target.height(), viewHeight);
    if (quarter == 1)
        across = reversed(std::move(across), viewWidth);
    if (quarter == 2) {
        across = reversed(std::move(across), viewWidth);
        down = reversed(std::move(down), viewHeight);
    }
    if (quarter == 3)
        down = reversed(std::move(down), viewHeight);
    const std::vector<Span>& alongRows = sideways ? down : across;
    const std::vector<Span>& alongColumns = sideways ? across : down;

    const auto byFirst = [](const Span& a, const Span& b) { return a.first < b.first; };
    const auto byLast = [](const Span& a, const Span& b) { return a.last() < b.last(); };
    const int firstX = std::min_element(alongRows.begin(), alongRows.end(), byFirst)->first;
    const int lastX = std::max_element(alongRows.begin(), alongRows.end(), byLast)->last();
    const int firstY = std::min_element(alongColumns.begin(), alongColumns.end(), byFirst)->first;
    const int lastY = std::max_element(alongColumns.begin(), alongColumns.end(), byLast)->last();

    const QImage pixels = thirtyTwoBit(image);
    const size_t columns = alongRows.size();
    std::vector<float> luminance(size_t(lastX - firstX + 1));
    std::vector<float> rows(size_t(lastY - firstY + 1) * columns);  // each row averaged across first
    for (int y = firstY; y <= lastY; ++y) {
        rowLuminance(pixels, y, firstX, lastX, luminance.data());
        float* out = rows.data() + size_t(y - firstY) * columns;
        for (size_t k = 0; k < columns; ++k)
            out[k] = weightedSum(alongRows[k].weights, luminance.data() + (alongRows[k].first - firstX));
    }
    for (size_t j = 0; j < alongColumns.size(); ++j) {
        const Span& span = alongColumns[j];
        for (size_t k = 0; k < columns; ++k) {
            const float sum = weightedSum(span.weights, rows.data() + size_t(span.first - firstY) * columns + k, columns);
            // Back to the turned picture: rows of the image are columns of the cells when sideways.
            const int x = target.x() + int(sideways ? j : k);
            const int y = target.y() + int(sideways ? k : j);
            cells.at(x, y) = sum / 1000.0f;
            cells.covered[size_t(y * kColumns + x)] = 1;
        }
    }
}

// The image placed 1:1 as File > Import places it; only the part that can land on cells is read.
void placeNatural(const QImage& image, int quarter, const PictureArea& area, GreyCells& cells)
{
    const bool sideways = quarter % 2 != 0;
    const int viewWidth = sideways ? image.height() : image.width();
    const int viewHeight = sideways ? image.width() : image.height();
    const ImportPlacement placement = importPlacement(viewWidth, viewHeight);
    const int lastColumn = std::min(placement.lastColumn, viewWidth - 1);
    const int lastRow = std::min(placement.lastRow, viewHeight - 1);
    const QImage pixels = thirtyTwoBit(image);
    const int w = pixels.width();
    const int h = pixels.height();
    float level = 0;
    for (int y = 0; y <= lastRow; ++y) {
        for (int x = 0; x <= lastColumn; ++x) {
            const int cellX = x + placement.columnOffset;
            const int cellY = y + placement.rowOffset;
            if (!area.contains(cellX, cellY))
                continue;
            const QPoint at = quarter == 1 ? QPoint(y, h - 1 - x)
                              : quarter == 2 ? QPoint(w - 1 - x, h - 1 - y)
                              : quarter == 3 ? QPoint(w - 1 - y, x)
                                             : QPoint(x, y);
            rowLuminance(pixels, at.y(), at.x(), at.x(), &level);
            cells.at(cellX, cellY) = level / 1000.0f;
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
    const int quarter = quarterTurns(options.rotation);
    const double width = quarter % 2 ? image.height() : image.width();
    const double height = quarter % 2 ? image.width() : image.height();
    const int columns = options.area.columns;
    const int rows = options.area.rows;
    switch (options.size) {
    case SizeMode::Natural:
        placeNatural(image, quarter, options.area, cells);
        break;
    case SizeMode::Stretch:
        averageInto(image, quarter, QRectF(0, 0, width, height), QRect(0, 0, columns, rows), cells);
        break;
    case SizeMode::Fill: {
        const double scale = std::max(columns / width, rows / height);
        const double spanX = columns / scale;
        const double spanY = rows / scale;
        averageInto(image, quarter, QRectF((width - spanX) / 2, (height - spanY) / 2, spanX, spanY),
                    QRect(0, 0, columns, rows), cells);
        break;
    }
    case SizeMode::Fit: {
        const double scale = std::min(columns / width, rows / height);
        const int w = std::clamp(int(std::lround(width * scale)), 1, columns);
        const int h = std::clamp(int(std::lround(height * scale)), 1, rows);
        averageInto(image, quarter, QRectF(0, 0, width, height), QRect((columns - w) / 2, (rows - h) / 2, w, h),
                    cells);
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
