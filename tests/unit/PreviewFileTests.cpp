// The preview file's bytes, its path, failures to write it, and the address
// given to browser tools.
#include <gtest/gtest.h>

#include <cerrno>
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
        {"\nx\r\r\n", "\r\nx\r\r\n"}, // a LF at the start; CR CR LF stays
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
    EXPECT_EQ(ProblemOf(missing), WriteProblem::FolderMissing);

    // A folder standing where the file should be cannot be written, and the
    // text the last good write left stays.
    const std::string blocked = std::string(folder) + "/blocked.html";
    ASSERT_EQ(mkdir(blocked.c_str(), 0700), 0);
    const WriteFailure denied = WriteTextFile(blocked, "x");
    EXPECT_EQ(ProblemOf(denied), WriteProblem::AccessDenied) << denied.reason;
    EXPECT_FALSE(WriteTextFile(path, "kept").failed());
    EXPECT_TRUE(WriteTextFile(std::string(folder) + "/no/f.html", "x").failed());
    EXPECT_EQ(ReadAll(path), "kept");
    rmdir(blocked.c_str());
    std::remove(path.c_str());
    rmdir(folder);
}

TEST(PreviewFile, ProblemsAreSortedByTheirCause) {
    const struct {
        WriteFailure failure;
        WriteProblem problem;
    } cases[] = {
        {{}, WriteProblem::None},
        {{"x", EACCES}, WriteProblem::AccessDenied},
        {{"x", EROFS}, WriteProblem::AccessDenied},
        {{"x", ENOENT}, WriteProblem::FolderMissing},
        {{"x", ENOSPC}, WriteProblem::DiskFull},
        {{"x", EIO}, WriteProblem::Other},
        {{"x", 0}, WriteProblem::Other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure.error);
        EXPECT_EQ(ProblemOf(c.failure), c.problem);
    }
}

TEST(PreviewFile, BrowserAddressKeepsBackslashesAndEncodesSpaces) {
    EXPECT_EQ(BrowserAddress("C:\\My Site\\tmp_preview.html"), "file:///C:/My%20Site\\tmp_preview.html");
    EXPECT_EQ(BrowserAddress("D:\\a b c\\tmp_preview.html"), "file:///D:/a%20b%20c\\tmp_preview.html");
    EXPECT_EQ(BrowserAddress("\\\\srv\\my share\\tmp_preview.html"), "file://srv\\my%20share\\tmp_preview.html");
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
