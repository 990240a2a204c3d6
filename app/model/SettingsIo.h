// When the settings are read and written: the steps of the start-up load order
// and the save order at close, each a fixed list of keys walked through the
// settings table.
#pragma once

#include <string>
#include <vector>

#include "ProfileStore.h"
#include "Settings.h"

namespace quiltmark {

// The texts of the first-run tool entry.
inline constexpr const char* kFirstRunToolName = "Internet Explorer";
inline constexpr const char* kFirstRunToolPath = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";

// Reads the named keys ("Section/Key") in order.
void ReadSettings(ProfileStore& profile, Settings& settings, const std::vector<std::string>& names);
// Writes the named keys in order.
void WriteSettings(ProfileStore& profile, Settings& settings, const std::vector<std::string>& names);

// Start-up: whether the main window opens maximised.
void ReadStartupSettings(ProfileStore& profile, Settings& settings);
// Initial update: always-on-top flag, window size and the FTP divider.
void ReadWindowSettings(ProfileStore& profile, Settings& settings);
// Initial update: visibility of the toolbar and the status bar.
void ReadBarSettings(ProfileStore& profile, Settings& settings);
// Editor creation: wrap, clickable addresses, ruler, line numbers, colours.
void ReadEditorSettings(ProfileStore& profile, Settings& settings);
// Editor creation: font face and size.
void ReadFontSettings(ProfileStore& profile, Settings& settings);
// View initialisation: save code, option flags, folders and recent files.
// FileDir is read only when no file was named on the command line.
void ReadDocumentSettings(ProfileStore& profile, Settings& settings, bool fileGiven);
// View initialisation: FTP profiles, transfer mode and list settings. With no
// stored profile the first one starts in documentFolder and the remote home.
void ReadFtpSettings(ProfileStore& profile, Settings& settings, const std::string& documentFolder);
// View initialisation: the user-defined tags.
void ReadUserTagSettings(ProfileStore& profile, Settings& settings);
// After the user-tag dialog: every slot (Open, End and Str of slots 1-20 in
// turn), then Bar1 and Bar2. A value typed over several lines is stored with
// its first line, the part a later start reads back.
void WriteUserTagSettings(ProfileStore& profile, Settings& settings);
// View initialisation: the external tools, with the first-run entry written
// when isFirst is 0; then isFirst := 1 is written.
void ReadToolSettings(ProfileStore& profile, Settings& settings);
// End of the view initialisation: the title for the start-up.
bool WriteTitleSetting(ProfileStore& profile, Settings& settings, const std::string& title);
// After the view initialisation: the two-pane state.
void ReadTwoPaneSettings(ProfileStore& profile, Settings& settings);
// Window close, after the values were taken from the window.
void WriteCloseSettings(ProfileStore& profile, Settings& settings);
// Options dialog OK: the editor and window flags, then the 24 colour components.
void WriteOptionSettings(ProfileStore& profile, Settings& settings);
// Tools dialog closed: names, paths and browser flags of the five tools, then
// the folder of its browse button.
void WriteToolSettings(ProfileStore& profile, Settings& settings);

// The names each step reads or writes, in order (for the steps above).
std::vector<std::string> EditorSettingNames();
std::vector<std::string> DocumentSettingNames(bool fileGiven);
std::vector<std::string> CloseSettingNames();
std::vector<std::string> OptionSettingNames();
std::vector<std::string> ToolSettingNames();
std::vector<std::string> UserTagSettingNames();

} // namespace quiltmark
