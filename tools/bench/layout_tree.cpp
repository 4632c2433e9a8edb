// Layout benchmark (a Windows program, run under Wine by tools/bench/windows-bench): a tree of
// 1,000 controls in nested vertical and horizontal layouts, laid out 1,000 times; prints
// microseconds per full layout.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"

int main() {
    constexpr int kRows = 100, kPerRow = 9, kLayouts = 1000;
    Tovik::CVerticalLayoutUI root;
    root.ApplyAttributeString(L"inset=\"4,4,4,4\" childpadding=\"2\"");
    int controls = 1;
    for (int r = 0; r < kRows; ++r) {
        auto* row = new Tovik::CHorizontalLayoutUI;
        row->ApplyAttributeString(r % 3 == 0 ? L"height=\"24\" childpadding=\"3\"" : L"childvalign=\"vcenter\"");
        for (int c = 0; c < kPerRow; ++c) {
            auto* cell = new Tovik::CControlUI;
            if (c % 2 == 0) cell->ApplyAttributeString(L"width=\"40\" height=\"16\" padding=\"2,1,2,1\"");
            row->AddItem(cell);
        }
        root.AddItem(row);
        controls += 1 + kPerRow;
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLayouts; ++i) root.SetPosition({0, 0, 800 + (i & 1), 6000}, false);
    const double micros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d controls in nested layouts: %.1f us per full layout (%d layouts)\n", controls, micros / kLayouts,
                kLayouts);
    return 0;
}
