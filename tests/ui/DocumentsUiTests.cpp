// End-to-end tests of the document commands through the real common dialogs
// and message boxes: save and save as, open, recent files, the three answers
// of the unsaved-changes prompt, saves that cannot complete, text files
// opened as HTML, preview-file names refused, new documents and backups.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "DocumentsUiHelpers.h"
#include "resource_ids.h"

using namespace quiltmark::automation;
using namespace documents_ui;

namespace {

const std::string kPageA = "<P>a</P>\r\n";
const std::string kPageB = "<P>b</P>\r\n";
const std::string kPrompt =
    "現在編集中のファイルが保存されていません。\n今すぐ\"上書き保存\"する場合は『はい』を、\n"
    "内容を保存せずに破棄してしまう場合は『いいえ』を、\n"
    "何もしないで戻る場合は『キャンセル』を押して下さい";

// Starts the program on `file` of the session folder and waits for it.
bool StartOn(AppSession& app, const std::string& file) {
    return app.Start(Quoted(app.Folder() + file)) && app.WaitForFrame() != nullptr;
}

void Type(const AppSession& app, const std::string& text) {
    for (char c : text)
        app.PostChar(app.Editor(), c);
    app.Flush();
}

// Closes a modified document without saving it.
void CloseDiscarding(AppSession& app) {
    app.PostCommand(ID_APP_EXIT);
    const Box box = WaitForBox(app);
    ASSERT_NE(box.window, nullptr);
    Press(box.window, IDNO);
    EXPECT_EQ(WaitForSingleObject(app.Process(), 20000), WAIT_OBJECT_0);
}

std::string Recent(const AppSession& app, int slot) {
    const std::string key = "RecentFile" + std::to_string(slot + 1);
    return app.Ini("File", key.c_str());
}

} // namespace

TEST(Documents, SaveSaveAsOpenAndRecentFilesThroughTheDialogs) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("a.html", kPageA));
    ASSERT_TRUE(app.WriteFile("c.html", "<P>c</P>"));
    const std::string a = app.Folder() + "a.html", b = app.Folder() + "b.html", c = app.Folder() + "c.html";
    ASSERT_TRUE(StartOn(app, "a.html"));
    EXPECT_EQ(app.Title(), a);

    Type(app, "x");
    EXPECT_EQ(app.Title(), a + " *");
    EXPECT_EQ(app.Query(kQueryModified), 1);
    app.Command(ID_FILE_SAVE);
    EXPECT_EQ(app.ReadFile("a.html"), "x" + kPageA);
    EXPECT_EQ(app.Title(), a);
    EXPECT_EQ(app.Query(kQueryModified), 0);

    // Save as: the document takes the new name and joins the recent files.
    app.PostCommand(ID_FILE_SAVE_AS);
    HWND dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    ChooseInFileDialog(dialog, b);
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == b; }));
    EXPECT_EQ(app.ReadFile("b.html"), "x" + kPageA);
    EXPECT_EQ(Recent(app, 3), b);
    EXPECT_EQ(Recent(app, 4), a);

    // Open through the dialog; lines gain their final CR LF.
    app.PostCommand(ID_FILE_OPEN);
    dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    ChooseInFileDialog(dialog, c);
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == c; }));
    EXPECT_EQ(app.EditorText(), "<P>c</P>\r\n");
    EXPECT_EQ(Recent(app, 2), c);

    // A recent file opens from its slot and moves to the top of the block.
    app.Command(ID_FILE_RECENT_1 + 4);
    EXPECT_EQ(app.Title(), a);
    EXPECT_EQ(app.EditorText(), "x" + kPageA);
    const std::string afterRecent[] = {"", "", a, c, b};
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(Recent(app, slot), afterRecent[slot]) << slot;

    // A recent file that is gone is reported and dropped from its slot.
    ASSERT_TRUE(DeleteFileA(c.c_str()));
    app.PostCommand(ID_FILE_RECENT_1 + 3);
    const Box box = WaitForBox(app);
    EXPECT_EQ(box.text, "現在このファイルは存在しません");
    EXPECT_EQ(box.caption, "ファイルオープンの失敗");
    Press(box.window, IDOK);
    app.Flush();
    const std::string afterDrop[] = {"", "", "", a, b};
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(Recent(app, slot), afterDrop[slot]) << slot;
    EXPECT_EQ(app.Title(), a);
    ASSERT_TRUE(app.Close());
}

