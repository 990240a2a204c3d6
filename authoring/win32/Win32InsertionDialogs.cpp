// The insertion dialogs shown for the structured insertions.
#include "Win32InsertionDialogs.h"

#include "ColorCodeDlg.h"
#include "FontTagDlg.h"
#include "LinkImageDlg.h"
#include "TableDlg.h"

namespace quiltmark {
namespace {

bool RunFileDialog(CLinkImageDlg& dialog, HWND owner, FileDialogResult& out) {
    if (dialog.DoModal(owner) != IDOK)
        return false;
    out = {dialog.address, dialog.title, dialog.target, dialog.browsed, dialog.folder};
    return true;
}

} // namespace

bool Win32InsertionDialogs::Link(const std::string& initialAddress, const std::string& folder,
                                 FileDialogResult& out) {
    CLinkImageDlg dialog(instance_, CLinkImageDlg::Mode::Link);
    dialog.initialAddress = initialAddress;
    dialog.folder = folder;
    return RunFileDialog(dialog, owner_, out);
}

bool Win32InsertionDialogs::Image(const std::string& folder, FileDialogResult& out) {
    CLinkImageDlg dialog(instance_, CLinkImageDlg::Mode::Image);
    dialog.folder = folder;
    return RunFileDialog(dialog, owner_, out);
}

bool Win32InsertionDialogs::Table(int& rows, int& columns) {
    CTableDlg dialog(instance_);
    if (dialog.DoModal(owner_) != IDOK)
        return false;
    rows = dialog.rows;
    columns = dialog.columns;
    return true;
}

bool Win32InsertionDialogs::Font(FontDialogResult& out) {
    CFontTagDlg dialog(instance_);
    if (dialog.DoModal(owner_) != IDOK)
        return false;
    out = {dialog.face, dialog.size, dialog.colour, dialog.colourCode};
    return true;
}

bool Win32InsertionDialogs::ColourCode(std::string& code) {
    CColorCodeDlg dialog(instance_);
    if (dialog.DoModal(owner_) != IDOK)
        return false;
    code = dialog.Code();
    return true;
}

} // namespace quiltmark
