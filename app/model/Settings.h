// Every persistent setting of the program, held as plain members of the main
// view (one member per key, arrays for the numbered keys). The schema in
// SettingsSchema.cpp ties each member to its section, key and default.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quiltmark {

using Colour = std::uint32_t; // red in bits 0-7, green 8-15, blue 16-23

constexpr int kColourCount = 8;
constexpr int kRecentFileCount = 5;
constexpr int kToolCount = 5;
constexpr int kUserTagCount = 20;
constexpr int kFtpProfileCount = 50;
constexpr int kDefaultWindowWidth = 634;
constexpr int kDefaultWindowHeight = 480;

// Red, green and blue of one editor colour as stored in the R<i>/G<i>/B<i> keys.
struct ColourKeys {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const ColourKeys&) const = default;
};

// Defaults of the eight editor colours: background, standard text, tags,
// quoted attribute contents, comments, character references, underline,
// other colours.
constexpr std::array<ColourKeys, kColourCount> kDefaultColourKeys = {{
    {255, 255, 255},
    {0, 0, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 150, 0},
    {255, 102, 51},
    {255, 0, 0},
    {0, 204, 153},
}};

struct ToolEntry {
    std::string name;
    std::string path;
    int isBrowser = 0;
};

struct UserTagEntry {
    std::string open; // start tag without "<" and ">"; empty = free slot
    std::string end;  // end tag name without "</" and ">"
    std::string name; // registered display name
};

// One FTP connection profile as stored; the password stays in its scrambled
// stored form here.
struct FtpProfileKeys {
    int isDirLast = 0;
    std::string serverName;
    std::string account;
    std::string passwdStored;
    std::string localFirstDir;
    std::string remoteFirstDir;
    std::string localLastDir;
    std::string remoteLastDir;
    int passive = 0; // connect in passive mode
};

struct Settings {
    // Option
    int chkRightReturn = 0;
    std::array<int, 4> isClickable{}; // isClickable0 (http) ... isClickable3 (https)
    int isRuler = 1;
    int isLineNum = 1;
    std::array<ColourKeys, kColourCount> colourKeys = kDefaultColourKeys;
    int chkMostFront = 0;
    int chkMostBig = 0;
    int chkSmallTag = 0;
    int isAutoBackUp = 0;
    int isNewHtmlFile = 0;
    int isToolbar = 1;
    int isStatusbar = 1;

    // HowPreview
    int isMyDev = 0;
    int isMyRealTime = 0;
    int isMyHowRL = 1;

    // WindowSize
    int cx = kDefaultWindowWidth;
    int cy = kDefaultWindowHeight;
    int ftpSplit = kDefaultWindowWidth / 2;

    // Font
    std::string fontName = "ＭＳ ゴシック";
    int fontSize = 11;

    // File
    int isCodeMode = 0;
    std::string fileDir;
    std::string imgFileDir;
    std::string aHrefFileDir;
    std::array<std::string, kRecentFileCount> recentFiles;

    // Tools
    std::array<ToolEntry, kToolCount> tools;
    std::string toolsOpenDir;  // default: programFolder
    std::string programFolder; // not stored: the folder of the program file, with its backslash
    int isFirst = 0;

    // UserTag
    std::array<UserTagEntry, kUserTagCount> userTags;
    int bar1 = 0;
    int bar2 = 1;

    // FTP
    int listPos = 0;
    int listTotal = 0;
    std::array<FtpProfileKeys, kFtpProfileCount> ftpProfiles;
    std::string ftpRemoteFileDir;

    // FTP_SendMode
    std::string sendModeAscii;
    int overWrite = 0;
    int ascii = 0;
    int binary = 0;
    int both = 1;

    // TitleBar: the title handed from the view's initialisation to the start-up
    std::string titleDummy = "読み込み失敗？";

    // Sort
    int list1Item = 0;
    int list2Item = 0;
    int list1How = 0;
    int list2How = 0;
    int listMode = 0;
};

} // namespace quiltmark
