// A test editor built from a readable sketch of its text and caret:
//   lines separated by "\n", "|" the caret, "[" the anchor of a selection
//   (the caret is then the selection's moving end).
// Markers are read character by character, so the trail bytes 0x5B ("ー" is
// 81 5B) and 0x7C ("－" is 81 7C) inside double-byte characters stay text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Editor.h"
#include "RecordingEvents.h"

// A clipboard held in memory; `broken` makes every access fail.
struct FakeClipboard final : nimbet::ClipboardAccess {
    std::optional<std::string> content;
    bool broken = false;
    bool write(std::string_view text) override {
        if (broken)
            return false;
        content.emplace(text);
        return true;
    }
    bool read(std::string& text) override {
        if (broken || !content)
            return false;
        text = content->substr(0, content->find('\0'));
        return true;
    }
};

using Notes = std::vector<std::pair<NimbetNotify, int>>;

class SketchEditor {
public:
    // A 400 x 300 window with an 8 x 16 font: 43 visible columns, 18 rows a page.
    SketchEditor();
    explicit SketchEditor(std::string_view sketch) : SketchEditor() { load(sketch); }

    // Loads the text of the sketch and places its caret and selection; the
    // notifications of loading are forgotten.
    void load(std::string_view sketch);
    // The editor's text, caret and selection drawn the same way.
    std::string sketch() const;
    // The whole text with "\n" between lines.
    std::string text() const;

    RecordingEvents events;
    FakeClipboard clipboard;
    nimbet::Editor editor{events};
};

// The text of a sketch without its markers.
std::string PlainText(std::string_view sketch);
