// Rules of the FTP tab: list rows and their order, the transfer mode, paths
// and the guard on names from a remote listing, and the log's status lines.
#include <gtest/gtest.h>

#include "FtpFileEntry.h"
#include "FtpLog.h"
#include "FtpPaths.h"
#include "TransferMode.h"

using namespace quiltmark;

TEST(FtpFileEntry, ColumnTexts) {
    const FtpFileEntry file = MakeFileEntry("Index.HTML", false, 1234, {2024, 3, 5, 9, 7});
    EXPECT_EQ(file.columns[kColumnName], "Index.HTML");
    EXPECT_EQ(file.columns[kColumnDate], "2024/03/05  09:07");
    EXPECT_EQ(file.columns[kColumnSize], "1234Byte");
    EXPECT_EQ(file.columns[kColumnType], "html");

    const FtpFileEntry folder = MakeFileEntry("img.d", true, 4096, {2001, 12, 31, 23, 59});
    EXPECT_EQ(folder.columns[kColumnSize], "");
    EXPECT_EQ(folder.columns[kColumnType], "Folder");

    EXPECT_EQ(FileTypeOf("README", false), "");
    EXPECT_EQ(FileTypeOf("archive.tar.GZ", false), "gz");
    // Sizes of 2 GB and more keep their true value.
    EXPECT_EQ(FormatFileSize(2147483648ull), "2147483648Byte");
    EXPECT_EQ(FormatFileSize(5000000000ull), "5000000000Byte");
}

TEST(FtpFileEntry, FoldersFirstThenBytesInEitherDirection) {
    std::vector<FtpFileEntry> rows = {
        MakeFileEntry("b.txt", false, 10, {}),       MakeFileEntry("zdir", true, 0, {}),
        MakeFileEntry("\x82\xa0.txt", false, 9, {}), // Shift_JIS sorts after ASCII
        MakeFileEntry("B.txt", false, 2, {}),        MakeFileEntry("adir", true, 0, {}),
    };
    const auto names = [&rows] {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r.name);
        return out;
    };
    SortFileEntries(rows, kColumnName, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"adir", "zdir", "B.txt", "b.txt", "\x82\xa0.txt"}));
    SortFileEntries(rows, kColumnName, true);
    EXPECT_EQ(names(), (std::vector<std::string>{"zdir", "adir", "\x82\xa0.txt", "b.txt", "B.txt"}));
    // Sizes compare as text: 10Byte before 2Byte before 9Byte.
    SortFileEntries(rows, kColumnSize, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"zdir", "adir", "b.txt", "B.txt", "\x82\xa0.txt"}));
}

TEST(TransferMode, ExtensionListParsing) {
    struct Case {
        std::string text;
        std::vector<std::string> entries;
    } cases[] = {
        {kDefaultAsciiExtensions, {"txt", "shtml", "shtm", "pl", "js", "java", "html", "htm", "css", "cgi"}},
        {",HTM,,Txt,", {"htm", "", "txt"}},
        {"", {}},
        {",", {}},
        // Edited by hand: no leading or no closing comma.
        {"txt,html", {"txt", "html"}},
        {",,,", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseAsciiExtensions(c.text), c.entries);
    }
    std::string many = ",";
    for (int i = 0; i < 250; ++i)
        many += "e" + std::to_string(i) + ",";
    const auto entries = ParseAsciiExtensions(many);
    EXPECT_EQ(entries.size(), kMaxAsciiExtensions);
    EXPECT_EQ(entries.back(), "e99");
}

TEST(TransferMode, DecisionPerModeAndName) {
    const auto list = ParseAsciiExtensions(kDefaultAsciiExtensions);
    struct Case {
        const char* name;
        TransferMode mode;
        bool ascii;
    } cases[] = {
        {"INDEX.HTML", TransferMode::Auto, true},    {"photo.jpg", TransferMode::Auto, false},
        {"README", TransferMode::Auto, true},        {"archive.tar.gz", TransferMode::Auto, false},
        {"a.txt.bak", TransferMode::Auto, false},    {"photo.jpg", TransferMode::Ascii, true},
        {"index.html", TransferMode::Binary, false}, {"C:\\my.dir\\README", TransferMode::Auto, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsAsciiTransfer(c.name, c.mode, list), c.ascii);
    }
    // An empty entry matches a name ending in a dot.
    EXPECT_TRUE(IsAsciiTransfer("odd.", TransferMode::Auto, ParseAsciiExtensions(",,")));
    EXPECT_FALSE(IsAsciiTransfer("odd.", TransferMode::Auto, list));
}

