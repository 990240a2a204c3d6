// End-to-end tests of the FTP tab against a real FTP server on the loopback
// address: connecting, the lists and their navigation, transfers in both
// modes with the overwrite questions, file management, passive and active
// mode, and servers that abort an upload, drop the connection or list names
// that would lead out of the local folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Automation.h"
#include "FtpUiSupport.h"
#include "resource_ids.h"

using namespace ftpui;
using namespace quiltmark::automation;

namespace {

constexpr int kLocal = 0;
constexpr int kRemote = 1;

// Every byte value, so that any conversion shows.
std::string AllBytes(size_t repeat) {
    std::string bytes;
    for (size_t r = 0; r < repeat; ++r)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes;
}

// A fresh folder in an account's home for one test.
std::string MakeRemoteFolder(const std::string& account, const std::string& name) {
    const std::string folder = Home(account) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

TEST(FtpUi, WrongThenRightPasswordThroughTheDialogAndDisconnect) {
    FtpSession app("quilt");
    app.SetIni("FTP", "ListTotal", "0"); // first start: no stored profile
    WriteBytes(Home("quilt") + "hello.txt", "hello\r\n");
    ASSERT_TRUE(app.Launch());
    EXPECT_EQ(app.LogText(), "ここにFTPの簡易ログが表示されます");

    for (const char* password : {"wrong", "secret"}) {
        SCOPED_TRACE(password);
        app.PostCommand(ID_FTP_CONNECT);
        HWND dialog = app.WaitForSettingsDialog();
        ASSERT_NE(dialog, nullptr);
        SendMessageA(GetDlgItem(dialog, IDC_FTPSET_SERVER), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(ServerAddress().c_str()));
        SendMessageA(GetDlgItem(dialog, IDC_FTPSET_ACCOUNT), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("quilt"));
        SendMessageA(GetDlgItem(dialog, IDC_FTPSET_PASSWORD), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(password));
        EXPECT_EQ(AppSession::TextOf(GetDlgItem(dialog, IDC_FTPSET_REMOTE)), "<home>");
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 20000));
        app.Flush();
    }
    EXPECT_TRUE(app.LogContains("FTP接続中で何らかのエラーです\r\n"));
    ASSERT_TRUE(app.Connected());
    EXPECT_TRUE(app.LogContains("に接続しました"));
    // The login folder replaces "<home>" in the profile.
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/");
    EXPECT_EQ(app.Ini("FTP", "RemoteFirstDir0"), "/");
    EXPECT_EQ(app.Ini("FTP", "Passwd0"), ",5400,4742,4648,5353,4742,5447,");
    EXPECT_EQ(app.Ini("FTP", "ListTotal"), "1");
    EXPECT_TRUE(app.WaitForRow(kRemote, "hello.txt"));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(app.View(), IDC_REMOTE_UP)));

    app.Command(ID_FTP_DISCONNECT);
    EXPECT_FALSE(app.Connected());
    EXPECT_EQ(app.Rows(kRemote), 0);
    EXPECT_EQ(app.Rows(kLocal), 0);
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(app.View(), IDC_REMOTE_UP)));
    app.Command(ID_FTP_DISCONNECT); // twice: nothing more happens
    EXPECT_FALSE(app.Connected());
}

