// An editor stand-in for the authoring tests: one text with CR LF line
// breaks, a selection in 1-based through offsets (from == to: the caret), and
// the exports the authoring commands use behaving as the library's do.
#pragma once

#include <cstring>
#include <string>

#include "NimbetCodes.h"
#include "RecordingEditorApi.h"

class SelectionEditor : public RecordingEditorApi {
  public:
    int from = 1, to = 1;
    int setSelTextCalls = 0; // each call is one undoable step

    SelectionEditor(std::string initial = "", int selectFrom = 1, int selectTo = 1) {
        text = std::move(initial);
        from = selectFrom;
        to = selectTo;
    }

    int NimbetGetSelText(int, char* buffer) override {
        calls.push_back("NimbetGetSelText");
        if (from == to) {
            buffer[0] = '\0';
            return NIMBET_NOSELECTION;
        }
        const std::string selected = text.substr(from - 1, to - from);
        std::memcpy(buffer, selected.c_str(), selected.size() + 1);
        return NIMBET_OK;
    }
    int NimbetSetSelText(int, const char* t) override {
        calls.push_back("NimbetSetSelText");
        ++setSelTextCalls;
        text.replace(from - 1, to - from, t);
        from = to = from + static_cast<int>(std::strlen(t));
        return NIMBET_OK;
    }
    int NimbetSelectAll(int) override {
        calls.push_back("NimbetSelectAll");
        from = 1;
        to = static_cast<int>(text.size()) + 1;
        return NIMBET_OK;
    }
    int NimbetGetSelB(int, int* f, int* t) override {
        *f = from;
        *t = to;
        return from == to ? NIMBET_FAILED : NIMBET_OK;
    }
    int NimbetSetSelB(int, int f, int t) override {
        from = f;
        to = t;
        return NIMBET_OK;
    }
};
