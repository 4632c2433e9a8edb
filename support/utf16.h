// UTF-16 surrogate tests shared by the platform sources.
#pragma once

#include <cstdint>

namespace Platform {

inline bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace Platform
