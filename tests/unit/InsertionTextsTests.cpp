// The texts of the structured insertions.
#include <gtest/gtest.h>

#include "InsertionTexts.h"

namespace quiltmark {
namespace {

TEST(InsertionTexts, FontTagHasOnlyTheAttributesSet) {
    const std::uint32_t none = 0xFFFFFFFFu, pickerDefault = 0xFF000000u, green = 0x008000u;
    struct Case {
        const char *face, *size;
        std::uint32_t colour;
        const char* code;
        const char* start; // null: nothing inserted
    } cases[] = {
        {"Arial", "3", 0x0000FF, "#ff0000", "<Font Face=\"Arial\" Size=\"3\" Color=\"#ff0000\">"},
        {kStandardFace, "5", none, "", "<Font Size=\"5\">"},
        {kStandardFace, kStandardSize, green, "#008000", "<Font Color=\"#008000\">"},
        {"ＭＳ Ｐゴシック", kStandardSize, none, "", "<Font Face=\"ＭＳ Ｐゴシック\">"},
        {"", kStandardSize, none, "", "<Font Face=\"\">"}, // an emptied face is still a face
        {kStandardFace, kStandardSize, none, "", nullptr},
        {kStandardFace, kStandardSize, pickerDefault, "#000000", nullptr},
        {kStandardFace, kStandardSize, 0, "#000000", "<Font Color=\"#000000\">"}, // black is a colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start ? c.start : "nothing");
        const auto tags = FontTags(c.face, c.size, c.colour, c.code);
        if (!c.start) {
            EXPECT_FALSE(tags);
            continue;
        }
        ASSERT_TRUE(tags);
        EXPECT_EQ(*tags, (TagPair{c.start, "</Font>"}));
    }
}

TEST(InsertionTexts, LinkAddressTagAndTargets) {
    struct Initial {
        bool selected;
        const char* selection;
        const char* address;
    } initials[] = {
        {true, "http://a.jp", "http://a.jp"}, {true, "http://a", "http://"}, // 8 bytes
        {true, "http://", "http://"},         {true, "https://a.jp/", "http://"},
        {true, "see http://a.jp", "http://"}, {false, "", "http://"},
    };
    for (const Initial& c : initials) {
        SCOPED_TRACE(c.selection);
        EXPECT_EQ(LinkInitialAddress(c.selected, c.selection), c.address);
    }

    EXPECT_EQ(LinkTags("a.html", "", ""), (TagPair{"<A Href=\"a.html\">", "</A>"}));
    EXPECT_EQ(LinkTags("", "", ""), (TagPair{"<A Href=\"\">", "</A>"}));
    EXPECT_EQ(LinkTags("../b.html", "次へ", "_top"),
              (TagPair{"<A Href=\"../b.html\" Title=\"次へ\" Target=\"_top\">", "</A>"}));

    struct Target {
        const char *label, *value;
    } targets[] = {{"新しいウィンドウ", "_blank"}, {"全画面", "_top"}, {"親ウィンドウ", "_parent"},
                   {"同一ウィンドウ", "_self"},    {"main", "main"},   {"", ""}};
    for (const Target& t : targets)
        EXPECT_EQ(TargetValue(t.label), t.value);
}

TEST(InsertionTexts, ImageTagAndPictureSize) {
    EXPECT_EQ(ImageTag("img/a.gif", "logo", PixelSize{120, 40}),
              "<Img Src=\"img/a.gif\" Alt=\"logo\" Width=\"120\" Height=\"40\" Border=\"0\">");
    EXPECT_EQ(ImageTag("http://", "", std::nullopt), "<Img Src=\"http://\" Border=\"0\">");

    struct Case {
        long himetric;
        int dpi, pixels;
    } cases[] = {
        {2646, 96, 100},               // 100 pixels as a picture reports them at 96 dots per inch
        {1323, 96, 50},  {10, 127, 1}, // exactly half a pixel rounds up, not down
        {9, 127, 0},     {-10, 127, -1}, {2646, 120, 125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.himetric);
        EXPECT_EQ(HimetricToPixels(c.himetric, c.dpi), c.pixels);
    }
}

TEST(InsertionTexts, TableSkeleton) {
    EXPECT_EQ(TableText(2, 3), "<Table Border=\"1\">\r\n"
                               "  <TR>\r\n    <TD></TD>\r\n    <TD></TD>\r\n    <TD></TD>\r\n  </TR>\r\n"
                               "  <TR>\r\n    <TD></TD>\r\n    <TD></TD>\r\n    <TD></TD>\r\n  </TR>\r\n"
                               "</Table>");
    EXPECT_EQ(TableText(0, 5), "<Table Border=\"1\">\r\n</Table>");
    EXPECT_EQ(TableText(1, -2), "<Table Border=\"1\">\r\n  <TR>\r\n  </TR>\r\n</Table>");
}

TEST(InsertionTexts, TableCountsAsTyped) {
    struct Case {
        const char* text;
        std::optional<int> count;
    } cases[] = {
        {"3", 3},
        {" 20", 20},
        {"25", 25}, // beyond the up-down range is taken
        {"100", 100},
        {"abc", 0},
        {"", 0},
        {"-4", -4},
        {"7x", 7},
        {"101", std::nullopt},
        {"5000", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseTableCount(c.text), c.count);
    }
}

TEST(InsertionTexts, ListsAndDate) {
    EXPECT_EQ(ListTags(ListKind::Unordered), (TagPair{"<UL>\r\n  <LI>", "\r\n</UL>"}));
    EXPECT_EQ(ListTags(ListKind::Ordered), (TagPair{"<OL>\r\n  <LI>", "\r\n</OL>"}));
    EXPECT_EQ(ListTags(ListKind::Definition), (TagPair{"<DL>\r\n  <DT>", "\r\n</DL>"}));

    std::tm time{};
    time.tm_year = 2004 - 1900;
    time.tm_mon = 4;
    time.tm_mday = 6;
    time.tm_hour = 7;
    time.tm_min = 8;
    EXPECT_EQ(DateTimeText(time), "2004/05/06 07:08");
    time.tm_hour = 23;
    time.tm_min = 59;
    EXPECT_EQ(DateTimeText(time), "2004/05/06 23:59");
}

} // namespace
} // namespace quiltmark
