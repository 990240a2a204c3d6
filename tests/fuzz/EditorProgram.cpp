// One editor driven through every input path: loading, positions and
// selection, keys, typing, input-method results, the clipboard, indenting,
// undo and redo, the mouse, drag-and-drop, scrolling, wrapping, layout
// settings and emphasis evaluation with the host program's rules. After each
// step the model must be consistent; at the end undoing everything must give
// back the text the history started from, and redoing it the text before.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CarryOver.h"
#include "CharSteps.h"
#include "DragDropSession.h"
#include "Editor.h"
#include "FuzzProgram.h"
#include "LineStyler.h"
#include "MouseInput.h"
#include "ScrollInput.h"

namespace fuzz {

namespace {

using namespace nimbet;

struct MemoryClipboard final : ClipboardAccess {
    std::optional<std::string> content;
    bool write(std::string_view text) override {
        content.emplace(text);
        return true;
    }
    bool read(std::string& text) override {
        if (!content)
            return false;
        text = content->substr(0, content->find('\0'));
        return true;
    }
};

struct QuietHost final : MouseHost {
    void setCursor(CursorShape) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void takeFocus() override {}
    void startTripleClickTimer() override {}
    void stopTripleClickTimer() override {}
    void openLink(const std::string& target) override {
        if (target.empty())
            Fail("empty link opened");
    }
};

class EditorRun {
  public:
    explicit EditorRun(Program& program) : p_(program) {
        editor_.setClipboard(&clipboard_);
        editor_.metrics().setFont(8, 16);
        editor_.metrics().setWindowSize(400, 300);
        editor_.metrics().setClientSize(396, 296);
        // The host program's four rules.
        editor_.emphasis().rules.add("<!--", "-->", 4, 1, 0, 6, 0);
        editor_.emphasis().rules.add("<", ">", 3, 2, 0, 2, 3);
        editor_.emphasis().rules.add("\"", "\"", 3, 3, 0, 3, 0);
        editor_.emphasis().rules.add("&", ";", 3, 4, 0, 1, 0);
    }

    void run() {
        while (!p_.done()) {
            const std::string before = text();
            const int undoneBefore = editor_.undoRing().undone();
            const int op = p_.byte() % 24;
            step(op);
            if (trace_)
                traceStep(op);
            // A change after an undo drops the history: undoing everything
            // now leads back to the text just before that change.
            if (op != 0 && op != 12 && undoneBefore > 0 && editor_.undoRing().undone() == 0)
                baseline_ = before;
            if (editor_.undoRing().available() >= UndoRing::kCapacity - 1)
                baselineValid_ = false; // the oldest records may fall out
            check();
        }
        undoEverything();
    }

  private:
    std::string text() const {
        std::string out;
        for (const LineRecord* line = editor_.buffer().first(); line; line = line->next) {
            out.append(line->text, static_cast<size_t>(line->length));
            if (line->next)
                out += "\r\n";
        }
        return out;
    }

    // FUZZ_TRACE=1 prints each step, for reading a crashing input.
    void traceStep(int op) const {
        const CaretState& c = editor_.caret();
        std::string shown;
        for (unsigned char ch : text())
            shown += ch == '\r'   ? std::string("\\r")
                     : ch == '\n' ? std::string("\\n")
                                  : std::string(1, static_cast<char>(ch));
        std::fprintf(stderr, "op %2d caret %d,%d sel %d %d,%d-%d,%d top %d col %d wrap %d text \"%s\"\n", op,
                     c.caretLine, c.caretPos, c.selecting, c.anchorLine, c.anchorPos, c.endLine, c.endPos,
                     c.topLine, c.firstColumn, editor_.metrics().wrap, shown.c_str());
    }

    TextPlace anyPlace() {
        // Mostly inside the text, sometimes just outside it.
        const int line = p_.between(0, editor_.lineCount() + 1);
        const LineRecord* record = editor_.buffer().lineAt(line);
        return {line, p_.between(0, (record ? record->length : 3) + 2)};
    }

    TextPlace placeInText() {
        const int line = p_.between(1, editor_.lineCount());
        const LineRecord& record = *editor_.buffer().lineAt(line);
        return {line, SnapToCharStart(record, p_.between(0, record.length)) + 1};
    }

    void styleLine(int n) {
        LineRecord* line = editor_.buffer().lineAt(n);
        if (!line)
            return;
        const LineStyler styler(editor_.emphasis(), editor_.metrics().get(kMetricClickable), StylePalette{});
        std::vector<StyledRun> runs;
        const bool changed = styler.style(*line, runs);
        int at = 0;
        for (const StyledRun& run : runs) {
            if (run.begin != at || run.end <= run.begin || !IsCharStart(*line, run.begin))
                Fail("styled runs");
            at = run.end;
        }
        if (at != line->length)
            Fail("styled runs cover the line");
        if (changed)
            RecomputeCarryOver(line);
    }

