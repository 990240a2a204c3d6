// The line list: splitting incoming text, line lookup after structural
// changes, the kept line count and whole-text export.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TextBuffer.h"

using namespace nimbet;

namespace {

std::vector<std::string> Lines(const TextBuffer& buffer) {
    std::vector<std::string> out;
    for (const LineRecord* line = buffer.first(); line; line = line->next)
        out.emplace_back(line->text, static_cast<size_t>(line->length));
    return out;
}

std::string Export(const TextBuffer& buffer, int code) {
    std::string out(static_cast<size_t>(buffer.textLength()) + 1, '\xFF');
    buffer.exportText(out.data(), code);
    return out.substr(0, out.find('\0'));
}

void Load(TextBuffer& buffer, const std::string& text) {
    ASSERT_TRUE(buffer.reset());
    ASSERT_EQ(buffer.insertText(1, 0, text.data(), text.size(), true).result, LineResult::Ok);
}

} // namespace

TEST(TextBuffer, FindsEachKindOfBreak) {
    const std::string text = "a\r\nb\rc\nd\r";
    struct Expect {
        size_t at;
        BreakKind kind;
        int width;
    } expected[] = {{1, BreakKind::CrLf, 2},
                    {4, BreakKind::Cr, 1},
                    {6, BreakKind::Lf, 1},
                    {8, BreakKind::Cr, 1},
                    {9, BreakKind::None, 0}};
    size_t from = 0;
    for (const Expect& e : expected) {
        const LineBreak brk = FindLineBreak(text.data(), from, text.size());
        EXPECT_EQ(brk.at, e.at);
        EXPECT_EQ(brk.kind, e.kind);
        EXPECT_EQ(brk.width, e.width);
        from = brk.at + brk.width;
    }
}

TEST(TextBuffer, InsertingIntoTheMiddleMovesTheTailToTheLastNewLine) {
    TextBuffer buffer;
    Load(buffer, "first\r\nHEADtail\r\nlast");
    const std::string inserted = "1\r\n2\n3";
    const auto outcome = buffer.insertText(2, 4, inserted.data(), inserted.size(), false);
    EXPECT_EQ(outcome.result, LineResult::Ok);
    EXPECT_EQ(outcome.breaks, 2);
    EXPECT_EQ(outcome.bytesAfterLastBreak, 1);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"first", "HEAD1", "2", "3tail", "last"}));
    EXPECT_EQ(buffer.lineCount(), 5);
    EXPECT_EQ(buffer.lineCode(), 1) << "only a load with the switch on sets the line code";

    const std::string plain = "ソ";
    EXPECT_EQ(buffer.insertText(5, 4, plain.data(), plain.size(), false).bytesAfterLastBreak, 2);
    EXPECT_EQ(Lines(buffer).back(), "lastソ");
}

TEST(TextBuffer, RefusesBadTargets) {
    TextBuffer buffer;
    Load(buffer, "ab");
    EXPECT_EQ(buffer.insertText(2, 0, "x", 1, false).result, LineResult::Refused);
    EXPECT_EQ(buffer.insertText(1, 3, "x", 1, false).result, LineResult::Refused);
    EXPECT_EQ(buffer.insertText(1, 0, nullptr, 0, false).result, LineResult::Refused);
    EXPECT_EQ(Lines(buffer), std::vector<std::string>{"ab"});
}

TEST(TextBuffer, ExportUsesTheGivenOrStoredBreak) {
    TextBuffer buffer;
    Load(buffer, "ab\ncd\n");
    EXPECT_EQ(buffer.textLength(), 8);
    EXPECT_EQ(Export(buffer, 0), "abcd");
    EXPECT_EQ(Export(buffer, 1), "ab\r\ncd\r\n");
    EXPECT_EQ(Export(buffer, 2), "ab\rcd\r");
    EXPECT_EQ(Export(buffer, 3), "ab\ncd\n");
    EXPECT_EQ(Export(buffer, 4), "ab\ncd\n");
    EXPECT_EQ(Export(buffer, -7), "abcd");
}

