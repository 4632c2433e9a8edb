// The value syntax every control's attributes share: booleans ("true" in any case), decimal
// integers, rectangles and sizes (numbers each followed by one separator character that is
// skipped unexamined, so an empty field reads as 0 and reading goes on; missing numbers are 0)
// and ARGB colours in hexadecimal with an optional '#'.
#pragma once

#include <cstdint>

#include "support/platform.h"

namespace Tovik {

bool ParseBool(const wchar_t* value);
// Style bits as the align-like attributes change them: `clear` goes, then `set` comes.
inline void AdjustBits(unsigned& bits, unsigned set, unsigned clear) { bits = (bits & ~clear) | set; }
int ParseInt(const wchar_t* value);
RECT ParseRect(const wchar_t* value);
SIZE ParseSize(const wchar_t* value);
// Up to four decimal fractions.
void ParseFractions(const wchar_t* value, double (&fractions)[4]);
// With `skipBlanks`, characters up to U+0020 before the '#' are skipped too. Six digits give an
// alpha of 0.
uint32_t ParseColour(const wchar_t* value, bool skipBlanks);

}  // namespace Tovik
