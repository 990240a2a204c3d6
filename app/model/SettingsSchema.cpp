// The settings table: one row per key of the INI file.
#include "SettingsSchema.h"

#include <stdexcept>
#include <unordered_map>

namespace quiltmark {
namespace {

class SchemaBuilder {
  public:
    void Section(const char* name) { section_ = name; }

    void Int(const std::string& key, int def, std::function<int&(Settings&)> field) {
        SettingKey row;
        row.section = section_;
        row.key = key;
        row.type = SettingType::Int;
        row.intDefault = def;
        row.intField = std::move(field);
        rows_.push_back(std::move(row));
    }

    void String(const std::string& key, const std::string& def,
                std::function<std::string&(Settings&)> field) {
        SettingKey row;
        row.section = section_;
        row.key = key;
        row.type = SettingType::String;
        row.stringDefault = def;
        row.stringField = std::move(field);
        rows_.push_back(std::move(row));
    }

    SettingKey& Last() { return rows_.back(); }
    std::vector<SettingKey> Take() { return std::move(rows_); }

  private:
    std::string section_;
    std::vector<SettingKey> rows_;
};

// "Prefix" followed by the number in decimal.
std::string Key(const char* prefix, int n) {
    std::string key = prefix;
    key += std::to_string(n);
    return key;
}

std::vector<SettingKey> BuildSchema() {
    SchemaBuilder b;
    const Settings defaults;

    b.Section("Option");
    b.Int("ChkRightReturn", 0, [](Settings& s) -> int& { return s.chkRightReturn; });
    for (int i = 0; i < 4; ++i)
        b.Int(Key("isClickable", i), 0, [i](Settings& s) -> int& { return s.isClickable[i]; });
    b.Int("isRuler", 1, [](Settings& s) -> int& { return s.isRuler; });
    b.Int("isLineNum", 1, [](Settings& s) -> int& { return s.isLineNum; });
    for (int i = 0; i < kColourCount; ++i) {
        b.Int(Key("R", i), kDefaultColourKeys[i].r, [i](Settings& s) -> int& { return s.colourKeys[i].r; });
        b.Int(Key("G", i), kDefaultColourKeys[i].g, [i](Settings& s) -> int& { return s.colourKeys[i].g; });
        b.Int(Key("B", i), kDefaultColourKeys[i].b, [i](Settings& s) -> int& { return s.colourKeys[i].b; });
    }
    b.Int("ChkMostFront", 0, [](Settings& s) -> int& { return s.chkMostFront; });
    b.Int("ChkMostBig", 0, [](Settings& s) -> int& { return s.chkMostBig; });
    b.Int("ChkSmallTag", 0, [](Settings& s) -> int& { return s.chkSmallTag; });
    b.Int("isAutoBackUp", 0, [](Settings& s) -> int& { return s.isAutoBackUp; });
    b.Int("isNewHtmlFile", 0, [](Settings& s) -> int& { return s.isNewHtmlFile; });
    b.Int("isToolbar", 1, [](Settings& s) -> int& { return s.isToolbar; });
    b.Int("isStatusbar", 1, [](Settings& s) -> int& { return s.isStatusbar; });

    b.Section("HowPreview");
    b.Int("isMyDev", 0, [](Settings& s) -> int& { return s.isMyDev; });
    b.Int("isMyRealTime", 0, [](Settings& s) -> int& { return s.isMyRealTime; });
    b.Int("isMyHowRL", 1, [](Settings& s) -> int& { return s.isMyHowRL; });

    b.Section("WindowSize");
    b.Int("cx", kDefaultWindowWidth, [](Settings& s) -> int& { return s.cx; });
    b.Int("cy", kDefaultWindowHeight, [](Settings& s) -> int& { return s.cy; });
    b.Int("FTP", kDefaultWindowWidth / 2, [](Settings& s) -> int& { return s.ftpSplit; });
    b.Last().intDefaultFrom = [](const Settings& s) { return s.cx / 2; };

    b.Section("Font");
    b.String("Name", defaults.fontName, [](Settings& s) -> std::string& { return s.fontName; });
    b.Int("Size", 11, [](Settings& s) -> int& { return s.fontSize; });

    b.Section("File");
    b.Int("isCodeMode", 0, [](Settings& s) -> int& { return s.isCodeMode; });
    b.String("FileDir", "", [](Settings& s) -> std::string& { return s.fileDir; });
    b.String("ImgFileDir", "", [](Settings& s) -> std::string& { return s.imgFileDir; });
    b.String("AHrefFileDir", "", [](Settings& s) -> std::string& { return s.aHrefFileDir; });
    for (int i = 0; i < kRecentFileCount; ++i)
        b.String(Key("RecentFile", i + 1), "", [i](Settings& s) -> std::string& { return s.recentFiles[i]; });

    b.Section("TitleBar");
    b.String("Dummy", defaults.titleDummy, [](Settings& s) -> std::string& { return s.titleDummy; });

    b.Section("Tools");
    for (int i = 0; i < kToolCount; ++i) {
        b.String(Key("Name", i + 1), "", [i](Settings& s) -> std::string& { return s.tools[i].name; });
        b.String(Key("Path", i + 1), "", [i](Settings& s) -> std::string& { return s.tools[i].path; });
        b.Int(Key("isBrow", i + 1), 0, [i](Settings& s) -> int& { return s.tools[i].isBrowser; });
    }
    b.String("OpenDir", "", [](Settings& s) -> std::string& { return s.toolsOpenDir; });
    b.Last().stringDefaultFrom = [](const Settings& s) { return s.programFolder; };
    b.Int("isFirst", 0, [](Settings& s) -> int& { return s.isFirst; });

    b.Section("UserTag");
    for (int i = 0; i < kUserTagCount; ++i) {
        b.String(Key("Open", i + 1), "", [i](Settings& s) -> std::string& { return s.userTags[i].open; });
        b.String(Key("End", i + 1), "", [i](Settings& s) -> std::string& { return s.userTags[i].end; });
        b.String(Key("Str", i + 1), "", [i](Settings& s) -> std::string& { return s.userTags[i].name; });
    }
    b.Int("Bar1", 0, [](Settings& s) -> int& { return s.bar1; });
    b.Int("Bar2", 1, [](Settings& s) -> int& { return s.bar2; });

    b.Section("FTP");
    b.Int("ListPos", 0, [](Settings& s) -> int& { return s.listPos; });
    b.Int("ListTotal", 0, [](Settings& s) -> int& { return s.listTotal; });
    for (int k = 0; k < kFtpProfileCount; ++k) {
        b.Int(Key("isDirLast", k), 0, [k](Settings& s) -> int& { return s.ftpProfiles[k].isDirLast; });
        b.String(Key("ServerName", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].serverName; });
        b.String(Key("Account", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].account; });
        b.String(Key("Passwd", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].passwdStored; });
        b.String(Key("LocalFirstDir", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].localFirstDir; });
        b.String(Key("RemoteFirstDir", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].remoteFirstDir; });
        b.String(Key("LocalLastDir", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].localLastDir; });
        b.String(Key("RemoteLastDir", k), "",
                 [k](Settings& s) -> std::string& { return s.ftpProfiles[k].remoteLastDir; });
        b.Int(Key("Passive", k), 0, [k](Settings& s) -> int& { return s.ftpProfiles[k].passive; });
    }
    b.String("FtpRemoteFileDir", "", [](Settings& s) -> std::string& { return s.ftpRemoteFileDir; });

    b.Section("FTP_SendMode");
    b.String("SendModeAscii", "", [](Settings& s) -> std::string& { return s.sendModeAscii; });
    b.Int("OverWrite", 0, [](Settings& s) -> int& { return s.overWrite; });
    b.Int("Ascii", 0, [](Settings& s) -> int& { return s.ascii; });
    b.Int("Binary", 0, [](Settings& s) -> int& { return s.binary; });
    b.Int("Both", 1, [](Settings& s) -> int& { return s.both; });

    b.Section("Sort");
    b.Int("List1Item", 0, [](Settings& s) -> int& { return s.list1Item; });
    b.Int("List2Item", 0, [](Settings& s) -> int& { return s.list2Item; });
    b.Int("List1How", 0, [](Settings& s) -> int& { return s.list1How; });
    b.Int("List2How", 0, [](Settings& s) -> int& { return s.list2How; });
    b.Int("ListMode", 0, [](Settings& s) -> int& { return s.listMode; });

    return b.Take();
}

} // namespace

