// FTP connection profiles and the scrambled password form.
#include "FtpProfile.h"

#include <algorithm>
#include <climits>

namespace quiltmark {
namespace {

std::string Key(const char* prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

// The integer of text[from, to): an optional minus and decimal digits; other
// bytes end the number. Values beyond int are held at its limits.
long long ParseNumber(const std::string& text, size_t from, size_t to) {
    bool negative = false;
    if (from < to && text[from] == '-') {
        negative = true;
        ++from;
    }
    long long value = 0;
    for (; from < to && text[from] >= '0' && text[from] <= '9'; ++from)
        value = std::min<long long>(value * 10 + (text[from] - '0'), INT_MAX);
    return negative ? -value : value;
}

} // namespace

int FtpProfileTable::Count() const {
    return std::clamp(listTotal, 0, kCapacity);
}

FtpProfile* FtpProfileTable::Current() {
    return listPos >= 0 && listPos < Count() ? &entries[listPos] : nullptr;
}

const FtpProfile* FtpProfileTable::Current() const {
    return listPos >= 0 && listPos < Count() ? &entries[listPos] : nullptr;
}

int FtpProfileTable::Find(const std::string& server, const std::string& account) const {
    for (int i = 0; i < Count(); ++i) {
        if (entries[i].serverName == server && entries[i].account == account)
            return i;
    }
    return -1;
}

std::string ScramblePassword(const std::string& password) {
    if (password.empty())
        return {};
    std::string text = ",";
    for (char c : password) {
        const int value = static_cast<signed char>(c);
        text += std::to_string(value * 47 - 5);
        text += ',';
    }
    return text;
}

std::string UnscramblePassword(const std::string& text) {
    std::string password;
    size_t from = 0;
    if (!text.empty() && text[0] == ',')
        from = 1;
    while (from < text.size()) {
        size_t comma = text.find(',', from);
        const size_t to = comma == std::string::npos ? text.size() : comma;
        const long long n = ParseNumber(text, from, to);
        password += static_cast<char>(static_cast<unsigned char>((n + 5) / 47));
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    return password;
}

FtpProfileTable ProfileTableFromSettings(const Settings& settings) {
    FtpProfileTable table;
    table.listTotal = std::clamp(settings.listTotal, 0, FtpProfileTable::kCapacity);
    table.listPos = table.listTotal > 0 ? std::clamp(settings.listPos, 0, table.listTotal - 1) : 0;
    for (int i = 0; i < FtpProfileTable::kCapacity; ++i) {
        const FtpProfileKeys& keys = settings.ftpProfiles[i];
        FtpProfile& p = table.entries[i];
        p.isDirLast = keys.isDirLast;
        p.serverName = keys.serverName;
        p.account = keys.account;
        p.passwd = UnscramblePassword(keys.passwdStored);
        p.localFirstDir = keys.localFirstDir;
        p.remoteFirstDir = keys.remoteFirstDir;
        p.localLastDir = keys.localLastDir;
        p.remoteLastDir = keys.remoteLastDir;
        p.passive = keys.passive;
    }
    return table;
}

void StoreProfileTable(const FtpProfileTable& table, Settings& settings) {
    settings.listTotal = table.Count();
    settings.listPos = std::max(table.listPos, 0);
    for (int i = 0; i < FtpProfileTable::kCapacity; ++i) {
        const FtpProfile& p = table.entries[i];
        FtpProfileKeys& keys = settings.ftpProfiles[i];
        keys.isDirLast = p.isDirLast;
        keys.serverName = p.serverName;
        keys.account = p.account;
        keys.passwdStored = ScramblePassword(p.passwd);
        keys.localFirstDir = p.localFirstDir;
        keys.remoteFirstDir = p.remoteFirstDir;
        keys.localLastDir = p.localLastDir;
        keys.remoteLastDir = p.remoteLastDir;
        keys.passive = p.passive;
    }
}

std::vector<std::string> ProfileEntrySettingNames(int index) {
    return {Key("FTP/isDirLast", index),    Key("FTP/ServerName", index),    Key("FTP/Account", index),
            Key("FTP/Passwd", index),       Key("FTP/LocalFirstDir", index), Key("FTP/RemoteFirstDir", index),
            Key("FTP/LocalLastDir", index), Key("FTP/RemoteLastDir", index), Key("FTP/Passive", index)};
}

std::vector<std::string> ProfileTableSettingNames(int count) {
    std::vector<std::string> names = {"FTP/ListPos", "FTP/ListTotal"};
    for (int i = 0; i < std::clamp(count, 0, FtpProfileTable::kCapacity); ++i) {
        for (std::string& name : ProfileEntrySettingNames(i))
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace quiltmark