TEST(FtpUi, NavigationSortingAndViewModes) {
    const std::string folder = MakeRemoteFolder("quilt", "nav");
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    CreateDirectoryA((folder + "zdir").c_str(), nullptr);
    WriteBytes(folder + "sub\\inner.txt", "x");
    WriteBytes(folder + "b.txt", "bb");
    WriteBytes(folder + "a.txt", "a");
    FtpSession app("quilt", "/nav/");
    CreateDirectoryA((app.LocalFolder() + "lsub").c_str(), nullptr);
    WriteBytes(app.LocalFolder() + "l.txt", "l");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/nav/");
    EXPECT_EQ(app.PathText(IDC_LOCAL_PATH), app.LocalFolder());
    EXPECT_EQ(app.Rows(kRemote), 4);
    // Folders first, then names as bytes; a second request reverses.
    EXPECT_EQ(app.Position(kRemote, "sub"), 0);
    EXPECT_EQ(app.Position(kRemote, "zdir"), 1);
    EXPECT_EQ(app.Position(kRemote, "a.txt"), 2);
    app.Command(ID_FTP_SORT_REMOTE_NAME);
    EXPECT_EQ(app.Position(kRemote, "zdir"), 0);
    EXPECT_EQ(app.Position(kRemote, "b.txt"), 2);
    EXPECT_EQ(app.Ini("FTP", "RemoteLastDir0"), "/nav/");

    app.EnterPath(IDC_REMOTE_PATH, "/nav/sub");
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/nav/sub/");
    EXPECT_TRUE(app.WaitForRow(kRemote, "inner.txt"));
    app.Command(IDC_REMOTE_UP);
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/nav/");
    app.Command(IDC_REMOTE_UP);
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/");
    app.Command(IDC_REMOTE_UP);
    EXPECT_EQ(app.PathText(IDC_REMOTE_PATH), "/");

    app.EnterPath(IDC_LOCAL_PATH, app.LocalFolder() + "lsub");
    EXPECT_EQ(app.PathText(IDC_LOCAL_PATH), app.LocalFolder() + "lsub\\");
    app.Command(IDC_LOCAL_UP);
    EXPECT_EQ(app.PathText(IDC_LOCAL_PATH), app.LocalFolder());
    EXPECT_EQ(app.Ini("FTP", "LocalLastDir0"), app.LocalFolder());
    EXPECT_EQ(app.Position(kLocal, "lsub"), 0);
    EXPECT_EQ(app.Position(kLocal, "l.txt"), 1);

    // A missing local folder falls back and says so.
    app.EnterPath(IDC_LOCAL_PATH, app.LocalFolder() + "gone");
    EXPECT_TRUE(app.LogContains(app.LocalFolder() + "gone\\ が存在しないディレクトリです"));
    EXPECT_TRUE(app.LogContains(" に設定しておきました"));

    const int remoteRows = app.Rows(kRemote);
    const struct {
        int command, mode;
        LRESULT style;
    } modes[] = {{ID_FTP_VIEW_LARGE, 2, LVS_ICON},
                 {ID_FTP_VIEW_LIST, 1, LVS_LIST},
                 {ID_FTP_VIEW_SMALL, 3, LVS_SMALLICON},
                 {ID_FTP_VIEW_DETAILS, 0, LVS_REPORT}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        app.Command(m.command);
        EXPECT_EQ(app.Query(kQueryFtpViewMode), m.mode);
        EXPECT_EQ(app.Query(kQueryFtpListStyle, kLocal), m.style);
        EXPECT_EQ(app.Query(kQueryFtpListStyle, kRemote), m.style);
        EXPECT_EQ(app.Rows(kRemote), remoteRows); // into or out of large icons the lists are refilled
    }
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("Sort", "List2Item"), "0");
    EXPECT_EQ(app.Ini("Sort", "List2How"), "1");
}

