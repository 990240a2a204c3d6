// The table of simple tag commands.
#include "TagCommands.h"

#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr TagCommand kTagCommands[] = {
    // Wrapping commands: the selection goes between the two texts.
    {ID_FORMAT_TT, "format.tt", "<TT>", "</TT>"},
    {ID_FORMAT_BOLD, "format.bold", "<B>", "</B>"},
    {ID_FORMAT_ITALIC, "format.italic", "<I>", "</I>"},
    {ID_FORMAT_UNDERLINE, "format.underline", "<U>", "</U>"},
    {ID_FORMAT_STRIKE, "format.strike", "<S>", "</S>"},
    {ID_DECO_BLINK, "format.blink", "<BLINK>", "</BLINK>"},
    {ID_DECO_SUP, "format.sup", "<SUP>", "</SUP>"},
    {ID_DECO_SUB, "format.sub", "<SUB>", "</SUB>"},
    {ID_DECO_PRE, "format.pre", "<PRE>", "</PRE>"},
    {ID_DECO_H1, "format.h1", "<H1>", "</H1>"},
    {ID_DECO_H2, "format.h2", "<H2>", "</H2>"},
    {ID_DECO_H3, "format.h3", "<H3>", "</H3>"},
    {ID_DECO_H4, "format.h4", "<H4>", "</H4>"},
    {ID_DECO_H5, "format.h5", "<H5>", "</H5>"},
    {ID_DECO_H6, "format.h6", "<H6>", "</H6>"},
    {ID_FORMAT_LEFT, "format.alignLeft", "<DIV ALIGN=\"left\">", "</DIV>"},
    {ID_FORMAT_CENTER, "format.alignCenter", "<DIV ALIGN=\"center\">", "</DIV>"},
    {ID_FORMAT_RIGHT, "format.alignRight", "<DIV ALIGN=\"right\">", "</DIV>"},
    {ID_CHAR_COMMENT, "insert.comment", "<!-- ", " -->"},
    // Single texts, in place of the selection. The reserved characters are
    // written as three-digit decimal references, never as named entities.
    {ID_INSERT_BR, "insert.br", "<BR>", "<BR>"},
    {ID_INSERT_HR, "insert.hr", "<HR>", "<HR>"},
    {ID_CHAR_NBSP, "insert.nbsp", "&nbsp;", "&nbsp;"},
    {ID_CHAR_LT, "insert.lt", "&#060;", "&#060;"},
    {ID_CHAR_GT, "insert.gt", "&#062;", "&#062;"},
    {ID_CHAR_QUOT, "insert.quot", "&#034;", "&#034;"},
    {ID_CHAR_AMP, "insert.amp", "&#038;", "&#038;"},
};

} // namespace

std::span<const TagCommand> TagCommands() {
    return kTagCommands;
}

} // namespace quiltmark
