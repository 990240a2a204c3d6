// The flat exported interface of Nimbet.dll. Each export looks its instance up,
// calls one operation and returns a status code; no editing logic lives here.
#define NIMBET_BUILDING_DLL
#include "../include/Nimbet.h"

#include <climits>
#include <memory>

#include "Registry.h"

using nimbet::api::EditorInstance;
using nimbet::api::Flag;
using nimbet::api::Registry;
using nimbet::api::WithHeldInstance;
using nimbet::api::WithInstance;
using nimbet::api::WithTextChange;

namespace {

void WriteIf(int* out, int value) noexcept {
    if (out)
        *out = value;
}

int ClampToInt(long long value) noexcept {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

void RedrawIf(EditorInstance& instance, int redraw) {
    if (Flag(redraw))
        instance.refresh();
}

} // namespace

extern "C" {

int WINAPI GetNimbetVer(void) { return NIMBET_VERSION; }
int WINAPI GetNimbetBetaVer(void) { return NIMBET_BETA_VERSION; }

int WINAPI NimbetRedim(int count) {
    auto& table = Registry();
    for (int id = count; id >= 0 && id < table.slotCount(); ++id)
        if (EditorInstance* instance = table.find(id); instance && instance->inUse())
            return NIMBET_FAILED; // that instance is in the middle of an operation
    return table.redim(count);
}

int WINAPI NimbetDelete(int id) {
    auto& table = Registry();
    if (!table.validId(id))
        return NIMBET_BADID;
    EditorInstance* instance = table.find(id);
    if (!instance)
        return NIMBET_OK;
    if (instance->inUse()) {
        instance->deletePending = true; // carried out when the running operation ends
        return NIMBET_OK;
    }
    table.take(id).reset();
    return NIMBET_OK;
}

int WINAPI NimbetCreate(int id, HWND parent, int x, int y, int width, int height) {
    auto& table = Registry();
    if (!table.validId(id))
        return NIMBET_BADID;
    if (table.find(id))
        return NIMBET_IDINUSE;
    try {
        table.put(id, std::make_unique<EditorInstance>(id, parent));
    } catch (...) {
        return NIMBET_NOMEMORY;
    }
    EditorInstance& instance = *table.find(id);
    try {
        if (!instance.createWindow())
            return 0; // the slot stays taken until NimbetDelete
        instance.setPos(x, y, width, height);
        ShowWindow(instance.window(), SW_SHOW);
    } catch (...) {
        return NIMBET_NOMEMORY;
    }
    return NIMBET_OK;
}

int WINAPI NimbetSetFocus(int id) {
    return WithHeldInstance(id, [](EditorInstance& in) {
        SetFocus(in.window());
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetSetPos(int id, int x, int y, int width, int height) {
    return WithInstance(id, [&](EditorInstance& in) {
        in.setPos(x, y, width, height);
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetRefresh(int id) {
    return WithInstance(id, [](EditorInstance& in) {
        in.refresh();
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetSetVisible(int id, int visible) {
    return WithInstance(id, [&](EditorInstance& in) {
        in.setVisible(Flag(visible));
        return static_cast<int>(NIMBET_OK);
    });
}

HWND WINAPI NimbetGetWnd(int id) {
    EditorInstance* instance = Registry().find(id);
    return instance ? instance->window() : nullptr;
}

int WINAPI NimbetCopy(int id) {
    return WithHeldInstance(id, [](EditorInstance& in) { return static_cast<int>(in.editor().copy()); });
}

int WINAPI NimbetCut(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().cut()); });
}

int WINAPI NimbetPaste(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().paste()); });
}

int WINAPI NimbetUndo(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().undo()); });
}

int WINAPI NimbetRedo(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().redo()); });
}

int WINAPI NimbetIndent(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().indent()); });
}

int WINAPI NimbetUnIndent(int id) {
    return WithTextChange(id, [](EditorInstance& in) { return static_cast<int>(in.editor().unindent()); });
}