TEST(TextBuffer, LookupStaysRightThroughInsertionsAndRemovals) {
    TextBuffer buffer;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += std::to_string(i) + "\n";
    Load(buffer, text);
    std::vector<LineRecord*> mirror;
    for (LineRecord* line = buffer.first(); line; line = line->next)
        mirror.push_back(line);

    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const int n = static_cast<int>(random() % mirror.size()) + 1;
        ASSERT_EQ(buffer.lineAt(n), mirror[n - 1]) << "step " << step;
        switch (random() % 3) {
        case 0: {
            LineRecord* fresh = CreateLine("new", -1);
            buffer.insertLineAfter(mirror[n - 1], n, fresh);
            mirror.insert(mirror.begin() + n, fresh);
            break;
        }
        case 1:
            if (mirror.size() > 1) {
                buffer.removeLine(mirror[n - 1], n);
                mirror.erase(mirror.begin() + (n - 1));
            }
            break;
        default:
            break;
        }
        ASSERT_EQ(buffer.lineCount(), static_cast<int>(mirror.size()));
    }
    EXPECT_EQ(buffer.walkCount(), buffer.lineCount());
    EXPECT_EQ(buffer.lineAt(0), nullptr);
    EXPECT_EQ(buffer.lineAt(buffer.lineCount() + 1), nullptr);
    EXPECT_EQ(buffer.lineAt(buffer.lineCount()), buffer.last());
}

TEST(TextBuffer, LongInsertionPumpsOncePerHundredSegments) {
    TextBuffer buffer;
    int pumps = 0;
    buffer.setPump([&] { ++pumps; });
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "line\n";
    Load(buffer, text);
    EXPECT_EQ(pumps, 10);
    EXPECT_EQ(buffer.lineCount(), 1001);
}

// Loading shares one copy of the text among the lines (each break turned into
// the line's NUL); lines taken from it still grow, shrink and go like others.
TEST(TextBuffer, LoadedLinesShareOneBlockAndStayEditable) {
    TextBuffer buffer;
    ASSERT_TRUE(buffer.reset());
    const std::string text = "ab\r\ncd\ref\n\r\nソ表";
    ASSERT_EQ(buffer.load(text.data(), text.size()), LineResult::Ok);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"ab", "cd", "ef", "", "ソ表"}));
    EXPECT_EQ(buffer.lineCode(), 1);
    EXPECT_EQ(buffer.lineCount(), 5);
    EXPECT_EQ(buffer.totalRows(), 5);
    for (const LineRecord* line = buffer.first(); line; line = line->next) {
        EXPECT_EQ(line->text[line->length], '\0');
        EXPECT_TRUE(line->storage & kSharedText);
    }

    ASSERT_EQ(InsertBytes(*buffer.lineAt(2), "XYZ", 1, 3), LineResult::Ok);
    EXPECT_FALSE(buffer.lineAt(2)->storage & kSharedText) << "a growing line gets a block of its own";
    ASSERT_EQ(DeleteBytes(*buffer.lineAt(1), 0, 1), LineResult::Ok);
    buffer.removeLine(buffer.lineAt(4), 4);
    const std::string more = "1\n2";
    ASSERT_EQ(buffer.insertText(3, 1, more.data(), more.size(), false).result, LineResult::Ok);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"b", "cXYZd", "e1", "2f", "ソ表"}));
    EXPECT_EQ(Export(buffer, 1), "b\r\ncXYZd\r\ne1\r\n2f\r\nソ表");

    // A text without a break keeps the line code; reloading frees everything.
    Load(buffer, "x\ny");
    ASSERT_TRUE(buffer.reset());
    ASSERT_EQ(buffer.load("plain", 5), LineResult::Ok);
    EXPECT_EQ(buffer.lineCode(), 3);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"plain"}));
}

