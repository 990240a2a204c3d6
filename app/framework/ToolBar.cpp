// Toolbar creation from resources and its button states.
#include "ToolBar.h"

#include <commctrl.h>

#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kGripperIndent = 8; // room for the gripper before the first button

struct ToolbarData {
    WORD version;
    WORD width;
    WORD height;
    WORD count;
    // followed by count command ids
};

} // namespace

bool ToolBar::Create(HWND parent, HINSTANCE instance, int resourceId, int windowId) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_DATA));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* data = loaded ? static_cast<const ToolbarData*>(LockResource(loaded)) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!data || size < sizeof(ToolbarData) || size < sizeof(ToolbarData) + data->count * sizeof(WORD))
        return false;
    const auto* ids = reinterpret_cast<const WORD*>(data + 1);

    hwnd_ = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowId)), instance, nullptr);
    if (!hwnd_)
        return false;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETINDENT, kGripperIndent, 0);

    HIMAGELIST images = ImageList_Create(data->width, data->height, ILC_COLOR24 | ILC_MASK, data->count, 0);
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (images && bitmap)
        ImageList_AddMasked(images, bitmap, kTransparent);
    if (bitmap)
        DeleteObject(bitmap);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD i = 0; i < data->count; ++i) {
        TBBUTTON button{};
        button.idCommand = ids[i];
        if (ids[i] == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
        commands_.push_back(ids[i]);
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    return true;
}

void ToolBar::UpdateStates(const CommandRouter& router) {
    if (!hwnd_)
        return;
    for (int id : commands_) {
        if (id == 0)
            continue;
        const CommandState state = router.Query(id);
        const LRESULT old = SendMessageA(hwnd_, TB_GETSTATE, id, 0);
        if (old == -1)
            continue;
        LRESULT wanted = old & ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
        if (state.handled && state.enabled)
            wanted |= TBSTATE_ENABLED;
        if (state.hasCheck && state.checked)
            wanted |= TBSTATE_CHECKED;
        if (wanted != old) // unchanged states are not set again: no repaint, no idle loop
            SendMessageA(hwnd_, TB_SETSTATE, id, MAKELPARAM(wanted, 0));
    }
}

LRESULT ToolBar::OnCustomDraw(const NMHDR* header) {
    const auto* draw = reinterpret_cast<const NMTBCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYPOSTPAINT;
    if (draw->nmcd.dwDrawStage == CDDS_POSTPAINT) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        RECT grip{2, client.top + 3, 5, client.bottom - 3};
        DrawEdge(draw->nmcd.hdc, &grip, BDR_RAISEDINNER, BF_RECT);
    }
    return CDRF_DODEFAULT;
}

int ToolBar::AutoSize() {
    if (!hwnd_)
        return 0;
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

} // namespace quiltmark