TEST(Documents, PromptAnswersBeforeReplacingTheDocumentAndAtClose) {
    struct Case {
        const char* name;
        std::function<void(AppSession&)> trigger;
        int answer;
        // Checks once the answer has been given.
        std::function<void(AppSession&)> check;
    };
    const auto opensNothing = [](AppSession& app) {
        app.Flush();
        EXPECT_EQ(app.MessageBoxes().size(), 0u);
        EXPECT_EQ(app.EditorText(), "x" + kPageA);
        EXPECT_EQ(app.ReadFile("a.html"), kPageA);
    };
    const Case cases[] = {
        {"open, cancel", [](AppSession& app) { app.PostCommand(ID_FILE_OPEN); }, IDCANCEL, opensNothing},
        {"new, no", [](AppSession& app) { app.PostCommand(ID_FILE_NEW); }, IDNO,
         [](AppSession& app) {
             ASSERT_TRUE(WaitUntil([&] { return app.Title() == app.Folder(); }));
             EXPECT_EQ(app.EditorText(), "");
             EXPECT_EQ(app.ReadFile("a.html"), kPageA);
         }},
        {"recent file, yes", [](AppSession& app) { app.PostCommand(ID_FILE_RECENT_1 + 3); }, IDYES,
         [](AppSession& app) {
             ASSERT_TRUE(WaitUntil([&] { return app.Title() == app.Folder() + "b.html"; }));
             EXPECT_EQ(app.ReadFile("a.html"), "x" + kPageA);
             EXPECT_EQ(app.EditorText(), kPageB);
         }},
        {"close, cancel", [](AppSession& app) { app.PostCommand(ID_APP_EXIT); }, IDCANCEL,
         [&](AppSession& app) {
             opensNothing(app);
             EXPECT_TRUE(app.Running());
         }},
        {"close, no", [](AppSession& app) { app.PostCommand(ID_APP_EXIT); }, IDNO,
         [](AppSession& app) {
             EXPECT_EQ(WaitForSingleObject(app.Process(), 20000), WAIT_OBJECT_0);
             EXPECT_EQ(app.ReadFile("a.html"), kPageA);
         }},
        {"close, yes", [](AppSession& app) { app.PostCommand(ID_APP_EXIT); }, IDYES,
         [](AppSession& app) {
             EXPECT_EQ(WaitForSingleObject(app.Process(), 20000), WAIT_OBJECT_0);
             EXPECT_EQ(app.ReadFile("a.html"), "x" + kPageA);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppSession app;
        app.SetIni("Option", "isNewHtmlFile", "1");
        ASSERT_TRUE(app.WriteFile("a.html", kPageA));
        ASSERT_TRUE(app.WriteFile("b.html", kPageB));
        app.SetIni("File", "RecentFile4", app.Folder() + "b.html");
        ASSERT_TRUE(StartOn(app, "a.html"));
        Type(app, "x");
        c.trigger(app);
        const Box box = WaitForBox(app);
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text, kPrompt);
        EXPECT_EQ(box.caption, "-- 注意 --");
        Press(box.window, c.answer);
        c.check(app);
    }
}

TEST(Documents, YesOnAnUnnamedDocumentGoesOnOnlyWhenTheSaveHappened) {
    AppSession app;
    app.SetIni("Option", "isNewHtmlFile", "1");
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    Type(app, "new");
    app.PostCommand(ID_APP_EXIT);
    Box box = WaitForBox(app);
    Press(box.window, IDYES);
    // Cancelling the save dialog cancels the close.
    HWND dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDCANCEL);
    app.Flush();
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(app.Title(), app.Folder() + " *");

    app.PostCommand(ID_APP_EXIT);
    box = WaitForBox(app);
    Press(box.window, IDYES);
    dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    ChooseInFileDialog(dialog, app.Folder() + "saved.html");
    EXPECT_EQ(WaitForSingleObject(app.Process(), 20000), WAIT_OBJECT_0);
    EXPECT_EQ(app.ReadFile("saved.html"), "new");
}

