// The text buffer under raw work: loading, insertions at any byte index,
// carry-over changes and marks, against a plain reference copy of the lines.
#include <string>
#include <vector>

#include "CarryOver.h"
#include "Editor.h"
#include "FuzzProgram.h"

namespace fuzz {

namespace {

// The reference: lines split by the same rule, kept as plain strings.
std::vector<std::string> SplitLines(const std::string& text, std::vector<std::string> into, int line,
                                    int index) {
    std::string tail = into[line].substr(index);
    into[line].erase(index);
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const bool cr = !end && text[i] == '\r', lf = !end && text[i] == '\n';
        if (!end && !cr && !lf)
            continue;
        into[line] += text.substr(start, i - start);
        if (end)
            break;
        if (cr && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        into.insert(into.begin() + line + 1, std::string());
        ++line;
        start = i + 1;
    }
    into[line] += tail;
    return into;
}

void CheckAgainst(const nimbet::Editor& editor, const std::vector<std::string>& reference) {
    const nimbet::TextBuffer& buffer = editor.buffer();
    if (buffer.lineCount() != static_cast<int>(reference.size()) || buffer.walkCount() != buffer.lineCount())
        Fail("line count");
    long long length = 0;
    int n = 1;
    for (const nimbet::LineRecord* line = buffer.first(); line; line = line->next, ++n) {
        if (std::string(line->text, static_cast<size_t>(line->length)) != reference[n - 1])
            Fail("line bytes");
        if (line->text[line->length] != '\0')
            Fail("line terminator");
        length += line->length;
    }
    if (editor.textLength() != length + 2LL * (n - 2))
        Fail("text length");
    // Carry-over kept incrementally must equal a full walk.
    std::vector<int> kept;
    for (const nimbet::LineRecord* line = buffer.first(); line; line = line->next) {
        const auto values = line->openAtStart.values();
        kept.insert(kept.end(), values.begin(), values.end());
    }
    nimbet::RecomputeCarryOverAll(const_cast<nimbet::LineRecord*>(buffer.first()));
    size_t i = 0;
    for (const nimbet::LineRecord* line = buffer.first(); line; line = line->next)
        for (int k = 0; k < nimbet::kCarrySlots; ++k)
            if (line->openAtStart[k] != kept[i++])
                Fail("carry-over");
}

} // namespace

void RunBufferProgram(Program& program) {
    nimbet::NoEvents events;
    nimbet::Editor editor(events);
    std::vector<std::string> reference{""};
    while (!program.done()) {
        nimbet::TextBuffer& buffer = editor.buffer();
        switch (program.byte() % 4) {
        case 0: { // load a whole text
            const std::string text = program.text();
            editor.setText(text.c_str());
            reference = SplitLines(text, {""}, 0, 0);
            break;
        }
        case 1: { // insert text somewhere (on a character boundary or not: bytes are bytes here)
            const int line = program.number(buffer.lineCount());
            const int index = program.number(static_cast<int>(reference[line].size()) + 1);
            const std::string text = program.text();
            buffer.insertText(line + 1, index, text.data(), text.size(), false);
            reference = SplitLines(text, reference, line, index);
            break;
        }
        case 2: { // a line opens or closes a multi-line rule, as painting records it
            nimbet::LineRecord* line = buffer.lineAt(program.number(buffer.lineCount()) + 1);
            const int slot = program.number(nimbet::kCarrySlots);
            (program.byte() & 1 ? line->openedHere : line->closedHere).set(slot, program.number(5) - 1);
            nimbet::RecomputeCarryOver(line);
            break;
        }
        default: { // marks and line access never fail inside the text
            const int line = program.number(buffer.lineCount() + 2) - 1;
            editor.setMark(line, program.number(4));
            if ((editor.lineData(line) != nullptr) != (line >= 1 && line <= buffer.lineCount()))
                Fail("line data outside the text");
            break;
        }
        }
        CheckAgainst(editor, reference);
    }
}

} // namespace fuzz