TEST(FtpPaths, NamesFromARemoteListingThatMayBeJoinedLocally) {
    struct Case {
        std::string name;
        bool safe;
    } cases[] = {
        {"index.html", true},
        {"\x95\x5c.txt", true},     // "表.txt": its second byte is 0x5C
        {"\x83\x5c\x81\x5b", true}, // "ソー"
        {"..\\evil.txt", false},
        {"a\\b.txt", false},
        {"../x", false},
        {"a/b", false},
        {"c:evil", false},
        {".", false},
        {"..", false},
        {"", false},
        {"name.", false},
        {"name ", false},
        {"CON", false},
        {"nul.txt", false},
        {"com1", false},
        {"LPT9.log", false},
        {"console", true},
        {"com10", true},
        {"a?b", false},
        {"a*b", false},
        {"a|b", false},
        {"a\"b", false},
        {"a<b>", false},
        {"tab\tname", false},
        {"lead\x82", false},
        {".htaccess", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsSafeLocalName(c.name), c.safe);
    }
}

TEST(FtpPaths, UpOneLevelAndTrailingSeparators) {
    struct LocalCase {
        std::string path;
        std::optional<std::string> parent;
    } locals[] = {
        {"D:\\data\\web\\", "D:\\data\\"},
        {"D:\\data\\", "D:\\"},
        {"D:\\", std::nullopt},
        {"nothing", std::nullopt},
        {"D:\\data\\web", "D:\\data\\"},
        // "表" ends in 0x5C: it is no separator.
        {"C:\\\x95\x5c\\sub\\", "C:\\\x95\x5c\\"},
        {"C:\\\x95\x5c\\", "C:\\"},
        {"C:\\\x95\x5c", "C:\\"},
    };
    for (const LocalCase& c : locals) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LocalParent(c.path), c.parent);
    }
    struct RemoteCase {
        std::string path;
        std::optional<std::string> parent;
    } remotes[] = {{"/a/b/", "/a/"}, {"/a/", "/"}, {"/", std::nullopt}, {"pub/", ""}};
    for (const RemoteCase& c : remotes) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(RemoteParent(c.path), c.parent);
    }
    EXPECT_EQ(WithTrailingSlash("/pub"), "/pub/");
    EXPECT_EQ(WithTrailingSlash("/pub/"), "/pub/");
    EXPECT_EQ(WithTrailingBackslash("C:\\web"), "C:\\web\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\web\\"), "C:\\web\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\\x95\x5c"), "C:\\\x95\x5c\\");
}

TEST(FtpLog, StatusLinesAndTheConnectedFlag) {
    struct Case {
        unsigned long status;
        SessionStatus kind;
        bool connected;
    } cases[] = {
        {10, SessionStatus::ResolvingName, true},      {11, SessionStatus::NameResolved, true},
        {20, SessionStatus::ConnectingToServer, true}, {21, SessionStatus::ConnectedToServer, true},
        {50, SessionStatus::ClosingConnection, false}, {51, SessionStatus::ConnectionClosed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(ClassifyStatus(c.status), c.kind);
        EXPECT_EQ(ConnectedAfter(c.kind), c.connected);
    }
    EXPECT_EQ(ClassifyStatus(30), SessionStatus::Other);
    const std::string longAddress(3000, '1');
    EXPECT_EQ(FillIn("at %s now", {longAddress}), "at " + longAddress + " now");
    EXPECT_EQ(FillIn("%s to %s", {"a%sb", "c"}), "a%sb to c");
    EXPECT_EQ(FillIn("no values %s", {}), "no values %s");

    FtpLog log;
    log.Append("one");
    log.Append("two");
    EXPECT_EQ(log.Text(), "one\r\ntwo\r\n");
}