int WINAPI NimbetSelectAll(int id) {
    return WithHeldInstance(id, [](EditorInstance& in) {
        in.editor().selectAll();
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetSetText(int id, const char* text) {
    return WithTextChange(id,
                          [text](EditorInstance& in) { return static_cast<int>(in.editor().setText(text)); });
}

int WINAPI NimbetGetTextLength(int id) {
    return WithInstance(id, [](EditorInstance& in) {
        const long long length = in.editor().textLength();
        return length > 0x7FFFFFFE ? static_cast<int>(NIMBET_NOMEMORY) : static_cast<int>(length);
    });
}

int WINAPI NimbetGetText(int id, char* buffer, int lineCode) {
    return WithInstance(
        id, [&](EditorInstance& in) { return static_cast<int>(in.editor().getText(buffer, lineCode)); });
}

int WINAPI NimbetGetLines(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().lineCount(); });
}

int WINAPI NimbetSetSelText(int id, const char* text) {
    return WithTextChange(
        id, [text](EditorInstance& in) { return static_cast<int>(in.editor().setSelText(text)); });
}

int WINAPI NimbetGetSelText(int id, char* buffer) {
    return WithInstance(
        id, [buffer](EditorInstance& in) { return static_cast<int>(in.editor().getSelText(buffer)); });
}

const char* WINAPI NimbetGetLineData(int id, int line) {
    EditorInstance* instance = Registry().find(id);
    return instance ? instance->editor().lineData(line) : nullptr;
}

int WINAPI NimbetGetLineLen(int id, int line) {
    return WithInstance(id, [line](EditorInstance& in) { return in.editor().lineLength(line); });
}

int WINAPI NimbetGetLineCode(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().lineCode(); });
}

int WINAPI NimbetSetSelA(int id, int line1, int pos1, int line2, int pos2) {
    return WithHeldInstance(id, [&](EditorInstance& in) {
        return in.editor().setSelection({line1, pos1}, {line2, pos2}, true) ? 1 : 0;
    });
}

int WINAPI NimbetGetSelA(int id, int* line1, int* pos1, int* line2, int* pos2) {
    return WithInstance(id, [&](EditorInstance& in) {
        const nimbet::SelectionRange range = in.editor().selection();
        WriteIf(line1, range.start.line);
        WriteIf(pos1, range.start.pos);
        WriteIf(line2, range.finish.line);
        WriteIf(pos2, range.finish.pos);
        return static_cast<int>(range.exists ? NIMBET_OK : NIMBET_FAILED);
    });
}

int WINAPI NimbetSetSelB(int id, int from, int to) {
    return WithHeldInstance(
        id, [&](EditorInstance& in) { return static_cast<int>(in.editor().setSelectionThrough(from, to)); });
}

int WINAPI NimbetGetSelB(int id, int* from, int* to) {
    return WithInstance(id, [&](EditorInstance& in) {
        const nimbet::Editor& editor = in.editor();
        const nimbet::SelectionRange range = editor.selection();
        if (from && to) {
            *from = ClampToInt(editor.throughOffset(range.start));
            *to = ClampToInt(editor.throughOffset(range.finish));
        }
        return static_cast<int>(range.exists ? NIMBET_OK : NIMBET_FAILED);
    });
}

int WINAPI NimbetGetCaretLine(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().caret().caretLine; });
}

int WINAPI NimbetGetCaretPos(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().caret().caretPos; });
}

int WINAPI NimbetSetCaretLine(int id, int line) {
    return WithHeldInstance(
        id, [line](EditorInstance& in) { return static_cast<int>(in.editor().setCaretLine(line)); });
}

int WINAPI NimbetSetCaretPos(int id, int pos) {
    return WithHeldInstance(id,
                        [pos](EditorInstance& in) { return static_cast<int>(in.editor().setCaretPos(pos)); });
}

int WINAPI NimbetGetCaretThrough(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().caretThrough(); });
}

