// The exports that find and replace use, answered by the editor library's
// own platform-free model (the rest are recorded as by RecordingEditorApi).
#pragma once

#include <cstring>
#include <string>

#include "Editor.h"
#include "EditorEvents.h"
#include "NimbetCodes.h"
#include "RecordingEditorApi.h"

class ModelEditorApi : public RecordingEditorApi {
  public:
    nimbet::NoEvents events;
    nimbet::Editor editor{events};

    int NimbetSetText(int, const char* t) override { return editor.setText(t); }
    int NimbetGetTextLength(int) override { return static_cast<int>(editor.textLength()); }
    int NimbetGetText(int, char* buffer, int lineCode) override { return editor.getText(buffer, lineCode); }
    int NimbetSetSelText(int, const char* t) override {
        ++setSelTextCalls;
        return editor.setSelText(t);
    }
    int NimbetGetSelText(int, char* buffer) override { return editor.getSelText(buffer); }
    int NimbetSelectAll(int) override { return editor.selectAll(), NIMBET_OK; }
    int NimbetUndo(int) override { return editor.undo(); }
    int NimbetSetSelB(int, int from, int to) override { return editor.setSelectionThrough(from, to); }
    int NimbetGetSelB(int, int* from, int* to) override {
        const nimbet::SelectionRange range = editor.selection();
        *from = static_cast<int>(editor.throughOffset(range.start));
        *to = static_cast<int>(editor.throughOffset(range.finish));
        return range.exists ? NIMBET_OK : NIMBET_FAILED;
    }

    std::string Text(int lineCode) {
        std::string text(static_cast<std::size_t>(editor.textLength()), '\0');
        editor.getText(text.data(), lineCode);
        return text.substr(0, std::strlen(text.c_str()));
    }

    int setSelTextCalls = 0;
};