TEST(Documents, ASaveThatCannotCompleteLeavesTheFileOnDiskAsItWas) {
    const struct {
        const char* name;
        std::function<void(const std::string& path)> obstruct;
        const char* reason;
    } cases[] = {
        {"read-only file",
         [](const std::string& path) { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); },
         "読み取り専用のファイルです"},
        {"folder where the file goes",
         [](const std::string& path) {
             DeleteFileA(path.c_str());
             CreateDirectoryA(path.c_str(), nullptr);
         },
         "同じ名前のフォルダがあります"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppSession app;
        ASSERT_TRUE(app.WriteFile("a.html", kPageA));
        const std::string path = app.Folder() + "a.html";
        ASSERT_TRUE(StartOn(app, "a.html"));
        Type(app, "x");
        c.obstruct(path);
        const DWORD attributesBefore = GetFileAttributesA(path.c_str());
        const std::string bytesBefore = ReadPath(path);

        app.PostCommand(ID_FILE_SAVE);
        const Box box = WaitForBox(app);
        EXPECT_EQ(box.caption, "エラー");
        EXPECT_NE(box.text.find("ファイルを保存できませんでした。"), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(c.reason), std::string::npos) << box.text;
        Press(box.window, IDOK);
        app.Flush();

        EXPECT_EQ(GetFileAttributesA(path.c_str()), attributesBefore);
        EXPECT_EQ(ReadPath(path), bytesBefore);
        EXPECT_EQ(CountFiles(app.Folder(), "~*"), 0) << "no temporary file is left";
        EXPECT_EQ(app.Title(), path + " *");
        EXPECT_EQ(app.Query(kQueryModified), 1);
        EXPECT_EQ(app.EditorText(), "x" + kPageA);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        TerminateProcess(app.Process(), 0);
    }
}

TEST(Documents, TextFilesAskForConversionAndOpenTextAsHtmlIsUnnamed) {
    const std::string text = "x < y\r\n";
    const std::string head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
                             "<META name=\"GENERATOR\" content=\"Quiltmark\">\r\n"
                             "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
                             "<TITLE></TITLE>\r\n</HEAD>\r\n";
    const std::string converted = head + "<BODY>\r\n\r\nx &#060; y\r\n\r\n</BODY>\r\n</HTML>";
    for (int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        AppSession app;
        ASSERT_TRUE(app.WriteFile("a.TXT", "x < y"));
        ASSERT_TRUE(app.Start(Quoted(app.Folder() + "a.TXT")));
        const Box box = WaitForBox(app);
        EXPECT_EQ(box.text, "このファイルをHTMLへ変換して開きますか？");
        EXPECT_EQ(box.caption, "変換の確認");
        Press(box.window, answer);
        ASSERT_NE(app.WaitForFrame(), nullptr);
        EXPECT_EQ(app.EditorText(), answer == IDYES ? converted : text);
        EXPECT_EQ(app.Title(), answer == IDYES ? app.Folder() : app.Folder() + "a.TXT");
        ASSERT_TRUE(app.Close());
    }

    // Open text as HTML never asks; its document has no name.
    AppSession app;
    ASSERT_TRUE(app.WriteFile("b.txt", "x < y"));
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.PostCommand(ID_FILE_OPEN_TEXT_AS_HTML);
    HWND dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    ChooseInFileDialog(dialog, app.Folder() + "b.txt");
    ASSERT_TRUE(WaitUntil([&] { return app.EditorText() == converted; }));
    EXPECT_EQ(app.Title(), app.Folder());
    EXPECT_TRUE(app.MessageBoxes().empty());
    // Its first save asks for a name.
    app.PostCommand(ID_FILE_SAVE);
    dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(app.Close());
}

TEST(Documents, PreviewFileNamesNeverBecomeTheDocument) {
    AppSession app;
    CreateDirectoryA((app.Folder() + "sub").c_str(), nullptr);
    ASSERT_TRUE(app.WriteFile("sub\\tmp_preview.html", "mine"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "sub\\tmp_preview.html")));
    Box box = WaitForBox(app);
    EXPECT_EQ(box.text, "それは編集ファイルです。\n利用出来ません。");
    EXPECT_EQ(box.caption, "確認");
    Press(box.window, IDOK);
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_EQ(app.Title(), app.Folder());
    EXPECT_EQ(app.EditorText(), "");

    ASSERT_TRUE(app.DropFiles({app.Folder() + "sub\\TMP_PREVIEW.HTML"}));
    box = WaitForBox(app);
    EXPECT_EQ(box.text, "それは編集ファイルです。\n利用出来ません。");
    Press(box.window, IDOK);
    app.Flush();
    EXPECT_EQ(app.Title(), app.Folder());
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.ReadFile("sub\\tmp_preview.html"), "mine");
}

