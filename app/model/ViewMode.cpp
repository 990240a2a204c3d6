// Mode changes of the main view and the fate of dropped files.
#include "ViewMode.h"

namespace quiltmark {

void ViewMode::SelectTab(int tab) {
    currentTab = tab;
    twoPaneOn = false;
    twoPaneKind = kTwoPaneNone;
}

void ViewMode::ToggleTwoPane(int kind) {
    if (twoPaneOn && (twoPaneKind == kTwoPaneNone || twoPaneKind == kind)) {
        twoPaneOn = false;
        twoPaneKind = kTwoPaneNone;
    } else {
        twoPaneOn = true;
        twoPaneKind = kind;
    }
}

DropAction DecideDrop(const ViewMode& mode, bool isFolder, bool ftpConnected) {
    if (isFolder)
        return DropAction::RefuseFolder;
    if (mode.EditorActive())
        return DropAction::OpenDocument;
    if (mode.currentTab == kFtpTab && ftpConnected)
        return DropAction::Upload;
    return DropAction::Ignore;
}

} // namespace quiltmark
