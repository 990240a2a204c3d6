// Character classes of Shift_JIS characters, used for word boundaries and for
// the boundary tests of emphasis rules.
#pragma once

namespace nimbet {

// Class numbers as the word and rule logic compares them.
enum CharClassId : int {
    kClassAsciiLetter = 0,
    kClassDigit = 1,
    kClassOther = 2, // space, tab, punctuation, control bytes, ...
    kClassHiragana = 3,
    kClassKatakana = 4,
    kClassKanji = 5,
    kClassWideLatin = 6,
    kClassWideDigit = 7,
    kClassWideSymbol = 8,
    kClassHalfKana = 10,
    kClassProlonged = 11, // prolonged sound mark and full-width minus
    kClassUnderscore = 12,
};

// Class of the character starting with byte `first`; `second` is its trail
// byte when `first` is a lead byte (ignored otherwise).
int CharClass(unsigned char first, unsigned char second) noexcept;

} // namespace nimbet
