// One editor control: the platform-free Editor plus its child window, fonts
// and back buffer. It is the Editor's link to the window system.
#pragma once

#include <windows.h>

#include "../core/Editor.h"

namespace nimbet::win32 {

constexpr const char* kWindowClass = "NimbetTextEidtorControlForWin32";
constexpr const char* kInstanceProperty = "NimbetClass";

class EditorInstance final : public EditorEvents {
public:
    EditorInstance(int id, HWND parent);
    ~EditorInstance() override;
    EditorInstance(const EditorInstance&) = delete;
    EditorInstance& operator=(const EditorInstance&) = delete;

    // Creates the child window, fonts and back buffer; false when the window
    // cannot be created.
    bool createWindow();

    int id() const noexcept { return id_; }
    HWND window() const noexcept { return hwnd_; }
    HWND parent() const noexcept { return parent_; }
    Editor& editor() noexcept { return editor_; }

    void setPos(int x, int y, int width, int height);
    void setVisible(bool visible);
    void refresh() { repaint(Repaint::Full); }

    // Window messages routed here from the window procedure.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // EditorEvents
    void notify(NimbetNotify message, int code) override;
    void repaint(Repaint what) override;
    void pumpOneMessage() override;

    // Re-entrancy guard: a long load dispatches window messages, which may call
    // back into the library. While busy the instance refuses text changes and
    // defers its own deletion.
    bool busy() const noexcept { return busy_ > 0; }
    void enter() noexcept { ++busy_; }
    void leave() noexcept { --busy_; }
    bool deletePending = false;

private:
    void rebuildBackBuffer(int width, int height);
    void paintInto(HDC target);
    void createCaret();

    int id_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    Editor editor_;
    int busy_ = 0;

    bool visible_ = true;
    int width_ = 200, height_ = 200;
    HDC memoryDc_ = nullptr;
    HBITMAP backBuffer_ = nullptr;
    HBITMAP originalBitmap_ = nullptr;
    HFONT rulerFont_ = nullptr;
    HFONT textFont_ = nullptr;
    HFONT boldFont_ = nullptr;
    int charWidth_ = 8, lineHeight_ = 16;
};

} // namespace nimbet::win32
