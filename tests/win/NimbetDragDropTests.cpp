// OLE drag-and-drop with the real control: text dropped in through the
// registered drop target, drops that are refused, and real mouse drags driven
// through X with xdotool: a move within the control (taken back by one
// NimbetUndo) and a move into another window.
#include "ControlFixture.h"

#include <ole2.h>

#include <cstring>
#include <thread>

namespace {

FORMATETC TextFormat() {
    return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// A data object offering `text` as CF_TEXT (or nothing at all).
class TextData final : public IDataObject {
  public:
    explicit TextData(std::string text, bool offer = true) : text_(std::move(text)), offer_(offer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; } // lives on the test's stack
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const HRESULT query = QueryGetData(format);
        if (query != S_OK)
            return query;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text_.size() + 1);
        std::memcpy(GlobalLock(block), text_.c_str(), text_.size() + 1);
        GlobalUnlock(block);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        ++handedOut;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!offer_ || format->cfFormat != CF_TEXT || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    LONG references = 1;
    int handedOut = 0;

  private:
    std::string text_;
    bool offer_;
};

// Another window accepting dropped text as a move.
class TextWindow final : public IDropTarget {
  public:
    TextWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "NimbetTestDropWindow";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "drop here", WS_POPUP | WS_VISIBLE, 600, 100, 300, 200,
                               nullptr, nullptr, wc.hInstance, nullptr);
        registered = SUCCEEDED(RegisterDragDrop(hwnd, this));
    }
    ~TextWindow() {
        if (registered)
            RevokeDragDrop(hwnd);
        DestroyWindow(hwnd);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *out = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_MOVE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_MOVE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = TextFormat();
        STGMEDIUM medium{};
        if (SUCCEEDED(data->GetData(&format, &medium))) {
            received = static_cast<const char*>(GlobalLock(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
            ReleaseStgMedium(&medium);
        }
        *effect &= DROPEFFECT_MOVE;
        return S_OK;
    }

    HWND hwnd = nullptr;
    bool registered = false;
    std::string received;
};

class DragDrop : public ControlTest {
  public:
    IDropTarget* Target() const {
        return static_cast<IDropTarget*>(GetPropA(control, "OleDropTargetInterface"));
    }
    POINTL Screen(int x, int y) const {
        POINT p{x, y};
        ClientToScreen(control, &p);
        return {p.x, p.y};
    }
    // Runs xdotool with `arguments` and keeps this thread's windows working
    // until it has finished. Wine gives no waitable handle for a Unix program,
    // so the shell leaves a marker file behind at the end.
    static bool Xdotool(const std::string& arguments) {
        static int calls = 0;
        const std::string marker =
            "/tmp/nimbet-input-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++calls);
        std::string windowsMarker = "Z:" + marker;
        for (char& c : windowsMarker)
            if (c == '/')
                c = '\\';
        DeleteFileA(windowsMarker.c_str());
        std::string command = "Z:\\bin\\sh -c \"xdotool " + arguments + "; touch " + marker + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return false;
        const DWORD start = GetTickCount();
        bool finished = false;
        while (!finished && GetTickCount() - start < 20000) {
            Pump(20);
            finished = GetFileAttributesA(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES;
        }
        DeleteFileA(windowsMarker.c_str());
        Pump(200);
        return finished;
    }
    // Presses the left button at one screen point, moves to another in steps
    // and releases it there.
    static std::string DragCommand(POINTL from, POINTL to) {
        auto at = [](long x, long y) {
            return "mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.2 ";
        };
        return at(from.x, from.y) + "mousedown 1 sleep 0.2 " + at(from.x + 4, from.y) +
               at((from.x + to.x) / 2, to.y) + at(to.x, to.y) + at(to.x + 1, to.y) + "mouseup 1 sleep 0.2 " +
               at(1270, 1010); // out of every test window's way
    }
};

} // namespace

TEST_F(DragDrop, TextDroppedThroughTheRegisteredTarget) {
    Load("one two");
    IDropTarget* target = Target();
    ASSERT_NE(target, nullptr) << "the control is registered as a drop target";
    IDropTarget* asked = nullptr;
    ASSERT_EQ(target->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(&asked)), S_OK);
    EXPECT_EQ(asked, target);
    asked->Release();

    TextData data("ソ\r\nx");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(X(3), Y(1)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY)) << "text from elsewhere is copied";
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(X(4), Y(1)), &effect), S_OK);
    EXPECT_EQ(State(), "caret 1,5") << "the caret follows the drag";
    parent.received.clear();
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(target->Drop(&data, 0, Screen(X(4), Y(1)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), "one ソ\nxtwo");
    EXPECT_EQ(State(), "caret 2,2");
    EXPECT_EQ(parent.received,
              (std::vector<Notification>{Note(NIMBET_NOTIFY_CARET, 0, 3), Note(NIMBET_NOTIFY_TEXT, 0, 14)}));
    EXPECT_EQ(data.references, 1) << "the data object is let go after the drop";
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "one two");
}