int WINAPI NimbetSetCaretThrough(int id, int offset) {
    return WithHeldInstance(
        id, [offset](EditorInstance& in) { return static_cast<int>(in.editor().setCaretThrough(offset)); });
}

int WINAPI NimbetGetCaretVPos(int id) {
    return WithInstance(id, [](EditorInstance& in) { return in.editor().caretColumn(); });
}

int WINAPI NimbetSetMark(int id, int line, int mark, int redraw) {
    return WithInstance(id, [&](EditorInstance& in) {
        const int previous = in.editor().setMark(line, mark);
        RedrawIf(in, redraw);
        return previous;
    });
}

int WINAPI NimbetGetMark(int id, int line) {
    return WithInstance(id, [line](EditorInstance& in) { return in.editor().getMark(line); });
}

int WINAPI NimbetSetHighlight(int id, const char* word, int matchCase, int redraw) {
    return WithInstance(id, [&](EditorInstance& in) {
        const NimbetResult result = in.editor().emphasis().highlight.set(word, Flag(matchCase));
        if (result == NIMBET_OK)
            RedrawIf(in, redraw);
        return static_cast<int>(result);
    });
}

int WINAPI NimbetSetEmphasis(int id, const char* begin, const char* end, int type, COLORREF color, int onlyWord,
                             int level, int permit, int bold) {
    return WithInstance(id, [&](EditorInstance& in) {
        const unsigned flags = nimbet::EmphasisTable::SimpleFlags(Flag(onlyWord), Flag(bold));
        return static_cast<int>(in.editor().emphasis().rules.add(begin, end, type, color, flags, level, permit));
    });
}

int WINAPI NimbetAddEmphasis(int id, const char* begin, const char* end, int type, COLORREF color, unsigned flags,
                             int level, int permit) {
    return WithInstance(id, [&](EditorInstance& in) {
        return static_cast<int>(in.editor().emphasis().rules.add(begin, end, type, color, flags, level, permit));
    });
}

int WINAPI NimbetResetEmphasis(int id, int redraw) {
    return WithInstance(id, [&](EditorInstance& in) {
        in.editor().emphasis().reset(in.editor().buffer());
        RedrawIf(in, redraw);
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetFontDialog(int id, char* face, int redraw) {
    // The dialog runs its own message loop: the instance is held meanwhile.
    return WithHeldInstance(id, [&](EditorInstance& in) { return in.fontDialog(face, Flag(redraw)); });
}

int WINAPI NimbetSetFont(int id, const char* face, int points, int redraw) {
    return WithInstance(
        id, [&](EditorInstance& in) { return static_cast<int>(in.setFont(face, points, Flag(redraw))); });
}

int WINAPI NimbetSetColor(int id, int kind, COLORREF color, int redraw) {
    return WithInstance(
        id, [&](EditorInstance& in) { return static_cast<int>(in.setColor(kind, color, Flag(redraw))); });
}

int WINAPI NimbetSetMarkVisible(int id, int kind, int visible, int redraw) {
    return WithInstance(id, [&](EditorInstance& in) {
        return static_cast<int>(in.setMarkVisible(kind, Flag(visible), Flag(redraw)));
    });
}

int WINAPI NimbetSetMetrics(int id, int kind, int value, int redraw) {
    return WithHeldInstance(
        id, [&](EditorInstance& in) { return static_cast<int>(in.setMetrics(kind, value, Flag(redraw))); });
}

int WINAPI NimbetWriteEnable(int id, int enable) {
    return WithInstance(id, [enable](EditorInstance& in) {
        in.editor().setWriteEnabled(Flag(enable));
        return static_cast<int>(NIMBET_OK);
    });
}

int WINAPI NimbetSetLapel(int id, int wrap, int column, int redraw) {
    return WithInstance(id, [&](EditorInstance& in) {
        return static_cast<int>(in.setLapel(Flag(wrap), column, Flag(redraw)));
    });
}

} // extern "C"
