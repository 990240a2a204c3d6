// The editor exports the program uses, forwarded to Nimbet.dll as bound by
// ordinal.
#pragma once

#include "EditorApi.h"
#include "NimbetBinding.h"

namespace quiltmark {

class NimbetEditorApi : public EditorApi {
  public:
    explicit NimbetEditorApi(NimbetBinding& nimbet) : n_(nimbet) {}

    int GetNimbetVer() override { return n_.GetNimbetVer(); }
    int NimbetCreate(int id, void* parent, int x, int y, int w, int h) override {
        return n_.NimbetCreate(id, static_cast<HWND>(parent), x, y, w, h);
    }
    int NimbetSetFocus(int id) override { return n_.NimbetSetFocus(id); }
    int NimbetSetPos(int id, int x, int y, int w, int h) override { return n_.NimbetSetPos(id, x, y, w, h); }
    int NimbetRefresh(int id) override { return n_.NimbetRefresh(id); }
    int NimbetSetVisible(int id, int visible) override { return n_.NimbetSetVisible(id, visible); }
    void* NimbetGetWnd(int id) override { return n_.NimbetGetWnd(id); }
    int NimbetCopy(int id) override { return n_.NimbetCopy(id); }
    int NimbetCut(int id) override { return n_.NimbetCut(id); }
    int NimbetPaste(int id) override { return n_.NimbetPaste(id); }
    int NimbetUndo(int id) override { return n_.NimbetUndo(id); }
    int NimbetRedo(int id) override { return n_.NimbetRedo(id); }
    int NimbetSelectAll(int id) override { return n_.NimbetSelectAll(id); }
    int NimbetSetText(int id, const char* text) override { return n_.NimbetSetText(id, text); }
    int NimbetGetTextLength(int id) override { return n_.NimbetGetTextLength(id); }
    int NimbetGetText(int id, char* buffer, int lineCode) override {
        return n_.NimbetGetText(id, buffer, lineCode);
    }
    int NimbetGetLines(int id) override { return n_.NimbetGetLines(id); }
    int NimbetGetLineLen(int id, int line) override { return n_.NimbetGetLineLen(id, line); }
    int NimbetSetSelText(int id, const char* text) override { return n_.NimbetSetSelText(id, text); }
    int NimbetGetSelText(int id, char* buffer) override { return n_.NimbetGetSelText(id, buffer); }
    int NimbetGetSelA(int id, int* l1, int* p1, int* l2, int* p2) override {
        return n_.NimbetGetSelA(id, l1, p1, l2, p2);
    }
    int NimbetSetSelB(int id, int from, int to) override { return n_.NimbetSetSelB(id, from, to); }
    int NimbetGetSelB(int id, int* from, int* to) override { return n_.NimbetGetSelB(id, from, to); }
    int NimbetGetCaretLine(int id) override { return n_.NimbetGetCaretLine(id); }
    int NimbetGetCaretVPos(int id) override { return n_.NimbetGetCaretVPos(id); }
    int NimbetSetCaretLine(int id, int line) override { return n_.NimbetSetCaretLine(id, line); }
    int NimbetSetMark(int id, int line, int mark, int redraw) override {
        return n_.NimbetSetMark(id, line, mark, redraw);
    }
    int NimbetGetMark(int id, int line) override { return n_.NimbetGetMark(id, line); }
    int NimbetAddEmphasis(int id, const char* begin, const char* end, int type, std::uint32_t colour,
                          unsigned flags, int level, int permit) override {
        return n_.NimbetAddEmphasis(id, begin, end, type, colour, flags, level, permit);
    }
    int NimbetResetEmphasis(int id, int redraw) override { return n_.NimbetResetEmphasis(id, redraw); }
    int NimbetFontDialog(int id, char* faceOut, int redraw) override {
        return n_.NimbetFontDialog(id, faceOut, redraw);
    }
    int NimbetSetFont(int id, const char* face, int points, int redraw) override {
        return n_.NimbetSetFont(id, face, points, redraw);
    }
    int NimbetSetColor(int id, int kind, std::uint32_t colour, int redraw) override {
        return n_.NimbetSetColor(id, kind, colour, redraw);
    }
    int NimbetSetMetrics(int id, int kind, int value, int redraw) override {
        return n_.NimbetSetMetrics(id, kind, value, redraw);
    }
    int NimbetSetLapel(int id, int wrap, int column, int redraw) override {
        return n_.NimbetSetLapel(id, wrap, column, redraw);
    }

  private:
    NimbetBinding& n_;
};

} // namespace quiltmark
