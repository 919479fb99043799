#include "import/WmfDecoder.h"

#include "import/ImageLimits.h"
#include "import/WmfLayout.h"
#include "import/WmfMemoryBudget.h"
#include "import/WmfPlayGuard.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <QByteArray>

#include <memory>

namespace {

struct WmfApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using WmfApi = std::unique_ptr<wmfAPI, WmfApiDeleter>;

WmfApi createPlayer(WmfMemoryBudget& budget)
{
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    budget.install(options);
    wmfAPI* api = nullptr;
    const unsigned long flags =
        WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return nullptr;
    }
    return WmfApi(api);
}

// The player draws a line by stamping its pen along it and allocates glyphs at
// their full size, both with no limit of its own: coarse units, wide pens and
// tall fonts would cost time and memory out of all proportion to the file.
constexpr double kMaxPixelsPerUnit = 16;
constexpr double kMaxPenPixels = 64;
constexpr double kMaxFontPixels = 2048;

bool drawingCostBounded(const WmfLayout& layout)
{
    return layout.pixelsPerUnit <= kMaxPixelsPerUnit && layout.widestPen * layout.pixelsPerUnit <= kMaxPenPixels
        && layout.tallestFont * layout.pixelsPerUnit <= kMaxFontPixels;
}

// Collects the PNG the player writes. The player keeps an image it hands out
// raw for the caller to free, with a function it does not export; as a PNG it
// frees the image itself.
int appendToByteArray(void* context, char* buffer, int length)
{
    static_cast<QByteArray*>(context)->append(buffer, length);
    return length;
}

}  // namespace

std::optional<QImage> decodeWmf(QByteArrayView bytes)
{
    std::optional<WmfLayout> layout = readWmfLayout(bytes);
    if (!layout || !drawingCostBounded(*layout)
        || (!layout->frameFromDrawing && !imageSizeAcceptable(layout->pixelSize)))
        return std::nullopt;
    WmfMemoryBudget budget;
    WmfApi api = createPlayer(budget);
    if (!api)
        return std::nullopt;
    // The player only reads the buffer, whatever its signature says.
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    wmfD_Rect box{};
    if (wmf_mem_open(api.get(), data, static_cast<long>(bytes.size())) != wmf_E_None
        || wmf_scan(api.get(), 0, &box) != wmf_E_None)
        return std::nullopt;
    // The scanned box holds only what is drawn; the frame places the drawing in the
    // picture, unless the file names no frame.
    if (layout->frameFromDrawing) {
        frameDrawnBox(*layout, QRectF(QPointF(box.TL.x, box.TL.y), QPointF(box.BR.x, box.BR.y)));
        if (!imageSizeAcceptable(layout->pixelSize))
            return std::nullopt;
    }
    const QRectF& frame = layout->deviceFrame;
    box.TL = {static_cast<float>(frame.left()), static_cast<float>(frame.top())};
    box.BR = {static_cast<float>(frame.right()), static_cast<float>(frame.bottom())};
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    if (!(device->flags & WMF_GD_SUPPORTS_PNG))
        return std::nullopt;
    QByteArray png;
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = appendToByteArray;
    device->bbox = box;
    device->width = static_cast<unsigned int>(layout->pixelSize.width());
    device->height = static_cast<unsigned int>(layout->pixelSize.height());
    WmfPlayGuard guard(api.get(), frame);
    guard.start();
    if (wmf_play(api.get(), 0, &box) != wmf_E_None)
        return std::nullopt;
    QImage image = QImage::fromData(png, "PNG");
    if (image.size() != layout->pixelSize)
        return std::nullopt;
    return image;
}
