// Display columns and wrapped rows of one line.
#include "RowLayout.h"

#include "CharSteps.h"

namespace nimbet {

RowWalker::RowWalker(const LineRecord& line, const RowRule& rule) noexcept : line_(line), rule_(rule) {
    if (rule_.tabWidth < 1)
        rule_.tabWidth = 1;
    if (rule_.wrap && rule_.wrapColumns < 1)
        rule_.wrapColumns = 1;
    measure();
}

void RowWalker::measure() noexcept {
    length_ = atEnd() ? 0 : CharLengthAt(line_, index_);
}

long long RowWalker::charWidth() const noexcept {
    if (atEnd())
        return 0;
    if (line_.text[index_] == '\t' && length_ == 1)
        return rule_.tabWidth - column_ % rule_.tabWidth;
    return length_;
}

void RowWalker::advance() noexcept {
    if (atEnd())
        return;
    column_ += charWidth();
    index_ += length_;
    measure();
    if (!rule_.wrap || atEnd())
        return; // the line end never opens a row of its own
    if (length_ == 2 && column_ >= rule_.wrapColumns - 1) {
        ++row_;
        column_ = 0;
    } else if (column_ >= rule_.wrapColumns) {
        ++row_;
        column_ -= rule_.wrapColumns;
    }
}

int RowsOfLine(const LineRecord& line, const RowRule& rule) noexcept {
    if (!rule.wrap)
        return 1;
    RowWalker walker(line, rule);
    while (!walker.atEnd())
        walker.advance();
    return walker.row() + 1;
}

RowPlace LocateIndex(const LineRecord& line, const RowRule& rule, int index) noexcept {
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.index() < index)
        walker.advance();
    return {walker.row(), walker.column()};
}

int IndexAtColumn(const LineRecord& line, const RowRule& rule, int row, long long column) noexcept {
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.row() < row)
        walker.advance();
    const int targetRow = walker.row();
    while (!walker.atEnd()) {
        if (walker.column() >= column || walker.column() + walker.charWidth() > column)
            return walker.index();
        const int here = walker.index();
        walker.advance();
        if (walker.row() != targetRow)
            return here; // the row continues below: stay on its last character
    }
    return walker.index();
}

int RowStartIndex(const LineRecord& line, const RowRule& rule, int row) noexcept {
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.row() < row)
        walker.advance();
    return walker.index();
}

int RowEndIndex(const LineRecord& line, const RowRule& rule, int row) noexcept {
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.row() < row)
        walker.advance();
    const int targetRow = walker.row();
    while (!walker.atEnd()) {
        const int here = walker.index();
        walker.advance();
        if (walker.row() != targetRow)
            return here;
    }
    return walker.index();
}

} // namespace nimbet
