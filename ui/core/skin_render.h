// CSkinRender: the engine's drawing operations. This part holds image decoding: skin image bytes
// (a file or a program resource) become a premultiplied 32-bit DIB section.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/core/skin_resources.h"

namespace Tovik {

class CSkinRender {
public:
    // With a resource type, `resourceId` of that type in `module` (the resource module when
    // null); otherwise the skin file `name`. Null when the bytes cannot be had or decoded.
    static TSkinImage* LoadSkinImage(const wchar_t* name, unsigned resourceId, const wchar_t* type, DWORD colourKey,
                                     HINSTANCE module);
    static TSkinImage* DecodeSkinImage(const std::vector<unsigned char>& bytes, DWORD colourKey);
    static void FreeSkinImage(TSkinImage* image);
};

}  // namespace Tovik
