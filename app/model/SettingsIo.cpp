// The load steps and the save order of the settings file.
#include "SettingsIo.h"

#include <algorithm>

#include "SettingsSchema.h"

namespace quiltmark {
namespace {

std::string Key(const char* prefix, int n) {
    std::string key = prefix;
    key += std::to_string(n);
    return key;
}

void Append(std::vector<std::string>& names, std::initializer_list<const char*> more) {
    for (const char* n : more)
        names.emplace_back(n);
}

// Option/isClickable0 ... isClickable3.
void AppendClickableNames(std::vector<std::string>& names) {
    for (int i = 0; i < 4; ++i)
        names.push_back(Key("Option/isClickable", i));
}

// Option/R0, G0, B0 ... R7, G7, B7.
void AppendColourNames(std::vector<std::string>& names) {
    for (int i = 0; i < kColourCount; ++i) {
        names.push_back(Key("Option/R", i));
        names.push_back(Key("Option/G", i));
        names.push_back(Key("Option/B", i));
    }
}

} // namespace

void ReadSettings(ProfileStore& profile, Settings& settings, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        ReadSetting(profile, settings, FindSetting(name));
}

void WriteSettings(ProfileStore& profile, Settings& settings, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        WriteSetting(profile, settings, FindSetting(name));
}

void ReadStartupSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings, {"Option/ChkMostBig"});
}

void ReadWindowSettings(ProfileStore& profile, Settings& settings) {
    // FTP defaults to half of the cx just read.
    ReadSettings(profile, settings,
                 {"Option/ChkMostFront", "WindowSize/cx", "WindowSize/cy", "WindowSize/FTP"});
}

void ReadBarSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings, {"Option/isToolbar", "Option/isStatusbar"});
}

std::vector<std::string> EditorSettingNames() {
    std::vector<std::string> names = {"Option/ChkRightReturn"};
    AppendClickableNames(names);
    Append(names, {"Option/isRuler", "Option/isLineNum"});
    AppendColourNames(names);
    return names;
}

void ReadEditorSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings, EditorSettingNames());
}

void ReadFontSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings, {"Font/Name", "Font/Size"});
}

std::vector<std::string> DocumentSettingNames(bool fileGiven) {
    std::vector<std::string> names;
    Append(names, {"File/isCodeMode", "Option/ChkMostBig", "Option/ChkSmallTag", "Option/isAutoBackUp",
                   "Option/isNewHtmlFile", "File/ImgFileDir", "File/AHrefFileDir"});
    for (int i = 1; i <= kRecentFileCount; ++i)
        names.push_back(Key("File/RecentFile", i));
    if (!fileGiven)
        names.emplace_back("File/FileDir");
    return names;
}

void ReadDocumentSettings(ProfileStore& profile, Settings& settings, bool fileGiven) {
    ReadSettings(profile, settings, DocumentSettingNames(fileGiven));
}

void ReadFtpSettings(ProfileStore& profile, Settings& settings, const std::string& documentFolder) {
    ReadSettings(profile, settings, {"FTP/ListPos", "FTP/ListTotal"});
    // A hand-edited count beyond the table must not read past it.
    const int stored = std::clamp(settings.listTotal, 0, kFtpProfileCount);
    for (int k = 0; k < stored; ++k) {
        ReadSettings(profile, settings,
                     {Key("FTP/isDirLast", k), Key("FTP/ServerName", k), Key("FTP/Account", k),
                      Key("FTP/Passwd", k), Key("FTP/LocalFirstDir", k), Key("FTP/RemoteFirstDir", k),
                      Key("FTP/LocalLastDir", k), Key("FTP/RemoteLastDir", k), Key("FTP/Passive", k)});
    }
    if (settings.listTotal < 1) {
        settings.ftpProfiles[0].localFirstDir = documentFolder;
        settings.ftpProfiles[0].remoteFirstDir = "<home>";
    }
    ReadSettings(profile, settings,
                 {"FTP_SendMode/OverWrite", "FTP_SendMode/Ascii", "FTP_SendMode/Binary", "FTP_SendMode/Both",
                  "Sort/List1Item", "Sort/List2Item", "Sort/List1How", "Sort/List2How", "Sort/ListMode"});
}

