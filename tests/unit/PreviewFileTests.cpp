// The preview file's bytes, its path, failures to write it, and the address
// given to browser tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "PreviewFile.h"

using namespace quiltmark;

namespace {
std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(PreviewFile, TextModeBytesEndEveryLineWithCrLf) {
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb", "a\rb"}, // a lone CR is not a line feed and stays
        {"\r\n\r\n", "\r\n\r\n"},
        {"ソ\\表\r\n", "ソ\\表\r\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.in);
        EXPECT_EQ(TextModeBytes(r.in), r.out);
    }
    EXPECT_EQ(TextModeBytes(nullptr), "");
}

TEST(PreviewFile, PathIsTheDocumentFolderPlusTheFixedName) {
    EXPECT_EQ(PreviewFilePath("C:\\My Site\\"), "C:\\My Site\\tmp_preview.html");
}

TEST(PreviewFile, WritesAndReportsFailures) {
    char folder[] = "/tmp/previewXXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/tmp_preview.html";
    EXPECT_FALSE(WriteTextFile(path, "<p>\nx</p>").failed());
    EXPECT_EQ(ReadAll(path), "<p>\r\nx</p>");
    EXPECT_FALSE(WriteTextFile(path, "short").failed());
    EXPECT_EQ(ReadAll(path), "short") << "an existing file is truncated";

    const WriteFailure missing = WriteTextFile(std::string(folder) + "/no/such/folder/f.html", "x");
    EXPECT_TRUE(missing.failed());
    EXPECT_FALSE(missing.reason.empty());
    std::remove(path.c_str());
    rmdir(folder);
}

TEST(PreviewFile, BrowserAddressKeepsBackslashesAndEncodesSpaces) {
    EXPECT_EQ(BrowserAddress("C:\\My Site\\tmp_preview.html"), "file:///C:/My%20Site\\tmp_preview.html");
    EXPECT_EQ(BrowserAddress("D:\\a b c\\tmp_preview.html"), "file:///D:/a%20b%20c\\tmp_preview.html");
    EXPECT_EQ(BrowserAddress("E:\\tmp_preview.html"), "file:///E:/tmp_preview.html");
}

TEST(PreviewFile, FailureIsReportedOnceUntilWritingWorksAgain) {
    FailureNotice notice;
    const WriteFailure bad{"read-only"}, good{};
    EXPECT_TRUE(notice.shouldReport("a", bad));
    EXPECT_FALSE(notice.shouldReport("a", bad));
    EXPECT_TRUE(notice.shouldReport("b", bad)) << "another folder fails anew";
    EXPECT_FALSE(notice.shouldReport("b", good));
    EXPECT_TRUE(notice.shouldReport("b", bad));
}
