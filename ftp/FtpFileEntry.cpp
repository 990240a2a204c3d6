// Column texts and order of the file list rows.
#include "FtpFileEntry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ShiftJis.h"

namespace quiltmark {

std::string FormatFileDate(const FileStamp& s) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d  %02d:%02d", s.year, s.month, s.day, s.hour, s.minute);
    return text;
}

std::string FormatFileSize(std::uint64_t size) {
    return std::to_string(size) + "Byte";
}

std::string FileTypeOf(const std::string& name, bool isFolder) {
    if (isFolder)
        return kFolderType;
    // "." never occurs as the second byte of a double-byte character.
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    return LowerAsciiLetters(name.substr(dot + 1));
}

FtpFileEntry MakeFileEntry(std::string name, bool isFolder, std::uint64_t size, const FileStamp& stamp) {
    FtpFileEntry e;
    e.isFolder = isFolder;
    e.columns[kColumnDate] = FormatFileDate(stamp);
    e.columns[kColumnSize] = isFolder ? std::string() : FormatFileSize(size);
    e.columns[kColumnType] = FileTypeOf(name, isFolder);
    e.columns[kColumnName] = name;
    e.name = std::move(name);
    return e;
}

int CompareFileEntries(const FtpFileEntry& a, const FtpFileEntry& b, int column, bool descending) {
    if (a.isFolder != b.isFolder)
        return a.isFolder ? -1 : 1;
    if (column < 0 || column >= kColumnCount)
        column = kColumnName;
    const std::string& x = a.columns[column];
    const std::string& y = b.columns[column];
    // std::string compares its bytes as unsigned char, like strcmp.
    const int order = x.compare(y);
    const int sign = order < 0 ? -1 : (order > 0 ? 1 : 0);
    return descending ? -sign : sign;
}

void SortFileEntries(std::vector<FtpFileEntry>& entries, int column, bool descending) {
    std::stable_sort(entries.begin(), entries.end(), [column, descending](const auto& a, const auto& b) {
        return CompareFileEntries(a, b, column, descending) < 0;
    });
}

} // namespace quiltmark
