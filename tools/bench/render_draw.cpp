// Render micro-benchmark (a Windows program, run under Wine by tools/bench/render-bench): the
// installer's heaviest draw, a 600 × 342 background cut from a JPEG with "source" plus a
// nine-grid button, 1,000 times into an offscreen canvas; prints microseconds per draw.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/portable/zip_builder.h"
#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

void Append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

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

}  // namespace

int main() {
    constexpr int kDraws = 1000;
    const std::string archive =
        TestZip::Build({{"bg.jpg", Picture(600, 684, true), TestZip::kStored}, {"btn.png", Picture(100, 120, false)}})
            .bytes;
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(archive.data(), static_cast<uint32_t>(archive.size()), nullptr);
    Tovik::CPaintManagerUI manager;
    Tovik::ScopedMemoryDC dc;
    void* bits = nullptr;
    Tovik::ScopedGdiObject<HBITMAP> canvas(Tovik::CreateTopDownDib(600, 342, &bits));
    Tovik::ScopedSelectObject select(dc.get(), canvas.get());
    const RECT window = {0, 0, 600, 342}, button = {250, 280, 350, 320};
    const auto drawOnce = [&] {
        Tovik::CSkinRender::DrawImageString(dc.get(), &manager, window, window, L"file='bg.jpg' source='0,0,600,342'",
                                            nullptr);
        Tovik::CSkinRender::DrawImageString(dc.get(), &manager, button, window,
                                            L"file='btn.png' source='0,0,100,40' corner='4,4,4,4'", nullptr);
    };
    drawOnce();  // decodes and caches both images
    GdiFlush();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kDraws; ++i) drawOnce();
    GdiFlush();
    const double micros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::printf("600x342 JPEG background (source) + 100x40 nine-grid button: %.1f us per draw (%d draws)\n",
                micros / kDraws, kDraws);
    return 0;
}
