// Image decoding: stb_image turns PNG, JPEG, BMP or GIF bytes into RGBA, stored premultiplied in a
// top-down DIB section with the colour key applied.
#include <cstdint>
#include <memory>

#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_files.h"
#include "ui/core/skin_render.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_MAX_DIMENSIONS 16384
#include <stb_image.h>

namespace Tovik {
namespace {

// Dimensions are only what the image claims: nothing larger is decoded.
constexpr int64_t kMaxImageBytes = 64 << 20;

struct StbFree {
    void operator()(unsigned char* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

TSkinImage* CSkinRender::LoadSkinImage(const wchar_t* name, unsigned resourceId, const wchar_t* type, DWORD colourKey,
                                       HINSTANCE module) {
    if (type == nullptr || *type == 0) return DecodeSkinImage(CPaintManagerUI::LoadSkinBytes(name), colourKey);
    const wchar_t* resource = name != nullptr ? name : MAKEINTRESOURCEW(resourceId);
    return DecodeSkinImage(ReadResourceBytes(resource, type, module), colourKey);
}

TSkinImage* CSkinRender::DecodeSkinImage(const std::vector<unsigned char>& bytes, DWORD colourKey) {
    if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return nullptr;
    const auto length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) ||
        static_cast<int64_t>(width) * height * 4 > kMaxImageBytes) {
        return nullptr;
    }
    std::unique_ptr<unsigned char, StbFree> rgba(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 4));
    if (rgba == nullptr) return nullptr;

    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, &bits);
    if (bitmap == nullptr) return nullptr;

    bool alpha = false;
    auto* out = static_cast<uint32_t*>(bits);
    const unsigned char* in = rgba.get();
    for (int64_t i = 0, count = static_cast<int64_t>(width) * height; i < count; ++i, in += 4) {
        const uint32_t a = in[3];
        uint32_t r = in[0], g = in[1], b = in[2];
        if (a < 255) {
            r = r * a / 255;
            g = g * a / 255;
            b = b * a / 255;
            alpha = true;
        }
        out[i] = a << 24 | r << 16 | g << 8 | b;
        if (out[i] == colourKey) {
            out[i] = 0;
            alpha = true;
        }
    }
    auto* image = new TSkinImage;
    image->bitmap = bitmap;
    image->width = width;
    image->height = height;
    image->alpha = alpha;
    return image;
}

void CSkinRender::FreeSkinImage(TSkinImage* image) {
    if (image == nullptr) return;
    if (image->bitmap != nullptr) DeleteObject(image->bitmap);
    delete image;
}

}  // namespace Tovik
