// Styling one line: the rule walk gives each character its emphasis, the
// highlight and the links override its colour, and equal neighbours merge
// into one run.
#include "LineStyler.h"

#include <algorithm>

#include "EmphasisEvaluator.h"
#include "ShiftJis.h"
#include "TextMatch.h"

namespace nimbet {

bool LineStyler::style(LineRecord& line, std::vector<StyledRun>& runs) const {
    runs.clear();
    const EmphasisTable& rules = emphasis_.rules;
    const Highlight& highlight = emphasis_.highlight;
    EmphasisEvaluator walk(rules, line);
    const char* text = line.text ? line.text : "";
    const int length = line.text ? line.length : 0;
    const int highlightLength = static_cast<int>(highlight.word().size());

    LinkSpan url = FindUrl(text, length, 0, clickable_);
    LinkSpan mail = FindMail(text, length, 0, clickable_);
    int highlightEnd = 0; // bytes before this lie in a highlight match
    StyledRun current;
    bool open = false;

    for (int i = 0; i < length;) {
        const int next = i + (IsLeadByte(text[i]) && i + 1 < length ? 2 : 1);
        if (text[i] != '\t') {
            walk.tryRulesAt(i);
            if (highlight.active() &&
                FirstByteMayMatch(static_cast<unsigned char>(text[i]),
                                  static_cast<unsigned char>(highlight.word()[0]), highlight.matchCase()) &&
                MatchesAt(text, length, i, highlight.word().data(), highlightLength, highlight.matchCase()))
                highlightEnd = std::max(highlightEnd, i + highlightLength);
        }
        while (url.found() && url.end <= i)
            url = FindUrl(text, length, url.end, clickable_);
        while (mail.found() && mail.end <= i)
            mail = FindMail(text, length, mail.end, clickable_);

        const int rule = walk.currentRule();
        Color color = rule >= 0 ? rules[rule].color : palette_.normalText;
        const bool bold = rule >= 0 && rules[rule].bold;
        LinkSpan link;
        if (url.contains(i)) {
            color = palette_.urlText;
            link = url;
        }
        if (mail.contains(i)) {
            color = palette_.mailText;
            link = mail;
        }
        const bool highlighted = i < highlightEnd;
        if (highlighted)
            color = palette_.highlightText;

        // The run being built stays out of the vector until its look changes.
        if (open && current.color == color && current.bold == bold && current.highlighted == highlighted &&
            current.link == link) {
            current.end = next;
        } else {
            if (open)
                runs.push_back(current);
            current = StyledRun{i, next, color, bold, highlighted, link};
            open = true;
        }

        walk.passCharacter(i, next);
        i = next;
    }
    if (open)
        runs.push_back(current);
    return walk.carryChanged();
}

} // namespace nimbet