TEST(FtpUi, AsciiAndBinaryTransfersWithOverwriteQuestions) {
    const std::string folder = MakeRemoteFolder("quilt", "modes");
    const std::string binary = AllBytes(64);
    WriteBytes(folder + "unix.txt", "x\ny\n");
    WriteBytes(folder + "blob.bin", binary);
    FtpSession app("quilt", "/modes/");
    WriteBytes(app.LocalFolder() + "dos.txt", "a\r\nb\r\n");
    WriteBytes(app.LocalFolder() + "up.bin", binary + "tail");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());

    // Automatic mode: .txt as text (line ends converted), the rest as bytes.
    ASSERT_EQ(app.Select(kRemote, {"unix.txt", "blob.bin"}), 2);
    app.Command(ID_FTP_DOWNLOAD);
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "unix.txt"), "x\r\ny\r\n");
    EXPECT_TRUE(ReadBytes(app.LocalFolder() + "blob.bin") == binary);
    EXPECT_TRUE(app.LogContains("unix.txt のダウンロード(アスキーモード)に成功しました"));
    EXPECT_TRUE(app.LogContains("blob.bin のダウンロード(バイナリモード)に成功しました"));
    EXPECT_EQ(app.Ini("FTP_SendMode", "SendModeAscii"), ",txt,shtml,shtm,pl,js,java,html,htm,css,cgi,");

    ASSERT_EQ(app.Select(kLocal, {"dos.txt", "up.bin"}), 2);
    app.Command(ID_FTP_UPLOAD);
    EXPECT_EQ(ReadBytes(folder + "dos.txt"), "a\nb\n");
    EXPECT_TRUE(ReadBytes(folder + "up.bin") == binary + "tail");

    // Binary mode for everything: the text file travels unchanged.
    SendMessageA(GetDlgItem(app.View(), IDC_MODE_BINARY), BM_CLICK, 0, 0);
    EXPECT_EQ(app.Ini("FTP_SendMode", "Binary"), "1");
    EXPECT_EQ(app.Ini("FTP_SendMode", "Both"), "0");
    WriteBytes(folder + "unix2.txt", "p\nq\n");
    app.Command(IDC_REMOTE_GO);
    ASSERT_EQ(app.Select(kRemote, {"unix2.txt"}), 1);
    app.Command(ID_FTP_DOWNLOAD);
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "unix2.txt"), "p\nq\n");

    // Overwrite questions: No for the first, Yes for the second.
    WriteBytes(folder + "unix.txt", "new\n");
    WriteBytes(folder + "unix2.txt", "new2\n");
    app.Command(IDC_REMOTE_GO);
    ASSERT_EQ(app.Select(kRemote, {"unix.txt", "unix2.txt"}), 2);
    app.PostCommand(ID_FTP_DOWNLOAD);
    EXPECT_EQ(app.Answer(IDNO), "同名のファイル unix.txt が存在します。上書きしますか？");
    EXPECT_EQ(app.Answer(IDYES), "同名のファイル unix2.txt が存在します。上書きしますか？");
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "unix.txt"), "x\r\ny\r\n");
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "unix2.txt"), "new2\n");

    // An upload over an existing remote file asks too; the file is replaced
    // whole and no temporary file stays behind.
    WriteBytes(app.LocalFolder() + "up.bin", "replacement");
    app.Command(IDC_LOCAL_UP); // refill: the local list shows the new size
    app.EnterPath(IDC_LOCAL_PATH, app.LocalFolder());
    ASSERT_EQ(app.Select(kLocal, {"up.bin"}), 1);
    app.PostCommand(ID_FTP_UPLOAD);
    EXPECT_EQ(app.Answer(IDYES), "同名のファイル up.bin が存在します。上書きしますか？");
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(ReadBytes(folder + "up.bin"), "replacement");
    EXPECT_EQ(app.Position(kRemote, "up.bin.quiltmark-upload"), -1);

    // With "上書き確認しない" nothing is asked.
    SendMessageA(GetDlgItem(app.View(), IDC_NO_OVERWRITE), BM_CLICK, 0, 0);
    ASSERT_EQ(app.Select(kRemote, {"unix.txt"}), 1);
    app.Command(ID_FTP_DOWNLOAD);
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "unix.txt"), "new\n");

    // Nothing selected, and a folder among the selection.
    ASSERT_EQ(app.Select(kRemote, {}), 0);
    app.PostCommand(ID_FTP_DOWNLOAD);
    EXPECT_EQ(app.Answer(IDOK), "何も選択されていません");
    CreateDirectoryA((folder + "dir").c_str(), nullptr);
    app.Command(IDC_REMOTE_GO);
    ASSERT_EQ(app.Select(kRemote, {"dir"}), 1);
    app.PostCommand(ID_FTP_DOWNLOAD);
    EXPECT_EQ(app.Answer(IDOK), "ディレクトリの移動はサポートしておりません");
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("FTP_SendMode", "OverWrite"), "1");
}

TEST(FtpUi, DroppedFileUploadAndEditingALocalFile) {
    MakeRemoteFolder("quilt", "drop");
    FtpSession app("quilt", "/drop/");
    WriteBytes(app.LocalFolder() + "page.html", "<p>dropped</p>\r\n");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());
    ASSERT_TRUE(app.DropFiles({app.LocalFolder() + "page.html", app.LocalFolder() + "other.txt"}));
    EXPECT_EQ(app.Answer(IDYES),
              "ローカル側の『 page.html 』を、\nサーバ " + ServerAddress() + " に転送しますか？");
    EXPECT_TRUE(app.WaitForLog("page.htmlのアップロード(アスキーモード)に成功しました"));
    EXPECT_EQ(ReadBytes(Home("quilt") + "drop\\page.html"), "<p>dropped</p>\n");

    ASSERT_EQ(app.Select(kLocal, {"page.html"}), 1);
    app.Command(ID_FTP_LOCAL_EDIT);
    EXPECT_EQ(app.Query(kQueryCurrentTab), 0);
    EXPECT_EQ(app.EditorText(), "<p>dropped</p>\r\n");
}

