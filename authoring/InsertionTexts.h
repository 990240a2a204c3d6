// The texts of the structured insertions: font, link, image, table, lists,
// date and time. Each builder gives the start and end texts handed to
// InsertTag (which lower-cases them when the option is on).
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "TagPair.h"

namespace quiltmark {

// The first items of the font dialog's lists, which mean "not set".
inline constexpr const char* kStandardFace = "フォントの種類(標準)";
inline constexpr const char* kStandardSize = "大きさ(標準)";

// "<Font Face=".." Size=".." Color="..">" with only the attributes set, and
// "</Font>"; nothing when none is set. The colour counts as set when the
// value is not negative as a signed 32-bit number (the dialog's "no colour"
// values -1 and 0xFF000000 are negative); `code` is its "#rrggbb".
std::optional<TagPair> FontTags(const std::string& face, const std::string& size, std::uint32_t colour,
                                const std::string& code);

// What the link dialog's address field starts with: a selection of at least
// 9 bytes that begins with "http://", otherwise "http://".
std::string LinkInitialAddress(bool hasSelection, const std::string& selection);

// "<A Href=".."" with " Title=".."" and " Target=".."" when not empty, ">", and "</A>".
TagPair LinkTags(const std::string& address, const std::string& title, const std::string& target);

// The value of a target label of the link dialog ("新しいウィンドウ" is
// "_blank", ...); any other text is a target of its own and stays.
std::string TargetValue(const std::string& label);
// The four labels in the order the dialog lists them.
inline constexpr const char* kTargetLabels[] = {"新しいウィンドウ", "全画面", "親ウィンドウ",
                                                "同一ウィンドウ"};

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize& o) const { return width == o.width && height == o.height; }
};

// A length in HIMETRIC units (0.01 mm) in pixels at `dotsPerInch`, rounded to
// the nearest pixel (halves away from zero), as a device context converts it.
int HimetricToPixels(long himetric, int dotsPerInch);

// "<Img Src=".."" with " Alt=".."" when not empty, " Width=".." Height=".."" when
// the picture's size is known, and " Border="0">".
std::string ImageTag(const std::string& source, const std::string& alt, const std::optional<PixelSize>& size);

// The largest row or column count the table dialog takes: larger counts are
// refused there, so no typing mistake builds a huge table.
inline constexpr int kMaxTableCount = 100;

// A table count typed into the dialog: a decimal number after optional
// blanks and sign, text that is no number counts as 0; nothing when it is
// above kMaxTableCount.
std::optional<int> ParseTableCount(const std::string& text);

// "<Table Border="1">" and, per row, "  <TR>", one "    <TD></TD>" per column
// and "  </TR>", each line ending in CR LF, then "</Table>" without a line
// break. Counts of zero or less give no rows or rows without cells.
std::string TableText(int rows, int columns);

enum class ListKind { Unordered, Ordered, Definition };
// The list around the selection: one item (or term) marker, the end tag on a line of its own.
TagPair ListTags(ListKind kind);

// The local time as "YYYY/MM/DD hh:mm".
std::string DateTimeText(const std::tm& time);

} // namespace quiltmark