    void drag() {
        // A drag of the selection out of the control: it hovers, may come
        // back and be dropped inside, or ends elsewhere.
        session_.dragOutStarted();
        const std::string dragged = editor_.selectedText();
        DropEffect performed = DropEffect::None;
        const int hovers = p_.number(4);
        for (int i = 0; i < hovers; ++i)
            session_.dragOver(p_.between(-20, 420), p_.between(-20, 320), true, p_.flag(), {true, true});
        const int end = p_.number(3);
        if (end == 0) {
            const DropEffect effect = session_.dropEffect(true, p_.flag(), {true, true});
            performed = session_.drop(dragged, effect);
        } else if (end == 1) {
            performed = static_cast<DropEffect>(p_.number(3));
        }
        session_.dragOutEnded(end == 2 ? DragOutcome::Cancelled : DragOutcome::Dropped, performed);
    }

    void step(int op) {
        switch (op) {
        case 0: { // load
            const std::string loaded = p_.richText();
            if (editor_.setText(loaded.c_str()) == NIMBET_OK) {
                baseline_ = text();
                baselineValid_ = true;
            }
            break;
        }
        case 1: {
            const TextPlace first = anyPlace(), second = anyPlace();
            const bool valid = editor_.validPlace(first) && editor_.validPlace(second);
            if (editor_.setSelection(first, second, p_.flag()) != valid)
                Fail("setSelection range check");
            break;
        }
        case 2: {
            const int length = static_cast<int>(editor_.textLength());
            editor_.setSelectionThrough(p_.between(-1, length + 4), p_.between(-1, length + 4));
            break;
        }
        case 3: {
            const int which = p_.number(3);
            if (which == 0)
                editor_.setCaretLine(p_.between(-1, editor_.lineCount() + 1));
            else if (which == 1)
                editor_.setCaretPos(p_.between(-1, 30));
            else
                editor_.setCaretThrough(p_.between(-1, static_cast<int>(editor_.textLength()) + 4));
            break;
        }
        case 4:
            editor_.selectAll();
            break;
        case 5:
            editor_.keyDown(static_cast<EditorKey>(p_.number(13)), p_.flag(), p_.flag());
            break;
        case 6: {
            const int count = p_.between(1, 4);
            for (int i = 0; i < count; ++i)
                editor_.typeChar(p_.byte());
            break;
        }
        case 7:
            editor_.inputMethodResult(p_.richText());
            break;
        case 8: {
            const std::string inserted = p_.richText();
            editor_.setSelText(p_.number(8) == 0 ? nullptr : inserted.c_str());
            break;
        }
        case 9: {
            const int which = p_.number(4);
            if (which == 0)
                editor_.copy();
            else if (which == 1)
                editor_.cut();
            else if (which == 2)
                editor_.paste();
            else
                clipboard_.content = p_.richText();
            break;
        }
        case 10:
            if (p_.flag())
                editor_.indent();
            else
                editor_.unindent();
            break;
        case 11:
            editor_.undo();
            break;
        case 12:
            editor_.redo();
            break;
        case 13: { // a drop from another window, or of the selection moved inside
            const TextPlace at = placeInText();
            editor_.pointCaret(at);
            if (p_.flag())
                editor_.dropText(editor_.selectedText(), true);
            else
                editor_.dropText(p_.richText(), false);
            break;
        }
        case 14:
            mouse_.buttonDown(p_.between(-20, 420), p_.between(-20, 320), p_.flag());
            break;
        case 15:
            if (mouse_.takePendingDrag())
                drag();
            else
                mouse_.move(p_.between(-40, 440), p_.between(-40, 340));
            break;
        case 16:
            mouse_.buttonUp(p_.between(-20, 420), p_.between(-20, 320));
            break;
        case 17:
            mouse_.doubleClick(p_.between(-20, 420), p_.between(-20, 320), p_.flag());
            break;
        case 18:
            if (p_.flag())
                mouse_.tripleClickTimerEnded();
            else
                mouse_.captureLost();
            break;
        case 19: {
            const auto action = static_cast<ScrollAction>(p_.number(9));
            const int which = p_.number(3);
            if (which == 0)
                editor_.setTopLine(VerticalTarget(editor_, action, p_.between(-5, 3000)));
            else if (which == 1)
                editor_.setFirstColumn(HorizontalTarget(editor_, action, p_.between(-5, 3000)));
            else
                editor_.setTopLine(WheelTarget(editor_, p_.between(-240, 240)));
            break;
        }
        case 20:
            editor_.setWrapping(p_.flag(), p_.number(100));
            break;
        case 21: {
            const int which = p_.number(5);
            if (which == 0)
                editor_.setMetric(kMetricTabWidth, p_.between(-1, 9));
            else if (which == 1)
                editor_.setMetric(kMetricLineNumberWidth, p_.between(-1, 300));
            else if (which == 2)
                editor_.setMetric(kMetricDragDrop, p_.number(32));
            else if (which == 3)
                editor_.setMetric(p_.flag() ? kMetricRulerHeight : kMetricLineSpacing, p_.between(-1, 40));
            else {
                // A resize: the window recounts the rows of wrapped lines.
                const int width = p_.between(0, 600), height = p_.between(0, 600);
                editor_.metrics().setWindowSize(width, height);
                editor_.metrics().setClientSize(width > 4 ? width - 4 : 0, height > 4 ? height - 4 : 0);
                if (editor_.metrics().wrap)
                    editor_.refreshAllRows();
            }
            break;
        }
        case 22: // painting: one line, or every line from the top
            if (p_.flag()) {
                styleLine(p_.between(1, editor_.lineCount()));
            } else {
                for (int n = 1; n <= editor_.lineCount(); ++n)
                    styleLine(n);
            }
            break;
        default: {
            const int which = p_.number(3);
            if (which == 0)
                editor_.setWriteEnabled(!editor_.writeEnabled());
            else if (which == 1)
                editor_.setMark(p_.between(0, editor_.lineCount() + 1), p_.number(5));
            else
                editor_.emphasis().highlight.set(p_.richText().c_str(), p_.flag());
            break;
        }
        }
    }

