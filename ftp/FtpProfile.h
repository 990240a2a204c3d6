// FTP connection profiles: one profile per server and account, the table of at
// most 50 of them with its count and current index, the scrambled form of the
// stored passwords, and the conversion to and from the settings members.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Settings.h"

namespace quiltmark {

struct FtpProfile {
    int isDirLast = 0; // 1: start in the last-shown folders, 0: in the first folders
    std::string serverName;
    std::string account;
    std::string passwd; // plain in memory, scrambled in the settings
    std::string localFirstDir;
    std::string remoteFirstDir; // ends in "/", or "<home>" for the login folder
    std::string localLastDir;
    std::string remoteLastDir;
    int passive = 0; // 1: connect in passive mode
};

inline constexpr const char* kRemoteHome = "<home>";

struct FtpProfileTable {
    static constexpr int kCapacity = kFtpProfileCount;

    std::array<FtpProfile, kCapacity> entries;
    int listTotal = 0; // number of entries in use
    int listPos = 0;   // current entry, -1 when none is selected

    // The number of entries in use, never beyond the table.
    int Count() const;
    // The current entry, or null when listPos names no entry in use.
    FtpProfile* Current();
    const FtpProfile* Current() const;
    // The first entry in use with exactly this server and account, or -1.
    int Find(const std::string& server, const std::string& account) const;
};

// ",4554,4601,4648," for "abc": each byte as a signed value times 47 minus 5,
// every number followed by a comma, after a leading comma. Empty stays empty.
std::string ScramblePassword(const std::string& password);
// The reverse. Text that does not follow the form yields some bytes, never
// more numbers than the text holds.
std::string UnscramblePassword(const std::string& text);

// The table as read from the settings: count and index kept inside the
// table, passwords unscrambled.
FtpProfileTable ProfileTableFromSettings(const Settings& settings);
// The table into the settings members: passwords scrambled, a negative index
// stored as 0.
void StoreProfileTable(const FtpProfileTable& table, Settings& settings);
// The keys of one entry ("FTP/ServerName3" ...), and of the whole table
// (ListPos, ListTotal, then every entry in use) in the order they are written.
std::vector<std::string> ProfileEntrySettingNames(int index);
std::vector<std::string> ProfileTableSettingNames(int count);

} // namespace quiltmark
