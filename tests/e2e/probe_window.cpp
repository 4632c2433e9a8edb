// A tiny GUI program that proves the end-to-end harness: it paints known colours and the
// installer's title in Chinese with GDI, and its exit code says which half was clicked
// (11 left, 22 right; 3 when nobody clicks within 30 s).
#include <windows.h>

#include "ui/core/gdi_handles.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 200;
constexpr int kBandHeight = 60;
constexpr COLORREF kLeftColour = RGB(200, 30, 30);
constexpr COLORREF kRightColour = RGB(30, 160, 60);
constexpr UINT_PTR kGiveUpTimer = 1;

void FillColour(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT rect = {left, top, right, bottom};
    const Tovik::ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void PaintTitle(HDC dc) {
    const Tovik::ScopedGdiObject<HFONT> font(CreateFontW(-24, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                                         0, 0, ANTIALIASED_QUALITY, 0, L"Microsoft YaHei"));
    const Tovik::ScopedSelectObject selected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const wchar_t title[] = L"Corvana\x5728\x7EBF\x5B89\x88C5\x7A0B\x5E8F";
    TextOutW(dc, 10, 14, title, ARRAYSIZE(title) - 1);
}

void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillColour(dc, 0, 0, kWidth, kBandHeight, RGB(255, 255, 255));
    FillColour(dc, 0, kBandHeight, kWidth / 2, kHeight, kLeftColour);
    FillColour(dc, kWidth / 2, kBandHeight, kWidth, kHeight, kRightColour);
    PaintTitle(dc);
    EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONUP: PostQuitMessage(static_cast<short>(LOWORD(lParam)) < kWidth / 2 ? 11 : 22); return 0;
    case WM_TIMER: PostQuitMessage(3); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = L"CorvanaProbe";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Corvana probe", WS_POPUP | WS_VISIBLE, 100, 100,
                                  kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 2;
    SetTimer(window, kGiveUpTimer, 30000, nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(window);
    return static_cast<int>(msg.wParam);
}
