// The modeless find and replace dialogs of the main window.
#include "FindReplaceDialogs.h"

#include <dlgs.h>

#include <algorithm>

#include "App.h"
#include "WindowText.h"

namespace quiltmark {
namespace {

// The dialogs' own buffers only carry the texts they start with: the texts
// searched for are read from the fields, which are not limited in length.
constexpr std::size_t kMinimumBuffer = 256;
constexpr std::size_t kLargestBuffer = 0xFFFF; // the structure counts in 16 bits

std::vector<char> StartBuffer(const std::string& initial) {
    std::vector<char> buffer(std::clamp(initial.size() + 1, kMinimumBuffer, kLargestBuffer), '\0');
    if (initial.size() < buffer.size())
        std::copy(initial.begin(), initial.end(), buffer.begin());
    return buffer;
}

} // namespace

FindReplaceDialogs::~FindReplaceDialogs() {
    Close();
}

UINT FindReplaceDialogs::NotificationMessage() {
    static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
    return message;
}

void FindReplaceDialogs::OpenFind(HWND owner, const std::string& placeholder) {
    if (state_ == kFindOpen)
        return;
    Open(owner, kFindOpen, search_.SelectedText().value_or(placeholder));
}

void FindReplaceDialogs::OpenReplace(HWND owner) {
    if (state_ == kReplaceOpen)
        return;
    Open(owner, kReplaceOpen, search_.SelectedText().value_or(std::string()));
}

void FindReplaceDialogs::Open(HWND owner, State kind, const std::string& initial) {
    Close();
    auto session = std::make_unique<Session>();
    session->what = StartBuffer(initial);
    session->with = StartBuffer("");
    FINDREPLACEA& r = session->request;
    r.lStructSize = sizeof r;
    r.hwndOwner = owner;
    r.Flags = FR_DOWN | FR_HIDEWHOLEWORD | (kind == kReplaceOpen ? FR_HIDEMATCHCASE : 0);
    r.lpstrFindWhat = session->what.data();
    r.wFindWhatLen = static_cast<WORD>(session->what.size());
    r.lpstrReplaceWith = session->with.data();
    r.wReplaceWithLen = static_cast<WORD>(session->with.size());
    session->window = kind == kFindOpen ? FindTextA(&r) : ReplaceTextA(&r);
    if (!session->window)
        return;
    for (int field : {edt1, edt2})
        SendDlgItemMessageA(session->window, field, EM_LIMITTEXT, 0, 0);
    SetDlgItemTextA(session->window, edt1, initial.c_str());
    app_.AddModeless(session->window);
    session_ = std::move(session);
    state_ = kind;
}

void FindReplaceDialogs::Close() {
    if (session_) {
        app_.RemoveModeless(session_->window);
        if (IsWindow(session_->window))
            DestroyWindow(session_->window);
    }
    session_.reset();
    state_ = kClosed;
}

std::string FindReplaceDialogs::FieldText(int id, const char* fallback) const {
    HWND field = session_ ? GetDlgItem(session_->window, id) : nullptr;
    return field ? WindowText(field) : std::string(fallback ? fallback : "");
}

void FindReplaceDialogs::OnNotification(const FINDREPLACEA& request) {
    if (request.Flags & FR_DIALOGTERM) {
        // The dialog is on its way out; its structure stays until the next one opens.
        if (session_)
            app_.RemoveModeless(session_->window);
        state_ = kClosed;
        return;
    }
    if (!session_ || &request != &session_->request)
        return;
    const std::string what = FieldText(edt1, request.lpstrFindWhat);
    if (request.Flags & FR_FINDNEXT)
        search_.FindNext(what, (request.Flags & FR_DOWN) != 0, (request.Flags & FR_MATCHCASE) != 0);
    else if (request.Flags & FR_REPLACE)
        search_.Replace(what, FieldText(edt2, request.lpstrReplaceWith));
    else if (request.Flags & FR_REPLACEALL)
        search_.ReplaceAll(what, FieldText(edt2, request.lpstrReplaceWith));
}

} // namespace quiltmark
