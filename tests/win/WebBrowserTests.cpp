// The hosted web-browser control: creation as control 1002 of a parent, and
// navigation calls that return at once whatever the browser can do.
#include <gtest/gtest.h>

#include <windows.h>

#include "WebBrowser2.h"

namespace {

class WebBrowser : public testing::Test {
protected:
    static void SetUpTestSuite() { OleInitialize(nullptr); }
    static void TearDownTestSuite() { OleUninitialize(); }
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

TEST_F(WebBrowser, IsCreatedAsControlOfTheParent) {
    CWebBrowser2 browser;
    ASSERT_TRUE(browser.Create(parent, 1002, RECT{0, 0, 200, 100}));
    EXPECT_EQ(GetDlgItem(parent, 1002), browser.GetSafeHwnd());
    EXPECT_TRUE(browser.HasBrowser()) << "the browser object is created even where it cannot render";
}

TEST_F(WebBrowser, FailingNavigationNeitherBlocksNorCrashes) {
    CWebBrowser2 browser;
    ASSERT_TRUE(browser.Create(parent, 1002, RECT{0, 0, 200, 100}));
    const DWORD start = GetTickCount();
    browser.Navigate("C:\\no such folder\\tmp_preview.html");
    browser.Refresh();
    browser.GoBack();
    browser.GoForward();
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_EQ(browser.LastNavigateAddress(), "C:\\no such folder\\tmp_preview.html");
    for (auto operation : {CWebBrowser2::kNavigate, CWebBrowser2::kRefresh, CWebBrowser2::kGoBack,
                           CWebBrowser2::kGoForward})
        EXPECT_EQ(browser.Calls(operation), 1) << operation;
    browser.Destroy();
    browser.Navigate("x"); // without a browser the calls do nothing
    EXPECT_EQ(browser.LastResult(), E_NOINTERFACE);
    EXPECT_EQ(browser.Calls(CWebBrowser2::kNavigate), 2) << "asked for all the same";
}

} // namespace
