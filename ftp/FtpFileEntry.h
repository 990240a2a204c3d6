// One row of the FTP tab's local or remote file list: the name, whether it is
// a folder, its size and last-write time, and the four column texts built
// from them; and the order of the rows (folders first, then the key column's
// bytes).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quiltmark {

enum FileColumn { kColumnName = 0, kColumnDate = 1, kColumnSize = 2, kColumnType = 3, kColumnCount = 4 };

inline constexpr const char* kFolderType = "Folder";

struct FileStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

struct FtpFileEntry {
    std::string name;
    bool isFolder = false;
    std::array<std::string, kColumnCount> columns; // as shown: name, date, size, type
    std::string linkTarget;                        // local shortcuts to a folder: the folder
};

// "2024/03/05  14:07"
std::string FormatFileDate(const FileStamp& stamp);
// "1234Byte"; the whole 64-bit size.
std::string FormatFileSize(std::uint64_t size);
// Folders "Folder"; files the lower-cased text after the last dot, or empty.
std::string FileTypeOf(const std::string& name, bool isFolder);

FtpFileEntry MakeFileEntry(std::string name, bool isFolder, std::uint64_t size, const FileStamp& stamp);

// Negative, zero or positive: a folder before a file in both directions,
// otherwise the key column's texts as unsigned bytes, reversed when
// `descending`.
int CompareFileEntries(const FtpFileEntry& a, const FtpFileEntry& b, int column, bool descending);
// Orders the rows by those rules, keeping equal rows in their order.
void SortFileEntries(std::vector<FtpFileEntry>& entries, int column, bool descending);

} // namespace quiltmark
