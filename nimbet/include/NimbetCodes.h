// Result codes, notification messages and setting kinds of the Nimbet editor
// control. Shared by the library, its host program and the tests; free of
// windows.h so that the platform-free core can use it too.
#pragma once

// Every export that returns a status returns one of these. Success is -1, not 0.
enum NimbetResult : int {
    NIMBET_OK = -1,
    NIMBET_FAILED = -2,
    NIMBET_NOMEMORY = -3,
    NIMBET_BADARG = -4,
    NIMBET_BADID = -5,
    NIMBET_CANCELLED = -6,
    NIMBET_READONLY = -7,
    NIMBET_RULESFULL = -8,
    NIMBET_BLOCKRULESFULL = -9,
    NIMBET_GROUPRULESFULL = -10,
    NIMBET_IDINUSE = -11,
    NIMBET_NOSELECTION = -12,
};

// Messages sent to the control's parent window. Unless noted otherwise
// wParam = identifier * 65536 + code and lParam = 0.
enum NimbetNotify : unsigned {
    NIMBET_NOTIFY_TEXT = 2024,        // the text changed (NimbetTextCode)
    NIMBET_NOTIFY_MOUSE = 2025,       // mouse moved (NimbetMouseCode)
    NIMBET_NOTIFY_CONTEXTMENU = 2026, // context-menu request, code 0
    NIMBET_NOTIFY_CARET = 2027,       // caret or view may have moved (NimbetCaretCode)
    NIMBET_NOTIFY_SELCLEARED = 2028,  // selection cleared; wParam = lParam = 0
    NIMBET_NOTIFY_INSERTMODE = 2029,  // Insert pressed: 1 insert mode, 0 overwrite mode
};

enum NimbetTextCode : int {
    NIMBET_TEXT_TYPED = 0,
    NIMBET_TEXT_IMERESULT = 1,
    NIMBET_TEXT_ENTER = 2,
    NIMBET_TEXT_BACKSPACE = 3,
    NIMBET_TEXT_DELETE = 4,
    NIMBET_TEXT_PASTE = 5,
    NIMBET_TEXT_CUT = 6,
    NIMBET_TEXT_UNDO = 7,
    NIMBET_TEXT_REDO = 8,
    NIMBET_TEXT_TAB = 9,
    NIMBET_TEXT_SETSELTEXT = 10,
    NIMBET_TEXT_SETTEXT = 11,
    NIMBET_TEXT_INDENT = 12,
    NIMBET_TEXT_UNINDENT = 13,
    NIMBET_TEXT_DROP = 14,
};

enum NimbetMouseCode : int {
    NIMBET_MOUSE_TEXT = 0,
    NIMBET_MOUSE_LINENUMBERS = 1,
    NIMBET_MOUSE_RULER = 2,
    NIMBET_MOUSE_LINESELECT = 3,
    NIMBET_MOUSE_TEXTSELECT = 4,
    NIMBET_MOUSE_URL = 5,
    NIMBET_MOUSE_MAIL = 6,
};

enum NimbetCaretCode : int {
    NIMBET_CARET_EXPORT = 0,
    NIMBET_CARET_KEYBOARD = 1,
    NIMBET_CARET_MOUSE = 2,
    NIMBET_CARET_DRAGDROP = 3,
};

// The library version reported by GetNimbetVer (1.45); hosts refuse older ones.
constexpr int NIMBET_VERSION = 145;
constexpr int NIMBET_BETA_VERSION = 0;

// Line codes of NimbetGetText / NimbetGetLineCode.
enum NimbetLineCode : int {
    NIMBET_LINECODE_NONE = 0, // lines joined with nothing between them
    NIMBET_LINECODE_CRLF = 1,
    NIMBET_LINECODE_CR = 2,
    NIMBET_LINECODE_LF = 3,
    NIMBET_LINECODE_STORED = 4, // the line code found by the last NimbetSetText
};