TEST(Documents, OpeningNeverLosesBytesAndRefusesNulBytes) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("a.html", kPageA));
    ASSERT_TRUE(app.WriteFile("eof.html", std::string("a\x1A"
                                                      "b\nc")));
    ASSERT_TRUE(app.WriteFile("zero.html", std::string("a\0b", 3)));
    ASSERT_TRUE(StartOn(app, "a.html"));

    ASSERT_TRUE(app.DropFiles({app.Folder() + "eof.html"}));
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == app.Folder() + "eof.html"; }));
    EXPECT_EQ(app.EditorText(), "a\x1A"
                                "b\r\nc\r\n");

    ASSERT_TRUE(app.DropFiles({app.Folder() + "zero.html"}));
    const Box box = WaitForBox(app);
    EXPECT_NE(box.text.find("NUL"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(app.Folder() + "zero.html"), std::string::npos) << box.text;
    Press(box.window, IDOK);
    app.Flush();
    EXPECT_EQ(app.Title(), app.Folder() + "eof.html");
    EXPECT_EQ(app.EditorText(), "a\x1A"
                                "b\r\nc\r\n");
    ASSERT_TRUE(app.Close());
}

TEST(Documents, NewDocumentStartsFromThePageInTheChosenFolder) {
    AppSession app;
    app.SetIni("Option", "ChkSmallTag", "1");
    CreateDirectoryA((app.Folder() + "site").c_str(), nullptr);
    ASSERT_TRUE(app.WriteFile("site\\a.html", kPageA));
    ASSERT_TRUE(StartOn(app, "site\\a.html"));

    // Cancelled: nothing changes.
    app.PostCommand(ID_FILE_NEW);
    HWND dialog = WaitForFolderDialog(app);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDCANCEL);
    app.Flush();
    EXPECT_EQ(app.EditorText(), kPageA);

    // Confirmed: the folder dialog starts at the document's folder.
    app.PostCommand(ID_FILE_NEW);
    dialog = WaitForFolderDialog(app);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == app.Folder() + "site\\"; })) << app.Title();
    const std::string text = app.EditorText();
    EXPECT_EQ(text.substr(0, text.find('\r')), "<!doctype html public \"-//w3c//dtd html 4.0//en\">");
    EXPECT_EQ(text.substr(text.size() - 30), "<body>\r\n\r\n\r\n\r\n</body>\r\n</html>");
    EXPECT_EQ(app.Query(kQueryModified), 0);
    ASSERT_TRUE(app.Close());
}

TEST(Documents, BackupsAreWrittenAtLoadAndOnEditsOncePerMinute) {
    AppSession app;
    app.SetIni("Option", "isAutoBackUp", "1");
    ASSERT_TRUE(app.WriteFile("a.html", kPageA));
    ASSERT_TRUE(StartOn(app, "a.html"));
    ASSERT_TRUE(WaitUntil([&] { return CountFiles(app.Folder(), "Quiltmark????????.html") >= 1; }));

    SYSTEMTIME before{};
    GetLocalTime(&before);
    Type(app, "a");
    Type(app, "b");
    SYSTEMTIME after{};
    GetLocalTime(&after);
    // The load's backup and the first edit's share a name within a minute;
    // the second edit writes only when the minute has changed.
    const int minutes = before.wMinute == after.wMinute ? 1 : 2;
    const std::vector<std::string> backups = FileNames(app.Folder(), "Quiltmark????????.html");
    EXPECT_GE(backups.size(), 1u);
    EXPECT_LE(backups.size(), 1u + minutes);
    bool firstEditSaved = false;
    for (const std::string& name : backups) {
        const std::string bytes = app.ReadFile(name);
        firstEditSaved |= bytes == "a" + kPageA || (minutes == 2 && bytes == "ba" + kPageA);
        if (!firstEditSaved)
            std::printf("%s: %s\n", name.c_str(), bytes.c_str());
    }
    EXPECT_TRUE(firstEditSaved);
    CloseDiscarding(app);
}
