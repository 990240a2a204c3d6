// A new word starts where the class changes, and every blank, punctuation or
// full-width symbol is a word of its own; letters and underscores join, and a
// prolonged sound mark continues a kana word.
#include "WordBoundaries.h"

#include "CharClass.h"
#include "CharSteps.h"

namespace nimbet {

namespace {

bool StartsWord(int previous, int current) noexcept {
    if (current == kClassOther || current == kClassWideSymbol)
        return true;
    if (current == previous)
        return false;
    if ((current == kClassAsciiLetter && previous == kClassUnderscore) ||
        (current == kClassUnderscore && previous == kClassAsciiLetter))
        return false;
    if (current == kClassProlonged && (previous == kClassHiragana || previous == kClassKatakana))
        return false;
    return true;
}

} // namespace

WordRange WordAt(const LineRecord& line, int index) noexcept {
    index = SnapToCharStart(line, index);
    WordRange word{0, line.length};
    int previous = -1; // a value no class has
    for (int i = 0; i < line.length;) {
        const int length = CharLengthAt(line, i);
        const auto first = static_cast<unsigned char>(line.text[i]);
        const auto second = length == 2 ? static_cast<unsigned char>(line.text[i + 1]) : 0;
        const int current = CharClass(first, second);
        if (previous < 0 || StartsWord(previous, current)) {
            if (i <= index) {
                word.start = i;
            } else {
                word.end = i;
                break;
            }
        }
        previous = current;
        i += length;
    }
    return word;
}

} // namespace nimbet
