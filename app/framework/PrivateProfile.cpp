// Private-profile access to the settings file.
#include "PrivateProfile.h"

#include <vector>

namespace quiltmark {

int PrivateProfile::GetProfileInt(const std::string& section, const std::string& key, int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path_.c_str()));
}

std::string PrivateProfile::GetProfileString(const std::string& section, const std::string& key,
                                             const std::string& defaultValue) {
    // The function truncates silently; a result that fills the buffer is
    // read again with a larger one.
    std::vector<char> buffer(4096);
    for (;;) {
        const DWORD length =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path_.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= (1u << 20))
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

bool PrivateProfile::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool PrivateProfile::WriteProfileString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) != FALSE;
}

} // namespace quiltmark
