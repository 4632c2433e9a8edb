// Render micro-benchmark (a Windows program, run under Wine by tools/bench/render-bench): the
// installer's heaviest draw, a 600 × 342 background cut from a JPEG with "source" plus a
// nine-grid button, 1,000 times into an offscreen canvas; prints microseconds per draw.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/bench/bench_images.h"
#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

int main() {
    constexpr int kDraws = 1000;
    const std::string archive = BenchImages::ServeSkinImages(600, 684);
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
