// Splitter bars: a static control on a dialog-template window that the user
// drags to share space between the controls on its two sides. CSplitterX is
// dragged sideways, CSplitterY up and down. After a completed move the parent
// receives message 2024 with wParam = the signed distance and lParam = the
// bar's control id.
#pragma once

#include <windows.h>

#include <vector>

#include "SplitterGeometry.h"

constexpr UINT kSplitterMovedMessage = WM_USER + 1000; // 2024
constexpr int kHorizontalSplitCursorId = 30980;       // cursor resource of the X splitter
constexpr int kVerticalSplitCursorId = 30981;         // cursor resource of the Y splitter

class CSplitter {
public:
    virtual ~CSplitter();
    CSplitter(const CSplitter&) = delete;
    CSplitter& operator=(const CSplitter&) = delete;

    // Takes over the static control `controlId` of `parent`: subclasses it and
    // adds SS_NOTIFY so that it receives clicks. False when there is no such control.
    virtual bool Attach(HWND parent, int controlId);
    void Detach();
    void SetMargins(int before, int after);
    void AddBefore(int controlId) { beforeIds().push_back(controlId); }
    void AddAfter(int controlId) { afterIds().push_back(controlId); }
    // Aligns the attached controls to the bar's current position.
    void Relayout();

    HWND GetSafeHwnd() const { return bar_; }
    int marginBefore = 0;
    int marginAfter = 0;

protected:
    explicit CSplitter(quiltmark::SplitAxis axis) : axis_(axis) {}
    virtual std::vector<int>& beforeIds() = 0;
    virtual std::vector<int>& afterIds() = 0;

private:
    static LRESULT CALLBACK BarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onLeftButtonDown(int grabX, int grabY);
    int trackDrag(int grabX, int grabY);
    quiltmark::Box barInParent() const;
    quiltmark::Box controlInParent(int id) const;
    void moveControl(int id, const quiltmark::Box& box) const;
    void drawGhost(HDC dc, const quiltmark::Box& box) const;

    quiltmark::SplitAxis axis_;
    HWND parent_ = nullptr;
    HWND bar_ = nullptr;
    int barId_ = 0;
    WNDPROC originalProc_ = nullptr;
};

class CSplitterX final : public CSplitter {
public:
    CSplitterX() : CSplitter(quiltmark::SplitAxis::X) {}
    bool Attach(HWND parent, int controlId) override; // also sets both margins to 10
    std::vector<int> leftIds;
    std::vector<int> rightIds;

protected:
    std::vector<int>& beforeIds() override { return leftIds; }
    std::vector<int>& afterIds() override { return rightIds; }
};

class CSplitterY final : public CSplitter {
public:
    CSplitterY() : CSplitter(quiltmark::SplitAxis::Y) {}
    std::vector<int> topIds;
    std::vector<int> bottomIds;

protected:
    std::vector<int>& beforeIds() override { return topIds; }
    std::vector<int>& afterIds() override { return bottomIds; }
};