TEST(TextBuffer, LoadingSpansSeveralRecordBlocksAndPumpsOncePerHundredSegments) {
    TextBuffer buffer;
    int pumps = 0;
    buffer.setPump([&] {
        ++pumps;
        // What a message handler sees meanwhile is a whole list.
        ASSERT_EQ(buffer.walkCount(), buffer.lineCount());
        ASSERT_EQ(buffer.last()->text[buffer.last()->length], '\0');
    });
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += std::to_string(i) + "\n";
    ASSERT_TRUE(buffer.reset());
    ASSERT_EQ(buffer.load(text.data(), text.size()), LineResult::Ok);
    EXPECT_EQ(pumps, 400);
    EXPECT_EQ(buffer.lineCount(), 40001);
    EXPECT_STREQ(buffer.lineAt(39999)->text, "39998");
    EXPECT_EQ(Export(buffer, 3), text);

    // Changes in the middle of one block, across the border of two, and by
    // a removal: the export copies unchanged blocks at once and follows the
    // rest line by line.
    ASSERT_TRUE(buffer.reset());
    std::string crlf;
    for (int i = 0; i < 60000; ++i)
        crlf += std::to_string(i) + "\r\n";
    ASSERT_EQ(buffer.load(crlf.data(), crlf.size()), LineResult::Ok);
    EXPECT_EQ(Export(buffer, 1), crlf);
    std::vector<std::string> mirror = Lines(buffer);
    const auto change = [&](int n, const std::string& bytes) {
        ASSERT_EQ(InsertBytes(*buffer.lineAt(n), bytes.data(), 0, static_cast<int>(bytes.size())), LineResult::Ok);
        mirror[static_cast<size_t>(n - 1)].insert(0, bytes);
    };
    change(100, "a");
    change(RecordBlock::kCapacity + 1, "b"); // the last line of the first block
    buffer.removeLine(buffer.lineAt(40000), 40000);
    mirror.erase(mirror.begin() + 39999);
    const std::string piece = "x\r\ny";
    ASSERT_EQ(buffer.insertText(50000, 2, piece.data(), piece.size(), false).result, LineResult::Ok);
    mirror[49999].insert(2, "x");
    mirror.insert(mirror.begin() + 50000, "y" + mirror[49999].substr(3));
    mirror[49999].resize(3);
    std::string expected;
    for (size_t i = 0; i < mirror.size(); ++i)
        expected += mirror[i] + (i + 1 < mirror.size() ? "\r\n" : "");
    EXPECT_EQ(Lines(buffer), mirror);
    EXPECT_EQ(Export(buffer, 1), expected);
}

// Export copies runs of lines that lie as loaded at once; a line shortened
// in place no longer belongs to a run.
TEST(TextBuffer, ExportOfLoadedLinesFollowsEveryChange) {
    TextBuffer buffer;
    ASSERT_TRUE(buffer.reset());
    const std::string text = "abc\rdef\r\nghi\r\njkl\r\nmno\r\n";
    ASSERT_EQ(buffer.load(text.data(), text.size()), LineResult::Ok);
    EXPECT_EQ(Export(buffer, 1), "abc\r\ndef\r\nghi\r\njkl\r\nmno\r\n");
    ASSERT_EQ(DeleteBytes(*buffer.lineAt(1), 1, 1), LineResult::Ok); // "ac", its CR gap now two bytes
    ASSERT_EQ(DeleteBytes(*buffer.lineAt(3), 2, 1), LineResult::Ok); // "gh"
    ASSERT_EQ(TruncateLine(*buffer.lineAt(5), 1), LineResult::Ok);   // "m"
    EXPECT_EQ(Export(buffer, 1), "ac\r\ndef\r\ngh\r\njkl\r\nm\r\n");
    EXPECT_EQ(Export(buffer, 3), "ac\ndef\ngh\njkl\nm\n");
    buffer.removeLine(buffer.lineAt(4), 4);
    EXPECT_EQ(Export(buffer, 4), "ac\rdef\rgh\rm\r") << "the stored code is the first break's";
}
