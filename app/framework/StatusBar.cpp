// Status bar panes and indicators.
#include "StatusBar.h"

#include <commctrl.h>

#include "ResourceText.h"

namespace quiltmark {

bool StatusBar::Create(HWND parent, HINSTANCE instance, int windowId,
                       const std::vector<Indicator>& indicators) {
    hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowId)),
                            instance, nullptr);
    if (!hwnd_)
        return false;
    indicators_ = indicators;
    HDC dc = GetDC(hwnd_);
    auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    for (const Indicator& indicator : indicators_) {
        texts_.push_back(LoadResourceString(instance, indicator.textId));
        SIZE extent{};
        GetTextExtentPoint32A(dc, texts_.back().c_str(), static_cast<int>(texts_.back().size()), &extent);
        widths_.push_back(extent.cx + 12);
        shown_.emplace_back();
    }
    if (old)
        SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    Layout();
    return true;
}

int StatusBar::Layout() {
    if (!hwnd_)
        return 0;
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // Right edges of the panes: the indicators keep their widths from the
    // right (the last one also spans the size grip), the message pane takes
    // the rest.
    const size_t count = indicators_.size();
    std::vector<int> edges(count + 1);
    edges[count] = -1;
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
    for (size_t k = count; k >= 1; --k) {
        right -= widths_[k - 1];
        edges[k - 1] = right > 0 ? right : 0;
    }
    SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    SendMessageA(hwnd_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(message_.c_str()));
    for (size_t i = 0; i < shown_.size(); ++i)
        SendMessageA(hwnd_, SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(shown_[i].c_str()));
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void StatusBar::SetMessage(const std::string& text) {
    if (!hwnd_ || text == message_)
        return;
    message_ = text;
    SendMessageA(hwnd_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(message_.c_str()));
}

void StatusBar::UpdateIndicators() {
    if (!hwnd_)
        return;
    for (size_t i = 0; i < indicators_.size(); ++i) {
        const bool locked = (GetKeyState(indicators_[i].virtualKey) & 1) != 0;
        const std::string& wanted = locked ? texts_[i] : std::string();
        if (wanted == shown_[i])
            continue;
        shown_[i] = wanted;
        SendMessageA(hwnd_, SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(shown_[i].c_str()));
    }
}

} // namespace quiltmark
