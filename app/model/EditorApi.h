// The exports of the editor library that the program calls, as an interface:
// the program forwards them to Nimbet.dll, tests record them. Names, argument
// order and result codes are those of the library (success is -1).
#pragma once

#include <cstdint>

namespace quiltmark {

class EditorApi {
  public:
    virtual ~EditorApi() = default;

    virtual int GetNimbetVer() = 0;
    virtual int NimbetCreate(int id, void* parentWindow, int x, int y, int width, int height) = 0;
    virtual int NimbetSetFocus(int id) = 0;
    virtual int NimbetSetPos(int id, int x, int y, int width, int height) = 0;
    virtual int NimbetRefresh(int id) = 0;
    virtual int NimbetSetVisible(int id, int visible) = 0;
    virtual void* NimbetGetWnd(int id) = 0;

    virtual int NimbetCopy(int id) = 0;
    virtual int NimbetCut(int id) = 0;
    virtual int NimbetPaste(int id) = 0;
    virtual int NimbetUndo(int id) = 0;
    virtual int NimbetRedo(int id) = 0;
    virtual int NimbetSelectAll(int id) = 0;

    virtual int NimbetSetText(int id, const char* text) = 0;
    virtual int NimbetGetTextLength(int id) = 0;
    virtual int NimbetGetText(int id, char* buffer, int lineCode) = 0;
    virtual int NimbetGetLines(int id) = 0;
    virtual int NimbetGetLineLen(int id, int line) = 0;
    virtual int NimbetSetSelText(int id, const char* text) = 0;
    virtual int NimbetGetSelText(int id, char* buffer) = 0;
    virtual int NimbetGetSelA(int id, int* line1, int* pos1, int* line2, int* pos2) = 0;
    virtual int NimbetSetSelB(int id, int from, int to) = 0;
    virtual int NimbetGetSelB(int id, int* from, int* to) = 0;

    virtual int NimbetGetCaretLine(int id) = 0;
    virtual int NimbetGetCaretVPos(int id) = 0;
    virtual int NimbetSetCaretLine(int id, int line) = 0;
    virtual int NimbetSetMark(int id, int line, int mark, int redraw) = 0;
    virtual int NimbetGetMark(int id, int line) = 0;

    virtual int NimbetAddEmphasis(int id, const char* begin, const char* end, int type, std::uint32_t colour,
                                  unsigned flags, int level, int permit) = 0;
    virtual int NimbetResetEmphasis(int id, int redraw) = 0;
    virtual int NimbetFontDialog(int id, char* faceOut, int redraw) = 0;
    virtual int NimbetSetFont(int id, const char* face, int points, int redraw) = 0;
    virtual int NimbetSetColor(int id, int kind, std::uint32_t colour, int redraw) = 0;
    virtual int NimbetSetMetrics(int id, int kind, int value, int redraw) = 0;
    virtual int NimbetSetLapel(int id, int wrap, int column, int redraw) = 0;
};

} // namespace quiltmark
