// End-to-end tests of the character codes: a Shift_JIS corpus saved by the
// program with the real NKF32.DLL in each code and compared byte for byte
// with Debian's nkf command on the same input, the round trip through
// reload as Shift_JIS, a library without UTF-8, and the program without the
// library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "AppSession.h"
#include "Automation.h"
#include "DocumentsUiHelpers.h"
#include "resource_ids.h"

using namespace quiltmark::automation;
using namespace documents_ui;

namespace {

const char* const kLibraryMissing =
    "NKF32.dll をダウンロードし、\nアプリと同じフォルダorSystem32フォルダに入れて下さい。\n\n"
    "今すぐダウンロードしますか？";
const char* const kDownloadCaption = "ダウンロードの確認";

// The folder of the nkf command's outputs (a Unix path in QM_NKF_ORACLE),
// as a Windows path with its backslash.
std::string OracleFolder() {
    const char* unix = std::getenv("QM_NKF_ORACLE");
    if (!unix || !*unix)
        return {};
    std::string folder = std::string("Z:") + unix;
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return folder + "\\";
}

// The editor's text byte for byte. WM_GETTEXT between processes passes
// through Unicode, which turns bytes that are no Shift_JIS character into
// "・"; the preview file holds the exact bytes. The view must show the
// two-pane display refreshed by Alt+R (ID_VIEW_SPLIT_ALTR).
std::string EditorBytes(const AppSession& app, const std::string& documentFolder) {
    app.Command(ID_VIEW_REFRESH_PREVIEW);
    return ReadPath(documentFolder + "tmp_preview.html");
}

// Where two byte strings first differ, for a readable failure message.
std::string FirstDifference(const std::string& a, const std::string& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
           ", first difference at " + std::to_string(i);
}

void SaveAs(AppSession& app, const std::string& path) {
    app.PostCommand(ID_FILE_SAVE_AS);
    HWND dialog = WaitForDialogWith(app, kFileNameBox);
    ASSERT_NE(dialog, nullptr);
    ChooseInFileDialog(dialog, path);
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == path; })) << app.Title();
}

} // namespace

TEST(DocumentCodes, CorpusSavedInEachCodeMatchesTheNkfCommand) {
    const std::string oracle = OracleFolder();
    ASSERT_FALSE(oracle.empty()) << "QM_NKF_ORACLE names the nkf command's outputs";
    AppSession app;
    ASSERT_TRUE(app.CopyBinary("NKF32.DLL", "NKF32.DLL"));
    const std::string corpus = ReadPath(oracle + "corpus.html");
    ASSERT_GT(corpus.size(), 1000u);
    ASSERT_TRUE(app.WriteFile("corpus.html", corpus));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "corpus.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.Command(ID_VIEW_SPLIT_ALTR);
    ASSERT_TRUE(EditorBytes(app, app.Folder()) == corpus)
        << FirstDifference(EditorBytes(app, app.Folder()), corpus);

    const struct {
        int command;
        int code;
        const char* expected;
    } codes[] = {
        {ID_CODE_EUC, 1, "corpus.e"},
        {ID_CODE_JIS, 2, "corpus.j"},
        {ID_CODE_UTF8, 3, "corpus.w"},
        {ID_CODE_SJIS, 0, "corpus.s"},
    };
    for (const auto& c : codes) {
        SCOPED_TRACE(c.expected);
        app.Command(c.command);
        EXPECT_TRUE(app.MessageBoxes().empty()) << "the library is there: nothing to ask";
        EXPECT_EQ(app.Query(kQuerySaveCode), c.code);
        const std::string name = std::string("out-") + c.expected + ".html";
        SaveAs(app, app.Folder() + name);
        const std::string expected = ReadPath(oracle + c.expected);
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(app.ReadFile(name) == expected) << FirstDifference(app.ReadFile(name), expected);
        EXPECT_TRUE(EditorBytes(app, app.Folder()) == corpus) << "the editor keeps the Shift_JIS text";
    }
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("File", "isCodeMode"), "0");
}

