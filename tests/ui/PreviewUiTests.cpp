// End-to-end tests of the preview: the file written beside the document at
// each moment it is due, the calls made on the embedded browser (which cannot
// render under Wine), the external tools, and a preview that cannot be
// written.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

const std::string kPreview = "tmp_preview.html";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

LRESULT Refreshes(const AppSession& app) {
    return app.Query(kQueryBrowserCalls, kBrowserRefresh);
}

} // namespace

TEST(QuiltmarkPreview, WrittenAndNavigatedAtLoadAndRewrittenOnEveryChangeInRealTime) {
    AppSession app;
    CreateDirectoryA((app.Folder() + "my site").c_str(), nullptr);
    ASSERT_TRUE(app.WriteFile("my site\\page.html", "<P>a</P>\n<P>b</P>"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "my site\\page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);

    // The browser was asked to show the preview file beside the document, and
    // its failure to render here neither blocked nor ended the program.
    EXPECT_EQ(app.NavigateAddress(), app.Folder() + "my site\\" + kPreview);
    EXPECT_GE(app.Query(kQueryBrowserCalls, kBrowserNavigate), 1);
    EXPECT_EQ(app.Query(kQueryBrowserHosted), 1);
    EXPECT_EQ(app.ReadFile("my site\\" + kPreview), "<P>a</P>\r\n<P>b</P>\r\n");
    EXPECT_EQ(app.Query(kQueryBrowserCalls, kBrowserRefresh), 0);

    // Showing real-time two-pane display writes the file but does not refresh.
    ASSERT_TRUE(app.WriteFile("my site\\" + kPreview, "stale"));
    app.Command(ID_VIEW_SPLIT_REALTIME);
    EXPECT_EQ(app.ReadFile("my site\\" + kPreview), "<P>a</P>\r\n<P>b</P>\r\n");
    EXPECT_EQ(Refreshes(app), 0);

    // Every typed character rewrites the file and refreshes the browser once.
    for (char c : std::string("xy")) {
        SCOPED_TRACE(c);
        const LRESULT before = Refreshes(app);
        app.PostChar(app.Editor(), c);
        ASSERT_TRUE(app.Flush());
        EXPECT_EQ(Refreshes(app), before + 1);
    }
    EXPECT_EQ(app.EditorText(), "xy<P>a</P>\r\n<P>b</P>\r\n");
    EXPECT_EQ(app.ReadFile("my site\\" + kPreview), "xy<P>a</P>\r\n<P>b</P>\r\n");
    EXPECT_TRUE(app.Running());
    ASSERT_TRUE(app.CloseDiscarding());
    EXPECT_EQ(app.ReadFile("my site\\" + kPreview), "<absent>") << "removed at close";
}

TEST(QuiltmarkPreview, AFileNamedLikeThePreviewIsRefusedAndKept) {
    AppSession app;
    CreateDirectoryA((app.Folder() + "sub").c_str(), nullptr);
    ASSERT_TRUE(app.WriteFile("sub\\" + kPreview, "<P>mine</P>\r\n"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "sub\\" + kPreview)));
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    AppSession::PressOk(box);
    ASSERT_NE(app.WaitForFrame(), nullptr);
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.ReadFile("sub\\" + kPreview), "<P>mine</P>\r\n");
}