    void checkPlace(TextPlace place, const char* what) const {
        if (!editor_.validPlace(place))
            Fail(what);
        if (!IsCharStart(*editor_.buffer().lineAt(place.line), place.pos - 1))
            Fail(what);
    }

    void check() const {
        const TextBuffer& buffer = editor_.buffer();
        if (buffer.walkCount() != buffer.lineCount() || buffer.lineCount() < 1)
            Fail("line count");
        long long length = 0;
        const RowRule rule = editor_.rowRule();
        for (const LineRecord* line = buffer.first(); line; line = line->next) {
            if (line->length < 0 || line->text[line->length] != '\0')
                Fail("line terminator");
            if (line->rows != RowsOfLine(*line, rule))
                Fail("stored row count");
            length += line->length;
        }
        if (editor_.textLength() != length + 2LL * (buffer.lineCount() - 1))
            Fail("text length");

        const CaretState& caret = editor_.caret();
        checkPlace(editor_.caretPlace(), "caret off the text or inside a character");
        if (caret.selecting) {
            checkPlace({caret.anchorLine, caret.anchorPos}, "anchor off the text or inside a character");
            checkPlace({caret.endLine, caret.endPos}, "selection end off the text or inside a character");
        }
        if (caret.topLine < 1 || caret.topLine > editor_.totalRows())
            Fail("top line outside the text");
        if (caret.firstColumn < 1 || caret.firstColumn > kMaxColumns ||
            (editor_.metrics().wrap && caret.firstColumn != 1))
            Fail("first column");
        if (editor_.throughOffset(editor_.caretPlace()) != editor_.caretThrough())
            Fail("through offset of the caret");

        const std::string selected = editor_.selectedText();
        if (static_cast<long long>(selected.size()) != editor_.selectedLength())
            Fail("selected length");
        std::string exported(selected.size() + 1, '\x7F');
        const NimbetResult got = editor_.getSelText(exported.data());
        if ((got == NIMBET_OK) != editor_.selection().exists ||
            (got == NIMBET_OK && exported != selected + std::string(1, '\0')))
            Fail("selected text export");
        if (editor_.undoRing().available() > UndoRing::kCapacity ||
            editor_.undoRing().undone() > UndoRing::kCapacity)
            Fail("undo ring counts");

        // Carry-over kept incrementally must equal a full walk.
        std::vector<int> kept;
        for (const LineRecord* line = buffer.first(); line; line = line->next) {
            const auto values = line->openAtStart.values();
            kept.insert(kept.end(), values.begin(), values.end());
        }
        RecomputeCarryOverAll(const_cast<LineRecord*>(buffer.first()));
        size_t i = 0;
        for (const LineRecord* line = buffer.first(); line; line = line->next)
            for (int k = 0; k < kCarrySlots; ++k)
                if (line->openAtStart[k] != kept[i++])
                    Fail("carry-over");
    }

    void undoEverything() {
        editor_.setWriteEnabled(true);
        const std::string last = text();
        const int undoneAtStart = editor_.undoRing().undone();
        int undone = 0;
        while (editor_.undo() == NIMBET_OK)
            if (++undone > UndoRing::kCapacity)
                Fail("undo never ends");
        check();
        if (baselineValid_ && text() != baseline_)
            Fail("undoing everything does not give back the text");
        // A moved text is undone in one step and redone in two: redo until
        // the history stands where it stood.
        while (editor_.undoRing().undone() > undoneAtStart)
            if (editor_.redo() != NIMBET_OK)
                Fail("redo of an undone step failed");
        check();
        if (text() != last)
            Fail("redoing everything does not give back the text");
    }

    Program& p_;
    NoEvents events_;
    Editor editor_{events_};
    MemoryClipboard clipboard_;
    QuietHost host_;
    MouseInput mouse_{editor_, events_, host_};
    DragDropSession session_{editor_, events_};
    std::string baseline_;
    bool baselineValid_ = true;
    bool trace_ = std::getenv("FUZZ_TRACE") != nullptr;
};

} // namespace

void RunEditorProgram(Program& program) {
    EditorRun run(program);
    run.run();
}

} // namespace fuzz
