// The benchmark document: one line at a time from a handful of shapes found
// in hand-written pages, with words drawn by a small deterministic generator.
#include "HtmlDocument.h"

#include <cstdint>

namespace nimbet::bench {

namespace {

const char* const kWords[] = {
    "日本語",       "表示",     "ソフトウェア", "予定",     "能力",     "会社概要",
    "お問い合わせ", "新着情報", "ホームページ", "サービス", "商品一覧", "営業時間",
    "アクセス",     "ｶﾀｶﾅ",     "更新履歴",     "掲示板",
};
const char* const kNames[] = {"index", "news", "about", "contact", "product", "support", "archive", "faq"};

class Random {
  public:
    explicit Random(unsigned seed) : state_(seed * 2654435761u + 1) {}
    unsigned below(unsigned n) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % n;
    }

  private:
    std::uint32_t state_;
};

} // namespace

HtmlDocument MakeHtmlDocument(size_t bytes, unsigned seed) {
    HtmlDocument doc;
    std::string& t = doc.text;
    t.reserve(bytes + 256);
    Random random(seed);
    auto word = [&] { return std::string(kWords[random.below(sizeof kWords / sizeof kWords[0])]); };
    auto name = [&] { return std::string(kNames[random.below(sizeof kNames / sizeof kNames[0])]); };
    auto number = [&](unsigned n) { return std::to_string(random.below(n)); };
    auto line = [&](const std::string& s) {
        t += s;
        t += "\r\n";
        ++doc.lines;
    };

    line("<html lang=\"ja\">");
    line("<head><title>" + word() + " - " + word() + "</title></head>");
    line("<body>");
    const std::string footer = "</body>\r\n</html>\r\n";
    while (t.size() + footer.size() < bytes) {
        switch (random.below(10)) {
        case 0:
        case 1:
            line("\t<p class=\"" + name() + "\">" + word() + "、" + word() + word() + "を" + word() +
                 "。</p>");
            break;
        case 2:
            line("\t<a href=\"http://www.example.jp/" + name() + number(100) + ".html\">" + word() +
                 "</a><br>");
            break;
        case 3:
            line("\t\t<tr><td align=\"right\" class=\"num\">" + number(10000) + "</td><td>" + word() +
                 "</td></tr>");
            break;
        case 4:
            line(word() + " &amp; " + name() + "&nbsp;" + word() + "<br>");
            break;
        case 5:
            line("\t<img src=\"img/" + name() + ".gif\" width=\"" + number(640) + "\" alt=\"" + word() +
                 "\">");
            break;
        case 6:
            line("\t<li><a href=\"#" + name() + "\">" + word() + "の" + word() + "</a></li>");
            break;
        case 7:
            line("<h2>" + word() + "</h2> <!-- " + name() + " -->");
            break;
        case 8:
            if (random.below(4) == 0) { // a comment over a few lines
                line("<!-- " + word() + " " + name());
                line(std::string("\t") + word() + word() + " <b>" + name() + "</b>");
                line("-->");
            } else {
                line("\t<div class=\"" + name() + "\" id=\"" + name() + number(1000) + "\">");
            }
            break;
        default:
            line("\t</div>");
            break;
        }
    }
    t += footer;
    doc.lines += 3; // the two closing lines and the empty last line
    return doc;
}

} // namespace nimbet::bench
