// Reading and drawing editor sketches.
#include "EditorSketch.h"

#include <gtest/gtest.h>

#include "ShiftJis.h"

using namespace nimbet;

namespace {

struct Parsed {
    std::string text;
    std::optional<TextPlace> caret, anchor;
};

Parsed Parse(std::string_view sketch) {
    Parsed parsed;
    TextPlace here{1, 1};
    for (size_t i = 0; i < sketch.size(); ++i) {
        const char c = sketch[i];
        if (IsLeadByte(c) && i + 1 < sketch.size()) {
            parsed.text += sketch.substr(i, 2);
            here.pos += 2;
            ++i;
        } else if (c == '|') {
            parsed.caret = here;
        } else if (c == '[') {
            parsed.anchor = here;
        } else if (c == '\n') {
            parsed.text += c;
            here = {here.line + 1, 1};
        } else {
            parsed.text += c;
            ++here.pos;
        }
    }
    return parsed;
}

} // namespace

std::string PlainText(std::string_view sketch) {
    return Parse(sketch).text;
}

SketchEditor::SketchEditor() {
    editor.metrics().setFont(8, 16);
    editor.metrics().setWindowSize(400, 300);
    editor.metrics().setClientSize(396, 296);
    editor.setClipboard(&clipboard);
}

void SketchEditor::load(std::string_view sketch) {
    const Parsed parsed = Parse(sketch);
    ASSERT_EQ(editor.setText(parsed.text.c_str()), NIMBET_OK);
    const TextPlace caret = parsed.caret.value_or(TextPlace{1, 1});
    ASSERT_TRUE(editor.setSelection(parsed.anchor.value_or(caret), caret, false)) << sketch;
    events.clear();
}

std::string SketchEditor::text() const {
    std::string out;
    for (const LineRecord* line = editor.buffer().first(); line; line = line->next) {
        out.append(line->text, static_cast<size_t>(line->length));
        if (line->next)
            out += '\n';
    }
    return out;
}

std::string SketchEditor::sketch() const {
    const CaretState& c = editor.caret();
    std::string out;
    int n = 1;
    for (const LineRecord* line = editor.buffer().first(); line; line = line->next, ++n) {
        for (int pos = 1; pos <= line->length + 1; ++pos) {
            if (c.selecting && c.anchorLine == n && c.anchorPos == pos)
                out += '[';
            if (c.caretLine == n && c.caretPos == pos)
                out += '|';
            if (pos <= line->length)
                out += line->text[pos - 1];
        }
        if (line->next)
            out += '\n';
    }
    return out;
}
