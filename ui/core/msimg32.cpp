// Run-time lookup of the msimg32 entry points.
#include "ui/core/msimg32.h"

namespace Tovik {
namespace {

FARPROC Lookup(const char* name) {
    static const HMODULE library = LoadLibraryW(L"msimg32.dll");
    return library != nullptr ? GetProcAddress(library, name) : nullptr;
}

}  // namespace

AlphaBlendFunction GetAlphaBlend() {
    static const auto function = reinterpret_cast<AlphaBlendFunction>(reinterpret_cast<void*>(Lookup("AlphaBlend")));
    return function;
}

GradientFillFunction GetGradientFill() {
    static const auto function =
        reinterpret_cast<GradientFillFunction>(reinterpret_cast<void*>(Lookup("GradientFill")));
    return function;
}

}  // namespace Tovik