TEST_F(DragDrop, RefusedDropsChangeNothing) {
    Load("one two");
    IDropTarget* target = Target();
    ASSERT_NE(target, nullptr);
    struct Case {
        const char* name;
        bool offerText;
        int flags;
        bool writable;
        HRESULT dropResult;
    } cases[] = {
        {"no text offered", false, 0x01, true, DV_E_FORMATETC}, // the drop fails
        {"dropping in switched off", true, 0x05, true, S_OK},
        {"write-protected", true, 0x01, false, S_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 8, c.flags, 0), NIMBET_OK);
        ASSERT_EQ(Nimbet().NimbetWriteEnable(0, c.writable), NIMBET_OK);
        TextData data("x", c.offerText);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(target->DragEnter(&data, MK_LBUTTON, Screen(X(2), Y(1)), &effect), S_OK);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->Drop(&data, 0, Screen(X(2), Y(1)), &effect), c.dropResult);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
        EXPECT_EQ(data.handedOut, 0);
        EXPECT_EQ(Text(), "one two");
    }
    Nimbet().NimbetWriteEnable(0, 1);
    // Leaving lets go of the data object.
    TextData data("x");
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 8, 0x01, 0), NIMBET_OK);
    target->DragEnter(&data, MK_LBUTTON, Screen(X(2), Y(1)), &effect);
    EXPECT_GT(data.references, 1);
    EXPECT_EQ(target->DragLeave(), S_OK);
    EXPECT_EQ(data.references, 1);
}

TEST_F(DragDrop, MovingASelectionWithTheMouseIsUndoneInOneStep) {
    Load("one two three");
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 1, 1, 5), 1); // "one "
    parent.received.clear();
    // Press on "one", drag behind "three" and let go.
    ASSERT_TRUE(Xdotool(DragCommand(Screen(X(1), Y(1)), Screen(X(13) + 2, Y(1)))));
    EXPECT_EQ(Text(), "two threeone ");
    EXPECT_EQ(State(), "caret 1,14");
    const std::vector<Notification> drop = {Note(NIMBET_NOTIFY_CARET, 0, 3), Note(NIMBET_NOTIFY_TEXT, 0, 14)};
    EXPECT_EQ(Received(NIMBET_NOTIFY_TEXT), (std::vector<Notification>{drop[1]}));
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "one two three");
    EXPECT_EQ(Nimbet().NimbetUndo(0), NIMBET_FAILED) << "the move was one step";
    ASSERT_EQ(Nimbet().NimbetRedo(0), NIMBET_OK);
    ASSERT_EQ(Nimbet().NimbetRedo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "two threeone ");
}

TEST_F(DragDrop, MovingASelectionIntoAnotherWindowDeletesIt) {
    TextWindow other;
    ASSERT_TRUE(other.registered);
    Load("one two three");
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 5, 1, 9), 1); // "two "
    RECT area;
    GetWindowRect(other.hwnd, &area);
    ASSERT_TRUE(Xdotool(DragCommand(Screen(X(5), Y(1)), {area.left + 50, area.top + 50})));
    EXPECT_EQ(other.received, "two ");
    EXPECT_EQ(Text(), "one three");
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "one two three");
}

TEST_F(DragDrop, DraggingASelectionOntoItselfChangesNothing) {
    Load("one two three");
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 5, 1, 9), 1);
    ASSERT_TRUE(Xdotool(DragCommand(Screen(X(5), Y(1)), Screen(X(6), Y(1)))));
    EXPECT_EQ(Text(), "one two three");
    EXPECT_EQ(Nimbet().NimbetUndo(0), NIMBET_FAILED);
}

TEST_F(DragDrop, WithoutOleTheControlWorksWithoutDragAndDrop) {
    // A thread that never initialised OLE creates the control.
    Nimbet().NimbetDelete(0);
    bool registered = true;
    std::string state;
    std::thread([&] {
        RecordingParent host;
        ASSERT_EQ(Nimbet().NimbetCreate(0, host.hwnd(), 0, 0, 400, 300), NIMBET_OK);
        control = Nimbet().NimbetGetWnd(0);
        registered = Target() != nullptr;
        Load("one two");
        ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 1, 1, 4), 1);
        Mouse(WM_LBUTTONDOWN, X(1), Y(1)); // a press on the selection is a click
        Mouse(WM_MOUSEMOVE, X(5), Y(1), MK_LBUTTON);
        Mouse(WM_LBUTTONUP, X(5), Y(1));
        state = State();
        Nimbet().NimbetDelete(0);
    }).join();
    EXPECT_FALSE(registered);
    EXPECT_EQ(state, "sel 1,2 1,6 caret 1,6");
}
