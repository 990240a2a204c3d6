// The program's side of the source editor: creating editor instance 0,
// handing it the settings, the bookmarks, the editing commands and the editor
// font command. Everything goes through the library's exports.
#pragma once

#include <array>

#include "Bookmarks.h"
#include "EditorApi.h"
#include "ProfileStore.h"
#include "Settings.h"
#include "ViewMode.h"

namespace quiltmark {

// What the host needs from the main view around it.
class EditorHostSite {
  public:
    virtual ~EditorHostSite() = default;
    // The library is older than the program needs (the warning message).
    virtual void WarnOldLibrary() = 0;
    // Asks the tab control to focus tab 0, which returns the view to the
    // source tab.
    virtual void FocusSourceTab() = 0;
    virtual void BrowserBack() = 0;
    virtual void BrowserForward() = 0;
};

class EditorHost {
  public:
    static constexpr int kEditorId = 0;
    static constexpr int kRequiredVersion = 145;
    static constexpr int kFaceBufferSize = 261;

    EditorHost(EditorApi& api, EditorHostSite& site) : api_(api), site_(site), bookmarks_(api) {}

    // Creates the editor as a child of parentWindow and configures it from
    // the settings (read here, in the order of the start-up).
    void Create(void* parentWindow, ProfileStore& profile, Settings& settings, bool twoPaneOn);
    // Re-sends every editor setting: emphasis rules, wrap, clickable
    // addresses, colours, ruler and line numbers.
    void ApplySettings(const Settings& settings, bool twoPaneOn);
    // Composes the current colours from the stored components.
    void TakeColours(const Settings& settings);

    // Undo, redo, cut, copy, paste, delete and select all.
    void EditCommand(int commandId, ViewMode mode);
    // Lets the user choose the editor font and stores it.
    void FontCommand(ProfileStore& profile, Settings& settings);

    Bookmarks& BookmarkSlots() { return bookmarks_; }
    const std::array<Colour, kColourCount>& CurrentColours() const { return currentColours_; }
    const std::array<Colour, kColourCount>& DefaultColourTable() const { return defaultColours_; }

  private:
    EditorApi& api_;
    EditorHostSite& site_;
    Bookmarks bookmarks_;
    std::array<Colour, kColourCount> currentColours_{};
    std::array<Colour, kColourCount> defaultColours_{};
};

} // namespace quiltmark