TEST(DocumentCodes, EucFileReloadedAsShiftJisInOneUndoableStep) {
    const std::string oracle = OracleFolder();
    ASSERT_FALSE(oracle.empty());
    AppSession app;
    ASSERT_TRUE(app.CopyBinary("NKF32.DLL", "NKF32.DLL"));
    const std::string euc = ReadPath(oracle + "corpus.e");
    ASSERT_TRUE(app.WriteFile("euc.html", euc));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "euc.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.Command(ID_VIEW_SPLIT_ALTR);
    ASSERT_TRUE(EditorBytes(app, app.Folder()) == euc);

    app.Command(ID_FILE_RELOAD_SJIS);
    const std::string expected = ReadPath(oracle + "corpus.e.s");
    EXPECT_TRUE(EditorBytes(app, app.Folder()) == expected)
        << FirstDifference(EditorBytes(app, app.Folder()), expected);
    // Through the library both texts are the same Shift_JIS: not modified.
    ASSERT_TRUE(WaitUntil([&] { return app.Query(kQueryTitleCheckPending) == 0; }));
    EXPECT_EQ(app.Title(), app.Folder() + "euc.html");
    EXPECT_EQ(app.Query(kQueryModified), 0);

    app.Command(ID_EDIT_UNDO);
    EXPECT_TRUE(EditorBytes(app, app.Folder()) == euc) << "one undo restores the loaded bytes";
    ASSERT_TRUE(app.Close());
}

TEST(DocumentCodes, ALibraryWithoutUtf8AsksAndSavesShiftJis) {
    AppSession app;
    ASSERT_TRUE(app.CopyBinary("NkfNoUtf8.dll", "NKF32.DLL"));
    app.SetIni("File", "isCodeMode", "3");
    ASSERT_TRUE(app.WriteFile("a.html", "<P>ソ</P>\r\n"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "a.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.PostChar(app.Editor(), 'x');
    app.Flush();

    app.PostCommand(ID_FILE_SAVE);
    const Box box = WaitForBox(app);
    EXPECT_EQ(box.text, std::string("Varlen氏の拡張バージョンの ") + kLibraryMissing +
                            "\n(今回はSJISで文字列を返(保存)しました)");
    EXPECT_EQ(box.caption, kDownloadCaption);
    Press(box.window, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return app.Title() == app.Folder() + "a.html"; }));
    EXPECT_EQ(app.ReadFile("a.html"), "x<P>ソ</P>\r\n");
    ASSERT_TRUE(app.Close());
}

TEST(DocumentCodes, WithoutTheLibraryCodesFallBackToShiftJisWithTheirMessages) {
    AppSession app;
    app.SetIni("File", "isCodeMode", "1");
    ASSERT_TRUE(app.WriteFile("a.html", "<P>表</P>\r\n"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "a.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.PostChar(app.Editor(), 'x');
    app.Flush();

    // A save in EUC-JP writes Shift_JIS and says so afterwards.
    app.PostCommand(ID_FILE_SAVE);
    Box box = WaitForBox(app);
    EXPECT_EQ(box.text, "NKF32.DLLがなくなっていたので、\nSJIS で保存しました。");
    EXPECT_EQ(box.caption, "事後の確認");
    EXPECT_EQ(app.ReadFile("a.html"), "x<P>表</P>\r\n");
    Press(box.window, IDOK);

    // Choosing a code that needs the library asks and goes back to Shift_JIS.
    const struct {
        int command;
        const char* text;
    } choices[] = {
        {ID_CODE_EUC, "NKF32.dll をダウンロードし、\nアプリと同じフォルダorSystem32フォルダに入れて下さい。\n"
                      "その後にのみ、この項目にチェック出来ます。\n\n今すぐダウンロードしますか？"},
        {ID_CODE_UTF8, "Varlen氏の拡張バージョンのNKF32.dll をダウンロードし、\n"
                       "アプリと同じフォルダorSystem32フォルダに入れて下さい。\n"
                       "その後にのみ、この項目にチェック出来ます。\n\n今すぐダウンロードしますか？"},
    };
    for (const auto& c : choices) {
        SCOPED_TRACE(c.command);
        app.PostCommand(c.command);
        box = WaitForBox(app);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, kDownloadCaption);
        Press(box.window, IDNO);
        app.Flush();
        EXPECT_EQ(app.Query(kQuerySaveCode), 0);
    }

    // Reload as Shift_JIS asks for the library and leaves the text.
    app.PostCommand(ID_FILE_RELOAD_SJIS);
    box = WaitForBox(app);
    EXPECT_EQ(box.text, kLibraryMissing);
    Press(box.window, IDNO);
    app.Flush();
    EXPECT_EQ(app.EditorText(), "x<P>表</P>\r\n");
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("File", "isCodeMode"), "0");
}
