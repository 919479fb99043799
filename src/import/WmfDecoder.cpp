#include "import/WmfDecoder.h"

#include "import/ImageLimits.h"
#include "import/WmfLayout.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <memory>

namespace {

struct WmfApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using WmfApi = std::unique_ptr<wmfAPI, WmfApiDeleter>;

WmfApi createPlayer()
{
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    wmfAPI* api = nullptr;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return nullptr;
    }
    return WmfApi(api);
}

// gd's pixels are 0xAARRGGBB with a 7-bit alpha where 0 is opaque.
QRgb fromGdPixel(int pixel)
{
    const auto value = static_cast<uint32_t>(pixel);
    const uint32_t transparency = (value >> 24) & 0x7F;
    const int alpha = 255 - static_cast<int>((transparency * 255 + 63) / 127);
    return qRgba((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, alpha);
}

}  // namespace

std::optional<QImage> decodeWmf(QByteArrayView bytes)
{
    const std::optional<WmfLayout> layout = readWmfLayout(bytes);
    if (!layout || !imageSizeAcceptable(layout->pixelSize))
        return std::nullopt;
    WmfApi api = createPlayer();
    if (!api)
        return std::nullopt;
    // The player only reads the buffer, whatever its signature says.
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    wmfD_Rect box{};
    if (wmf_mem_open(api.get(), data, static_cast<long>(bytes.size())) != wmf_E_None
        || wmf_scan(api.get(), 0, &box) != wmf_E_None)
        return std::nullopt;
    // The scanned box holds only what is drawn; the frame places the drawing in the picture.
    if (layout->deviceFrame) {
        box.TL = {static_cast<float>(layout->deviceFrame->left()), static_cast<float>(layout->deviceFrame->top())};
        box.BR = {static_cast<float>(layout->deviceFrame->right()),
                  static_cast<float>(layout->deviceFrame->bottom())};
    }
    if (!(box.BR.x > box.TL.x) || !(box.BR.y > box.TL.y))
        return std::nullopt;
    const int width = layout->pixelSize.width();
    const int height = layout->pixelSize.height();
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    device->bbox = box;
    device->width = static_cast<unsigned int>(width);
    device->height = static_cast<unsigned int>(height);
    if (wmf_play(api.get(), 0, &box) != wmf_E_None || !device->gd_image)
        return std::nullopt;
    const int* pixels = wmf_gd_image_pixels(device->gd_image);
    if (!pixels)
        return std::nullopt;
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = fromGdPixel(pixels[y * width + x]);
    }
    return image;
}
