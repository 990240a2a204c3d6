// The texts of the structured insertions.
#include "InsertionTexts.h"

#include <algorithm>
#include <iterator>

namespace quiltmark {

std::optional<TagPair> FontTags(const std::string& face, const std::string& size, std::uint32_t colour,
                                const std::string& code) {
    const bool hasFace = face != kStandardFace;
    const bool hasSize = size != kStandardSize;
    const bool hasColour = static_cast<std::int32_t>(colour) >= 0;
    if (!hasFace && !hasSize && !hasColour)
        return std::nullopt;
    std::string start = "<Font";
    if (hasFace)
        start += " Face=\"" + face + "\"";
    if (hasSize)
        start += " Size=\"" + size + "\"";
    if (hasColour)
        start += " Color=\"" + code + "\"";
    start += ">";
    return TagPair{start, "</Font>"};
}

std::string LinkInitialAddress(bool hasSelection, const std::string& selection) {
    constexpr const char* kScheme = "http://";
    if (hasSelection && selection.size() >= 9 && selection.compare(0, 7, kScheme) == 0)
        return selection;
    return kScheme;
}

TagPair LinkTags(const std::string& address, const std::string& title, const std::string& target) {
    std::string start = "<A Href=\"" + address + "\"";
    if (!title.empty())
        start += " Title=\"" + title + "\"";
    if (!target.empty())
        start += " Target=\"" + target + "\"";
    start += ">";
    return {start, "</A>"};
}

std::string TargetValue(const std::string& label) {
    constexpr const char* kValues[] = {"_blank", "_top", "_parent", "_self"};
    for (std::size_t i = 0; i < std::size(kTargetLabels); ++i)
        if (label == kTargetLabels[i])
            return kValues[i];
    return label;
}

int HimetricToPixels(long himetric, int dotsPerInch) {
    constexpr long long kHimetricPerInch = 2540;
    const long long product = static_cast<long long>(himetric) * dotsPerInch;
    const long long half = kHimetricPerInch / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kHimetricPerInch
                                         : -((-product + half) / kHimetricPerInch));
}

std::string ImageTag(const std::string& source, const std::string& alt,
                     const std::optional<PixelSize>& size) {
    std::string text = "<Img Src=\"" + source + "\"";
    if (!alt.empty())
        text += " Alt=\"" + alt + "\"";
    if (size)
        text +=
            " Width=\"" + std::to_string(size->width) + "\" Height=\"" + std::to_string(size->height) + "\"";
    text += " Border=\"0\">";
    return text;
}

std::optional<int> ParseTableCount(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // The value saturates just past the limit, so no length of digits overflows.
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kMaxTableCount + 1);
    if (negative)
        return -value;
    if (value > kMaxTableCount)
        return std::nullopt;
    return value;
}

std::string TableText(int rows, int columns) {
    std::string text = "<Table Border=\"1\">\r\n";
    for (int r = 0; r < rows; ++r) {
        text += "  <TR>\r\n";
        for (int c = 0; c < columns; ++c)
            text += "    <TD></TD>\r\n";
        text += "  </TR>\r\n";
    }
    text += "</Table>";
    return text;
}

TagPair ListTags(ListKind kind) {
    switch (kind) {
    case ListKind::Ordered:
        return {"<OL>\r\n  <LI>", "\r\n</OL>"};
    case ListKind::Definition:
        return {"<DL>\r\n  <DT>", "\r\n</DL>"};
    case ListKind::Unordered:
    default:
        return {"<UL>\r\n  <LI>", "\r\n</UL>"};
    }
}

std::string DateTimeText(const std::tm& time) {
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &time);
    return std::string(text, length);
}

} // namespace quiltmark
