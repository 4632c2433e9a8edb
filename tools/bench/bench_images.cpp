// Benchmark pictures through stb_image_write.
#include "tools/bench/bench_images.h"

#include <vector>

#include "tests/portable/zip_builder.h"
#include "ui/core/paint_manager_ui.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace BenchImages {
namespace {

void Append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

}  // namespace

// A smooth picture, so the JPEG is realistic; the PNG version is translucent.
std::string Picture(int width, int height, bool jpeg) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<unsigned char>(x * 255 / width);
            p[1] = static_cast<unsigned char>(y * 255 / height);
            p[2] = 160;
            p[3] = jpeg ? 255 : static_cast<unsigned char>(200 + (x + y) % 56);
        }
    }
    std::string out;
    if (jpeg) {
        stbi_write_jpg_to_func(Append, &out, width, height, 4, pixels.data(), 90);
    } else {
        stbi_write_png_to_func(Append, &out, width, height, 4, pixels.data(), width * 4);
    }
    return out;
}

std::string ServeSkinImages(int backgroundWidth, int backgroundHeight) {
    std::string archive =
        TestZip::Build({{"bg.jpg", Picture(backgroundWidth, backgroundHeight, true), TestZip::kStored},
                        {"btn.png", Picture(100, 120, false)}})
            .bytes;
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(archive.data(), static_cast<uint32_t>(archive.size()), nullptr);
    return archive;
}

}  // namespace BenchImages
