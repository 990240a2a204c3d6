// Keys the main view handles itself before the accelerators: Enter in the FTP
// path fields, Tab into the editor (a tab character through the tag
// insertion path), and Right and Down into the editor while editor and
// preview show together, with the caret arithmetic of those two keys in
// through offsets for NimbetSetSelB.
#pragma once

#include <optional>

namespace quiltmark {

// Virtual-key codes of the keys concerned.
inline constexpr int kKeyTab = 0x09;
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;

// The window a key-down is addressed to.
enum class KeyTarget { Editor, LocalPath, RemotePath, Other };

enum class ViewKey {
    None,       // the key goes on to the accelerators and the dialog keys
    PathEnter,  // Enter in a path field: the FTP path command of that field
    InsertTab,  // one tab character replaces the selection; the key is used up
    CaretRight, // RightArrowTarget; the key is used up
    CaretDown,  // DownArrowTarget; the key is used up
};

// Keys with Shift held that are addressed to the editor stay with it: it
// unindents on Shift+Tab and extends the selection with Shift+Right/Down.
ViewKey ClassifyViewKey(int virtualKey, KeyTarget target, bool twoPaneOn, bool shiftHeld);

// What the view reads from the editor before moving.
struct CaretFacts {
    int selectionStart; // through offset of the selection start (or the caret)
    int endLine;        // line of the selection end
    int endPos;         // position of the selection end
    int endLineLength;  // length of that line
    int lineCount;      // lines of the text
    int nextLineLength; // length of the line after it (unused on the last line)
};

// Right: one step on, over the line break when at the end of the line.
int RightArrowTarget(const CaretFacts& f);

// Down: the same column of the next line, or its end when it is shorter;
// nothing on the last line.
std::optional<int> DownArrowTarget(const CaretFacts& f);

} // namespace quiltmark
