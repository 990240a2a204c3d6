// The structured insertion commands of the view's command table, and what
// they need of the view: the showing test, the selection, the document's
// folder, picture sizes and the status bar.
#include "QuiltmarkView.h"

#include <shlwapi.h>

#include "MainFrame.h"
#include "PictureLoader.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {

void CQuiltmarkView::AddInsertionCommands() {
    commands_.Add(ID_FORMAT_FONT, "format.font", [this] { insertions_.Font(); })
        .Add(ID_INSERT_LINK, "insert.link", [this] { insertions_.Link(); })
        .Add(ID_INSERT_IMAGE, "insert.image", [this] { insertions_.Image(); })
        .Add(ID_INSERT_TABLE, "insert.table", [this] { insertions_.Table(); })
        .Add(ID_INSERT_DATETIME, "insert.dateTime", [this] { insertions_.DateTime(); })
        .Add(ID_INSERT_COLORCODE, "insert.colorCode", [this] { insertions_.ColourCode(); })
        .Add(ID_LIST_UNORDERED, "list.unordered", [this] { insertions_.List(ListKind::Unordered); })
        .Add(ID_LIST_ORDERED, "list.ordered", [this] { insertions_.List(ListKind::Ordered); })
        .Add(ID_LIST_DEFINITION, "list.definition", [this] { insertions_.List(ListKind::Definition); });
}

bool CQuiltmarkView::EditorShowing() {
    return mode_.EditorActive();
}

bool CQuiltmarkView::SelectedText(std::string& text) {
    return inserter_.SelectedText(text);
}

bool CQuiltmarkView::FolderExists(const std::string& folder) {
    return PathIsDirectoryA(folder.c_str()) != FALSE;
}

std::optional<PixelSize> CQuiltmarkView::PictureSize(const std::string& path, PictureProblem& problem) {
    HDC dc = GetDC(Hwnd());
    const auto size = LoadPictureSize(path, dc, problem);
    ReleaseDC(Hwnd(), dc);
    return size;
}

void CQuiltmarkView::ShowPictureNote(PictureProblem problem, const std::string& path) {
    const UINT text = problem == PictureProblem::NotFound ? IDS_PICTURE_NOT_FOUND : IDS_PICTURE_NOT_READ;
    frame_.Status().SetMessage(LoadResourceString(Instance(), text) + path);
}

std::tm CQuiltmarkView::LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

} // namespace quiltmark