const std::vector<SettingKey>& SettingsSchema() {
    static const std::vector<SettingKey> rows = BuildSchema();
    return rows;
}

const SettingKey& FindSetting(const std::string& name) {
    static const std::unordered_map<std::string, const SettingKey*> index = [] {
        std::unordered_map<std::string, const SettingKey*> map;
        for (const SettingKey& row : SettingsSchema())
            map.emplace(row.Name(), &row);
        return map;
    }();
    auto it = index.find(name);
    if (it == index.end())
        throw std::out_of_range("unknown setting " + name);
    return *it->second;
}

void ReadSetting(ProfileStore& profile, Settings& settings, const SettingKey& row) {
    if (row.type == SettingType::Int) {
        const int def = row.IntDefault(settings);
        row.intField(settings) = profile.GetProfileInt(row.section, row.key, def);
    } else {
        const std::string def = row.StringDefault(settings);
        row.stringField(settings) = profile.GetProfileString(row.section, row.key, def);
    }
}

bool WriteSetting(ProfileStore& profile, Settings& settings, const SettingKey& row) {
    if (row.type == SettingType::Int)
        return profile.WriteProfileInt(row.section, row.key, row.intField(settings));
    return profile.WriteProfileString(row.section, row.key, row.stringField(settings));
}

} // namespace quiltmark
