// Paths relative to the document's folder, on Shift_JIS paths.
#include <gtest/gtest.h>

#include "RelativePath.h"

namespace quiltmark {
namespace {

TEST(MakeRelativePath, GivesPathsRelativeToTheBaseFolder) {
    struct Case {
        const char* base;
        const char* target;
        const char* expected;
    } cases[] = {
        {"C:\\web\\sub\\", "C:\\web\\sub\\a.html", "a.html"},
        {"C:\\web\\sub\\", "C:\\web\\img\\b.gif", "../img/b.gif"},
        {"C:\\web\\sub\\", "D:\\x\\c.gif", "NULL"},
        {"C:\\web\\sub\\", "http://example.jp/a.gif", "NULL"},
        {"C:\\web\\sub\\", "c:\\web\\sub\\a.html", "NULL"},             // the drive letter's case matters
        {"C:\\web\\sub\\index.html", "C:\\web\\sub\\a.html", "a.html"}, // a file's folder is the base
        {"C:\\web\\sub\\deep\\", "C:\\web\\img\\b.gif", "../../img/b.gif"},
        {"C:\\web\\", "C:\\web\\sub\\deeper\\a.html", "sub/deeper/a.html"},
        {"C:\\web\\sub\\", "C:\\web\\a.html", "../a.html"}, // the parent folder
        {"C:\\web\\sub\\", "C:\\web", "../"},               // the parent folder itself
        {"C:\\web\\sub\\", "C:\\web\\sub", "./"},           // the base folder itself
        {"C:\\web\\sub\\", "C:\\web\\sub\\", "./"},
        {"C:\\web\\sub\\", "C:\\web\\sub\\\\a.html", "a.html"}, // a doubled separator loses its leading "/"
        {"", "\\\\server\\share\\a.gif", "NULL"},               // nothing left in the base matches nothing
        {"C:\\web\\sub\\", "", "NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " -> " + c.target);
        EXPECT_EQ(MakeRelativePath(c.base, c.target), c.expected);
    }
}

TEST(MakeRelativePath, SecondBytesThatLookLikeBackslashesStay) {
    // "ソ" is 83 5C and "表" 95 5C: neither ends a component, neither becomes "/".
    struct Case {
        const char* base;
        const char* target;
        const char* expected;
    } cases[] = {
        {"C:\\ソフト\\", "C:\\ソフト\\表.gif", "表.gif"},
        {"C:\\ソフト\\", "C:\\ソ\\表\\a.gif", "../ソ/表/a.gif"},
        {"C:\\web\\表\\", "C:\\web\\img\\ソ.gif", "../img/ソ.gif"},
        {"C:\\ソ\\", "C:\\ソフト\\a.gif", "../ソフト/a.gif"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(MakeRelativePath(c.base, c.target), c.expected);
    }
}

TEST(MakeRelativePath, LongPathsAreNeverCut) {
    std::string folder = "C:\\";
    for (int i = 0; i < 60; ++i)
        folder += "フォルダ" + std::to_string(i) + "\\";
    const std::string name(2000, 'n');
    EXPECT_EQ(MakeRelativePath(folder, folder + "img\\" + name + ".gif"), "img/" + name + ".gif");
    EXPECT_EQ(MakeRelativePath(folder + "a\\b\\", folder + name), "../../" + name);
}

} // namespace
} // namespace quiltmark