TEST(FtpUi, MakeRenameAndDeleteOnBothSides) {
    const std::string folder = MakeRemoteFolder("quilt", "manage");
    WriteBytes(folder + "one.txt", "1");
    WriteBytes(folder + "two.txt", "2");
    FtpSession app("quilt", "/manage/");
    WriteBytes(app.LocalFolder() + "local.txt", "l");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());

    const auto typeName = [&](const std::string& title, const std::string& name) {
        HWND dialog = app.WaitForWindow("#32770", title);
        if (!dialog)
            return false;
        SendMessageA(GetDlgItem(dialog, IDC_INPUT_NAME), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(name.c_str()));
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return true;
    };

    app.PostCommand(ID_FTP_REMOTE_MKDIR);
    ASSERT_TRUE(typeName("ディレクトリを新規作成", "")); // empty: the dialog stays
    EXPECT_EQ(app.Answer(IDOK), "何も入力されていません");
    ASSERT_TRUE(typeName("ディレクトリを新規作成", "made"));
    EXPECT_TRUE(app.WaitForRow(kRemote, "made"));
    EXPECT_TRUE(Exists(folder + "made"));
    EXPECT_TRUE(app.LogContains("ディレクトリ made の作成に成功しました"));

    ASSERT_EQ(app.Select(kRemote, {"one.txt"}), 1);
    app.PostCommand(ID_FTP_REMOTE_RENAME);
    HWND rename = app.WaitForWindow("#32770", "ファイル名の変更");
    ASSERT_NE(rename, nullptr);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(rename, IDC_INPUT_OLD_NAME)), "one.txt");
    ASSERT_TRUE(typeName("ファイル名の変更", "one.txt"));
    EXPECT_TRUE(app.WaitForLog("同名なので one.txt の名前変更処理はしませんでした"));
    app.PostCommand(ID_FTP_REMOTE_RENAME);
    ASSERT_TRUE(typeName("ファイル名の変更", "uno.txt"));
    EXPECT_TRUE(app.WaitForRow(kRemote, "uno.txt"));
    EXPECT_EQ(ReadBytes(folder + "uno.txt"), "1");
    EXPECT_TRUE(app.LogContains("one.txt から uno.txt への名前変更に成功しました"));

    ASSERT_EQ(app.Select(kRemote, {"two.txt", "uno.txt"}), 2);
    app.PostCommand(ID_FTP_REMOTE_DELETE);
    EXPECT_EQ(app.Answer(IDNO), "/manage/two.txt を削除しますか？");
    EXPECT_EQ(app.Answer(IDYES), "/manage/uno.txt を削除しますか？");
    EXPECT_TRUE(app.WaitForRow(kRemote, "uno.txt", false));
    EXPECT_TRUE(Exists(folder + "two.txt"));
    EXPECT_FALSE(Exists(folder + "uno.txt"));
    EXPECT_TRUE(app.LogContains("two.txt の削除をキャンセルしました"));
    ASSERT_EQ(app.Select(kRemote, {"made"}), 1);
    app.PostCommand(ID_FTP_REMOTE_DELETE);
    app.Answer(IDYES);
    EXPECT_TRUE(app.WaitForRow(kRemote, "made", false));

    app.PostCommand(ID_FTP_LOCAL_MKDIR);
    ASSERT_TRUE(typeName("ディレクトリを新規作成", "ldir"));
    EXPECT_TRUE(app.WaitForRow(kLocal, "ldir"));
    ASSERT_EQ(app.Select(kLocal, {"local.txt"}), 1);
    app.PostCommand(ID_FTP_LOCAL_RENAME);
    ASSERT_TRUE(typeName("ファイル名の変更", "renamed.txt"));
    EXPECT_TRUE(app.WaitForRow(kLocal, "renamed.txt"));
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "renamed.txt"), "l");

    app.PostCommand(ID_FTP_LOCAL_MKDIR);
    HWND cancelled = app.WaitForWindow("#32770", "ディレクトリを新規作成");
    ASSERT_NE(cancelled, nullptr);
    PostMessageA(GetDlgItem(cancelled, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(app.WaitForLog("ディレクトリの作成をキャンセルしました"));
}

TEST(FtpUi, PassiveAndActiveMode) {
    struct Case {
        const char* account;
        bool passive;
        bool lists;
    } cases[] = {{"passive", true, true}, {"active", false, true}, {"passive", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.account) + (c.passive ? " passive" : " active"));
        WriteBytes(Home(c.account) + "mode.bin", AllBytes(16));
        FtpSession app(c.account, "<home>", c.passive);
        ASSERT_TRUE(app.Launch());
        ASSERT_TRUE(app.Connect());
        EXPECT_EQ(app.Ini("FTP", "Passive0"), c.passive ? "1" : "0");
        EXPECT_EQ(app.Position(kRemote, "mode.bin") >= 0, c.lists);
        if (c.lists) {
            ASSERT_EQ(app.Select(kRemote, {"mode.bin"}), 1);
            app.Command(ID_FTP_DOWNLOAD);
            EXPECT_TRUE(ReadBytes(app.LocalFolder() + "mode.bin") == AllBytes(16));
        }
        ASSERT_TRUE(app.Close());
    }
}

