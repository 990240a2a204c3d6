// A stand-in for the editor library: records every export the program calls
// (as text, in order) and keeps just enough state (lines, marks, caret line,
// text) for the host logic to run against it.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "EditorApi.h"

class RecordingEditorApi : public quiltmark::EditorApi {
  public:
    std::vector<std::string> calls;
    int version = 145;
    int lines = 1;
    int caretLine = 1;
    std::map<int, int> marks;
    std::string text;
    int fontDialogResult = 12;
    std::string fontDialogFace = "IPAゴシック";

    void Clear() { calls.clear(); }

    int GetNimbetVer() override { return Log("GetNimbetVer()"), version; }
    int NimbetCreate(int id, void* parent, int x, int y, int w, int h) override {
        return Log(Fmt("NimbetCreate(%d,%s,%d,%d,%d,%d)", id, parent ? "parent" : "null", x, y, w, h));
    }
    int NimbetSetFocus(int id) override { return Log(Fmt("NimbetSetFocus(%d)", id)); }
    int NimbetSetPos(int id, int x, int y, int w, int h) override {
        return Log(Fmt("NimbetSetPos(%d,%d,%d,%d,%d)", id, x, y, w, h));
    }
    int NimbetRefresh(int id) override { return Log(Fmt("NimbetRefresh(%d)", id)); }
    int NimbetSetVisible(int id, int visible) override {
        return Log(Fmt("NimbetSetVisible(%d,%d)", id, visible));
    }
    void* NimbetGetWnd(int id) override { return Log(Fmt("NimbetGetWnd(%d)", id)), nullptr; }
    int NimbetCopy(int id) override { return Log(Fmt("NimbetCopy(%d)", id)); }
    int NimbetCut(int id) override { return Log(Fmt("NimbetCut(%d)", id)); }
    int NimbetPaste(int id) override { return Log(Fmt("NimbetPaste(%d)", id)); }
    int NimbetUndo(int id) override { return Log(Fmt("NimbetUndo(%d)", id)); }
    int NimbetRedo(int id) override { return Log(Fmt("NimbetRedo(%d)", id)); }
    int NimbetSelectAll(int id) override { return Log(Fmt("NimbetSelectAll(%d)", id)); }
    int NimbetSetText(int id, const char* t) override {
        text = t;
        return Log(Fmt("NimbetSetText(%d,\"%s\")", id, t));
    }
    int NimbetGetTextLength(int id) override {
        Log(Fmt("NimbetGetTextLength(%d)", id));
        return static_cast<int>(text.size());
    }
    int NimbetGetText(int id, char* buffer, int lineCode) override {
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return Log(Fmt("NimbetGetText(%d,%d)", id, lineCode));
    }
    int NimbetGetLines(int id) override { return Log(Fmt("NimbetGetLines(%d)", id)), lines; }
    int NimbetGetLineLen(int id, int line) override {
        return Log(Fmt("NimbetGetLineLen(%d,%d)", id, line)), 0;
    }
    int NimbetSetSelText(int id, const char* t) override {
        return Log(Fmt("NimbetSetSelText(%d,\"%s\")", id, t));
    }
    int NimbetGetSelText(int id, char* buffer) override {
        buffer[0] = '\0';
        Log(Fmt("NimbetGetSelText(%d)", id));
        return -12;
    }
    int NimbetGetSelA(int id, int*, int*, int*, int*) override {
        return Log(Fmt("NimbetGetSelA(%d)", id)), -2;
    }
    int NimbetSetSelB(int id, int from, int to) override {
        return Log(Fmt("NimbetSetSelB(%d,%d,%d)", id, from, to));
    }
    int NimbetGetSelB(int id, int*, int*) override { return Log(Fmt("NimbetGetSelB(%d)", id)), -2; }
    int NimbetGetCaretLine(int id) override { return Log(Fmt("NimbetGetCaretLine(%d)", id)), caretLine; }
    int NimbetGetCaretVPos(int id) override { return Log(Fmt("NimbetGetCaretVPos(%d)", id)), 0; }
    int NimbetSetCaretLine(int id, int line) override {
        caretLine = line;
        return Log(Fmt("NimbetSetCaretLine(%d,%d)", id, line));
    }
    int NimbetSetMark(int id, int line, int mark, int redraw) override {
        marks[line] = mark;
        return Log(Fmt("NimbetSetMark(%d,%d,%d,%d)", id, line, mark, redraw));
    }
    int NimbetGetMark(int id, int line) override {
        Log(Fmt("NimbetGetMark(%d,%d)", id, line));
        auto it = marks.find(line);
        return it == marks.end() ? 0 : it->second;
    }
    int NimbetAddEmphasis(int id, const char* b, const char* e, int type, std::uint32_t colour,
                          unsigned flags, int level, int permit) override {
        return Log(Fmt("NimbetAddEmphasis(%d,\"%s\",\"%s\",%d,0x%06x,%u,%d,%d)", id, b, e, type,
                       static_cast<unsigned>(colour), flags, level, permit));
    }
    int NimbetResetEmphasis(int id, int redraw) override {
        return Log(Fmt("NimbetResetEmphasis(%d,%d)", id, redraw));
    }
    int NimbetFontDialog(int id, char* face, int redraw) override {
        std::strcpy(face, fontDialogResult < 0 ? "" : fontDialogFace.c_str());
        Log(Fmt("NimbetFontDialog(%d,%d)", id, redraw));
        return fontDialogResult;
    }
    int NimbetSetFont(int id, const char* face, int points, int redraw) override {
        return Log(Fmt("NimbetSetFont(%d,\"%s\",%d,%d)", id, face, points, redraw));
    }
    int NimbetSetColor(int id, int kind, std::uint32_t colour, int redraw) override {
        return Log(Fmt("NimbetSetColor(%d,%d,0x%06x,%d)", id, kind, static_cast<unsigned>(colour), redraw));
    }
    int NimbetSetMetrics(int id, int kind, int value, int redraw) override {
        return Log(Fmt("NimbetSetMetrics(%d,%d,%d,%d)", id, kind, value, redraw));
    }
    int NimbetSetLapel(int id, int wrap, int column, int redraw) override {
        return Log(Fmt("NimbetSetLapel(%d,%d,%d,%d)", id, wrap, column, redraw));
    }

  private:
    int Log(const std::string& call) {
        calls.push_back(call);
        return -1;
    }
    template <typename... Args> static std::string Fmt(const char* format, Args... args) {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, format, args...);
        return buffer;
    }
};
