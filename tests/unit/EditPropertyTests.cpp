// Random edit sequences: undoing all of them restores the original text byte
// for byte and redoing them gives the edited text again; after every step the
// kept line count, the incremental carry-over and the wrapped row counts match
// full walks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CarryOver.h"
#include "EditorSketch.h"

using namespace nimbet;

namespace {

const char* const kPieces[] = {"a", "x",  "ソ", "表",   "ー", "－", "\\",
                               "|", "\t", " ",  "    ", "　", "_",  "亜"};

std::string RandomText(std::mt19937& random, int maxPieces, bool breaks) {
    std::string text;
    const int pieces = static_cast<int>(random() % (maxPieces + 1));
    for (int i = 0; i < pieces; ++i) {
        if (breaks && random() % 6 == 0)
            text += random() % 3 == 0 ? "\n" : "\r\n";
        else
            text += kPieces[random() % std::size(kPieces)];
    }
    return text;
}

TextPlace RandomPlace(std::mt19937& random, const Editor& editor) {
    const int line = static_cast<int>(random() % editor.lineCount()) + 1;
    const int pos = static_cast<int>(random() % (editor.lineLength(line) + 1)) + 1;
    return {line, pos}; // may fall on a trail byte: the editor moves it to the character start
}

// Sets rule marks on a line as painting it would, and updates the carry-over.
void PaintSomeLine(std::mt19937& random, Editor& editor) {
    LineRecord* line = editor.buffer().lineAt(static_cast<int>(random() % editor.lineCount()) + 1);
    const int slot = static_cast<int>(random() % kCarrySlots);
    const int rule = static_cast<int>(random() % 3) - 1;
    (random() % 2 ? line->openedHere : line->closedHere).set(slot, rule);
    RecomputeCarryOver(line);
}

std::vector<std::vector<int>> OpenAtStart(const TextBuffer& buffer) {
    std::vector<std::vector<int>> out;
    for (const LineRecord* line = buffer.first(); line; line = line->next) {
        const auto values = line->openAtStart.values();
        out.emplace_back(values.begin(), values.end());
    }
    return out;
}

void CheckConsistency(SketchEditor& s) {
    Editor& editor = s.editor;
    ASSERT_EQ(editor.lineCount(), editor.buffer().walkCount());
    ASSERT_TRUE(editor.validPlace(editor.caretPlace()));
    if (editor.caret().selecting) {
        ASSERT_TRUE(editor.validPlace({editor.caret().anchorLine, editor.caret().anchorPos}));
        ASSERT_TRUE(editor.validPlace({editor.caret().endLine, editor.caret().endPos}));
    }
    int rows = 0, n = 1;
    for (const LineRecord* line = editor.buffer().first(); line; line = line->next, ++n) {
        ASSERT_EQ(line->rows, RowsOfLine(*line, editor.rowRule()));
        ASSERT_EQ(editor.buffer().rowsBefore(n), rows) << "line " << n;
        rows += line->rows;
    }
    ASSERT_EQ(editor.buffer().totalRows(), rows);
    const auto incremental = OpenAtStart(editor.buffer());
    RecomputeCarryOverAll(editor.buffer().first());
    ASSERT_EQ(incremental, OpenAtStart(editor.buffer()));
}

} // namespace

TEST(EditProperty, UndoingEveryEditRestoresTheText) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        SketchEditor s;
        if (seed % 2 == 0) {
            // Every other run wraps at 10 columns, so that rows change with the edits.
            s.editor.metrics().setWindowSize(50 + 4 + 10 * 8, 300);
            s.editor.setWrapping(true, 0);
        }
        s.load(RandomText(random, 40, true));
        for (int i = 0; i < 10; ++i)
            PaintSomeLine(random, s.editor);
        const std::string original = s.text();
        const int steps = static_cast<int>(random() % 256) + 1;
        for (int step = 0; step < steps; ++step) {
            SCOPED_TRACE(testing::Message() << "step " << step);
            Editor& e = s.editor;
            if (random() % 3 == 0)
                e.setSelection(RandomPlace(random, e), RandomPlace(random, e), false);
            if (random() % 4 == 0)
                PaintSomeLine(random, e);
            switch (random() % 12) {
            case 0:
            case 1:
                e.typeChar(static_cast<unsigned char>("ab \\|~\xB1"[random() % 7]));
                break;
            case 2:
                e.keyDown(EditorKey::Enter, false, false);
                break;
            case 3:
                e.keyDown(EditorKey::Backspace, false, false);
                break;
            case 4:
                e.keyDown(EditorKey::Delete, false, false);
                break;
            case 5:
                e.keyDown(EditorKey::Tab, random() % 2 == 0, false);
                break;
            case 6:
                e.indent();
                break;
            case 7:
                e.unindent();
                break;
            case 8:
                e.setSelText(RandomText(random, 6, true).c_str());
                break;
            case 9:
                s.clipboard.content = RandomText(random, 6, true);
                e.paste();
                break;
            case 10:
                e.inputMethodResult(RandomText(random, 2, false));
                break;
            default:
                if (random() % 2 == 0)
                    e.toggleOverwriteMode();
                e.keyDown(static_cast<EditorKey>(random() % 8), random() % 2 == 0, random() % 2 == 0);
                break;
            }
            ASSERT_NO_FATAL_FAILURE(CheckConsistency(s));
        }
        const std::string edited = s.text();
        const int records = s.editor.undoRing().available();
        int undone = 0;
        while (s.editor.undo() == NIMBET_OK) {
            ++undone;
            ASSERT_NO_FATAL_FAILURE(CheckConsistency(s));
        }
        EXPECT_EQ(undone, records);
        ASSERT_EQ(s.text(), original);
        int redone = 0;
        while (s.editor.redo() == NIMBET_OK) {
            ++redone;
            ASSERT_NO_FATAL_FAILURE(CheckConsistency(s));
        }
        EXPECT_EQ(redone, records);
        ASSERT_EQ(s.text(), edited);
    }
}