std::vector<std::string> UserTagSettingNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= kUserTagCount; ++n) {
        names.push_back(Key("UserTag/Open", n));
        names.push_back(Key("UserTag/End", n));
        names.push_back(Key("UserTag/Str", n));
    }
    Append(names, {"UserTag/Bar1", "UserTag/Bar2"});
    return names;
}

void ReadUserTagSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings, UserTagSettingNames());
}

void WriteUserTagSettings(ProfileStore& profile, Settings& settings) {
    for (const std::string& name : UserTagSettingNames()) {
        const SettingKey& row = FindSetting(name);
        if (row.type != SettingType::String) {
            WriteSetting(profile, settings, row);
            continue;
        }
        // The file holds one line per key: further lines of a value would
        // become lines of the file of their own.
        const std::string& value = row.stringField(settings);
        profile.WriteProfileString(row.section, row.key, value.substr(0, value.find_first_of("\r\n")));
    }
}

void ReadToolSettings(ProfileStore& profile, Settings& settings) {
    std::vector<std::string> names;
    for (int n = 1; n <= kToolCount; ++n) {
        names.push_back(Key("Tools/Name", n));
        names.push_back(Key("Tools/Path", n));
        names.push_back(Key("Tools/isBrow", n));
    }
    names.emplace_back("Tools/isFirst");
    ReadSettings(profile, settings, names);
    if (settings.isFirst == 0) {
        settings.tools[0] = ToolEntry{kFirstRunToolName, kFirstRunToolPath, 1};
        WriteSettings(profile, settings, {"Tools/Name1", "Tools/Path1", "Tools/isBrow1"});
    }
    settings.isFirst = 1;
    WriteSettings(profile, settings, {"Tools/isFirst"});
}

bool WriteTitleSetting(ProfileStore& profile, Settings& settings, const std::string& title) {
    settings.titleDummy = title;
    return WriteSetting(profile, settings, FindSetting("TitleBar/Dummy"));
}

void ReadTwoPaneSettings(ProfileStore& profile, Settings& settings) {
    ReadSettings(profile, settings,
                 {"HowPreview/isMyDev", "HowPreview/isMyRealTime", "HowPreview/isMyHowRL"});
}

std::vector<std::string> CloseSettingNames() {
    return {"HowPreview/isMyDev", "HowPreview/isMyRealTime", "WindowSize/cx",      "WindowSize/cy",
            "WindowSize/FTP",     "Option/isToolbar",        "Option/isStatusbar", "FTP_SendMode/OverWrite",
            "File/ImgFileDir",    "File/AHrefFileDir",       "File/FileDir",       "File/isCodeMode",
            "Sort/List1Item",     "Sort/List2Item",          "Sort/List1How",      "Sort/List2How",
            "Sort/ListMode"};
}

void WriteCloseSettings(ProfileStore& profile, Settings& settings) {
    WriteSettings(profile, settings, CloseSettingNames());
}

std::vector<std::string> OptionSettingNames() {
    std::vector<std::string> names = {"Option/ChkRightReturn"};
    AppendClickableNames(names);
    Append(names, {"Option/ChkMostFront", "Option/ChkMostBig", "Option/ChkSmallTag", "HowPreview/isMyHowRL",
                   "Option/isAutoBackUp", "Option/isNewHtmlFile", "Option/isRuler", "Option/isLineNum"});
    AppendColourNames(names);
    return names;
}

void WriteOptionSettings(ProfileStore& profile, Settings& settings) {
    WriteSettings(profile, settings, OptionSettingNames());
}

std::vector<std::string> ToolSettingNames() {
    std::vector<std::string> names;
    for (const char* prefix : {"Tools/Name", "Tools/Path", "Tools/isBrow"})
        for (int n = 1; n <= kToolCount; ++n)
            names.push_back(Key(prefix, n));
    names.emplace_back("Tools/OpenDir");
    return names;
}

void WriteToolSettings(ProfileStore& profile, Settings& settings) {
    WriteSettings(profile, settings, ToolSettingNames());
}

} // namespace quiltmark
