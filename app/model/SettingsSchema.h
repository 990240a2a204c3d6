// The table of every settings key: section, key, type, default and the member
// of Settings that holds it. Loading and saving walk this one table.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ProfileStore.h"
#include "Settings.h"

namespace quiltmark {

enum class SettingType { Int, String };

struct SettingKey {
    std::string section;
    std::string key;
    SettingType type = SettingType::Int;
    int intDefault = 0;
    std::string stringDefault;
    // Defaults that depend on other values (WindowSize/FTP is half of cx,
    // Tools/OpenDir is the program folder); empty for fixed defaults.
    std::function<int(const Settings&)> intDefaultFrom;
    std::function<std::string(const Settings&)> stringDefaultFrom;
    std::function<int&(Settings&)> intField;
    std::function<std::string&(Settings&)> stringField;

    std::string Name() const { return section + "/" + key; }
    int IntDefault(const Settings& s) const { return intDefaultFrom ? intDefaultFrom(s) : intDefault; }
    std::string StringDefault(const Settings& s) const {
        return stringDefaultFrom ? stringDefaultFrom(s) : stringDefault;
    }
};

// Every key of the settings file, in section order.
const std::vector<SettingKey>& SettingsSchema();

// The row of "Section/Key"; throws std::out_of_range for an unknown name.
const SettingKey& FindSetting(const std::string& name);

// Reads one key through the profile into its member (absent: the default).
void ReadSetting(ProfileStore& profile, Settings& settings, const SettingKey& row);
// Writes one key from its member.
bool WriteSetting(ProfileStore& profile, Settings& settings, const SettingKey& row);

} // namespace quiltmark