TEST(FtpUi, AnInterruptedUploadLeavesTheOldFileWhole) {
    WriteBytes(Home("aborter") + "page.html", "old page\n");
    FtpSession app("aborter");
    WriteBytes(app.LocalFolder() + "page.html", std::string(4 << 20, 'x'));
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());
    ASSERT_EQ(app.Select(kLocal, {"page.html"}), 1);
    SendMessageA(GetDlgItem(app.View(), IDC_NO_OVERWRITE), BM_CLICK, 0, 0);
    app.PostCommand(ID_FTP_UPLOAD);
    EXPECT_EQ(app.Answer(IDOK), "page.html のアップロードに失敗しました");
    ASSERT_TRUE(app.Flush());
    EXPECT_TRUE(ReadBytes(Home("aborter") + "page.html") == "old page\n");
    EXPECT_FALSE(Exists(Home("aborter") + "page.html.quiltmark-upload"));
}

TEST(FtpUi, ADroppedConnectionIsLoggedAndSurvived) {
    FtpSession app("dropper");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());
    ASSERT_EQ(app.Select(kRemote, {"page.html"}), 1);
    app.PostCommand(ID_FTP_DOWNLOAD);
    EXPECT_EQ(app.Answer(IDOK), "page.html のダウンロードに失敗しました");
    EXPECT_TRUE(app.WaitForLog("サーバとの接続が切れました"));
    EXPECT_FALSE(app.Connected());
    EXPECT_TRUE(app.Running());
    // A new connection works again.
    app.Command(ID_FTP_DISCONNECT);
    ASSERT_TRUE(app.Connect());
}

TEST(FtpUi, NamesThatWouldLeaveTheLocalFolderAreNeverWritten) {
    FtpSession app("hostile");
    ASSERT_TRUE(app.Launch());
    ASSERT_TRUE(app.Connect());
    ASSERT_EQ(app.Select(kRemote, {"..\\evil.txt", "a\\b.txt", "good.txt"}), 3);
    app.Command(ID_FTP_DOWNLOAD);
    EXPECT_EQ(ReadBytes(app.LocalFolder() + "good.txt"), "good\r\n");
    EXPECT_TRUE(app.LogContains("..\\evil.txt はローカルのファイル名に使えないため転送しませんでした"));
    EXPECT_TRUE(app.LogContains("a\\b.txt はローカルのファイル名に使えないため転送しませんでした"));
    EXPECT_FALSE(Exists(app.Folder() + "evil.txt"));
    EXPECT_FALSE(Exists(app.LocalFolder() + "a"));
    EXPECT_EQ(app.Rows(kLocal), 1);
}