TEST(QuiltmarkPreview, AltRRefreshesOnlyInItsOwnMode) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", "<P>r</P>"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const std::string written = "<P>r</P>\r\n";

    const struct {
        const char* name;
        int command; // puts the view into the mode
        bool refreshes;
    } modes[] = {
        {"source tab", ID_VIEW_TAB_SOURCE, false},
        {"FTP tab", ID_VIEW_TAB_FTP, false},
        {"real-time two-pane", ID_VIEW_SPLIT_REALTIME, false},
        {"Alt+R two-pane", ID_VIEW_SPLIT_ALTR, true},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.name);
        app.Command(ID_VIEW_TAB_SOURCE);
        if (m.command != ID_VIEW_TAB_SOURCE)
            app.Command(m.command);
        ASSERT_TRUE(app.WriteFile(kPreview, "stale"));
        const LRESULT before = Refreshes(app);
        app.Command(ID_VIEW_REFRESH_PREVIEW);
        EXPECT_EQ(app.ReadFile(kPreview), m.refreshes ? written : "stale");
        EXPECT_EQ(Refreshes(app), before + (m.refreshes ? 1 : 0));
    }
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkPreview, PreviewTabShowsTheBrowserAndUndoRedoGoBackAndForward) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", "<P>t</P>"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    ASSERT_TRUE(app.WriteFile(kPreview, "stale"));

    app.Command(ID_VIEW_TAB_PREVIEW);
    EXPECT_EQ(app.ReadFile(kPreview), "<P>t</P>\r\n");
    EXPECT_EQ(Refreshes(app), 1);
    EXPECT_TRUE(Visible(GetDlgItem(app.View(), IDC_BROWSER)));
    EXPECT_FALSE(Visible(app.Editor()));

    app.Command(ID_EDIT_UNDO);
    app.Command(ID_EDIT_UNDO);
    app.Command(ID_EDIT_REDO);
    EXPECT_EQ(app.Query(kQueryBrowserCalls, kBrowserBack), 2);
    EXPECT_EQ(app.Query(kQueryBrowserCalls, kBrowserForward), 1);
    EXPECT_EQ(app.EditorText(), "<P>t</P>\r\n");

    // On the source tab the same commands edit the text instead.
    app.Command(ID_VIEW_TAB_SOURCE);
    EXPECT_FALSE(Visible(GetDlgItem(app.View(), IDC_BROWSER)));
    app.Command(ID_EDIT_UNDO);
    EXPECT_EQ(app.Query(kQueryBrowserCalls, kBrowserBack), 2);
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkTools, BrowsersGetTheFileAddressAndMissingToolsAreReported) {
    AppSession app;
    CreateDirectoryA((app.Folder() + "my site").c_str(), nullptr);
    CreateDirectoryA((app.Folder() + "my tools").c_str(), nullptr);
    ASSERT_TRUE(app.CopyBinary("ArgsEcho.exe", "my tools\\args echo.exe"));
    ASSERT_TRUE(app.WriteFile("my site\\page.html", "<P>tool</P>"));
    const std::string tool = app.Folder() + "my tools\\args echo.exe";
    app.SetIni("Tools", "isFirst", "1");
    app.SetIni("Tools", "Name1", "Browser");
    app.SetIni("Tools", "Path1", tool);
    app.SetIni("Tools", "isBrow1", "1");
    app.SetIni("Tools", "Name2", "Editor");
    app.SetIni("Tools", "Path2", tool);
    app.SetIni("Tools", "isBrow2", "0");
    app.SetIni("Tools", "Name3", "Missing");
    app.SetIni("Tools", "Path3", app.Folder() + "no such tool.exe");
    app.SetIni("Tools", "isBrow3", "1");
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "my site\\page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);

    // The address: "file:///", the drive, ":/", the rest of the path with its
    // backslashes, every space written as "%20".
    std::string address = "file:///" + app.Folder().substr(0, 1) + ":/";
    for (char c : app.Folder().substr(3) + "my site\\" + kPreview)
        address += c == ' ' ? std::string("%20") : std::string(1, c);
    const struct {
        int command;
        std::string arguments; // as the tool saw them
    } runs[] = {
        {ID_TOOL_1, "1\n" + address + "\n"},
        {ID_TOOL_1 + 1, "0\n"},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.command);
        DeleteFileA((app.Folder() + "my tools\\args.txt").c_str());
        DeleteFileA((app.Folder() + "my site\\" + kPreview).c_str());
        app.Command(r.command);
        // The preview is written before the tool starts.
        EXPECT_EQ(app.ReadFile("my site\\" + kPreview), "<P>tool</P>\r\n");
        ASSERT_TRUE(WaitUntil([&] { return app.ReadFile("my tools\\args.txt") != "<absent>"; }));
        EXPECT_EQ(app.ReadFile("my tools\\args.txt"), r.arguments);
    }
    EXPECT_TRUE(app.MessageBoxes().empty());

    app.PostCommand(ID_TOOL_1 + 2);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AppSession::TextOf(box), "エラー");
    EXPECT_EQ(AppSession::MessageText(box), "アプリケーションの起動に失敗しました");
    AppSession::PressOk(box);
    ASSERT_TRUE(app.Flush());
    EXPECT_TRUE(app.MessageBoxes().empty());
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkPreview, UnwritablePreviewIsReportedOnceAndTheTextStays) {
    // A folder named like the preview file stands in for a folder the program
    // may not write to (the tests run with rights that ignore read-only
    // folders); removing the folder the document was opened from is the other
    // case.
    const struct {
        const char* name;
        bool blockedFromTheStart;
        const char* reason;
    } cases[] = {
        {"preview cannot be created", true, "書き込みが許可されていません"},
        {"document folder removed", false, "フォルダが見つかりません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppSession app;
        CreateDirectoryA((app.Folder() + "site").c_str(), nullptr);
        ASSERT_TRUE(app.WriteFile("site\\page.html", "<P>kept</P>"));
        const std::string preview = app.Folder() + "site\\" + kPreview;
        if (c.blockedFromTheStart)
            CreateDirectoryA(preview.c_str(), nullptr);
        ASSERT_TRUE(app.Start(Quoted(app.Folder() + "site\\page.html")));

        if (!c.blockedFromTheStart) {
            ASSERT_NE(app.WaitForFrame(), nullptr);
            DeleteFileA(preview.c_str());
            DeleteFileA((app.Folder() + "site\\page.html").c_str());
            ASSERT_TRUE(RemoveDirectoryA((app.Folder() + "site").c_str()));
            app.PostCommand(ID_VIEW_SPLIT_REALTIME);
        }
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(AppSession::TextOf(box), "エラー");
        const std::string message = AppSession::MessageText(box);
        EXPECT_EQ(message.rfind("プレビュー用のファイルを書き込めませんでした。", 0), 0u) << message;
        EXPECT_NE(message.find(preview), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_NE(message.find("編集中のテキストはそのまま残っています。"), std::string::npos) << message;
        AppSession::PressOk(box);
        ASSERT_NE(app.WaitForFrame(), nullptr);

        // Further writes fail the same way without another message.
        if (c.blockedFromTheStart)
            app.PostCommand(ID_VIEW_SPLIT_REALTIME);
        for (char ch : std::string("ab"))
            app.PostChar(app.Editor(), ch);
        ASSERT_TRUE(app.Flush());
        EXPECT_TRUE(app.MessageBoxes().empty());
        EXPECT_EQ(app.Query(kQueryTwoPaneKind), 1);
        EXPECT_EQ(app.EditorText(), "ab<P>kept</P>\r\n");

        if (c.blockedFromTheStart) {
            // Once the way is free the preview is written again; a later
            // failure is reported anew.
            ASSERT_TRUE(RemoveDirectoryA(preview.c_str()));
            app.PostChar(app.Editor(), 'c');
            ASSERT_TRUE(app.Flush());
            EXPECT_EQ(app.ReadFile("site\\" + kPreview), "abc<P>kept</P>\r\n");
            ASSERT_TRUE(DeleteFileA(preview.c_str()));
            ASSERT_TRUE(CreateDirectoryA(preview.c_str(), nullptr));
            app.PostChar(app.Editor(), 'd');
            box = app.WaitForMessageBox();
            ASSERT_NE(box, nullptr);
            AppSession::PressOk(box);
            ASSERT_TRUE(app.Flush());
            EXPECT_EQ(app.EditorText(), "abcd<P>kept</P>\r\n");
        }
        EXPECT_TRUE(app.Running());
        ASSERT_TRUE(app.CloseDiscarding());
        EXPECT_EQ(app.ExitCode(), 0u);
    }
}
