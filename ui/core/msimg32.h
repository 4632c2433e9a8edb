// AlphaBlend and GradientFill from "msimg32.dll", looked up once by name and kept for the process.
// Every Windows version and Wine has both, so the engine draws nothing rather than emulate them
// when they are missing.
#pragma once

#include <windows.h>

namespace Tovik {

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

AlphaBlendFunction GetAlphaBlend();
GradientFillFunction GetGradientFill();

}  // namespace Tovik
