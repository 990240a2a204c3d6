// Classification of Shift_JIS characters. The tests run in a fixed order and
// the first match wins.
#include "CharClass.h"

#include "ShiftJis.h"

namespace nimbet {

int CharClass(unsigned char first, unsigned char second) noexcept {
    if (first < 0x80) {
        if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))
            return kClassAsciiLetter;
        if (first >= '0' && first <= '9')
            return kClassDigit;
        if (first == '_')
            return kClassUnderscore;
        return kClassOther;
    }
    if (first == 0x81 && (second == 0x5B || second == 0x7C))
        return kClassProlonged;
    if (first == 0x81 || (first == 0x83 && second >= 0x9F && second <= 0xF0) || (first >= 0x84 && first <= 0x87))
        return kClassWideSymbol;
    if (first == 0x82 && second >= 0x9F && second <= 0xF1)
        return kClassHiragana;
    if (first == 0x82 && second >= 0x60 && second <= 0x9A)
        return kClassWideLatin;
    if (first == 0x82 && second >= 0x4F && second <= 0x58)
        return kClassWideDigit;
    if (first == 0x83 && second >= 0x40 && second <= 0x96)
        return kClassKatakana;
    if ((first >= 0x88 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC))
        return kClassKanji;
    if (first >= 0xA1 && first <= 0xDF)
        return kClassHalfKana;
    return kClassOther;
}

} // namespace nimbet
