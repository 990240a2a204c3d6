// Automatic backups of the edited text: at most one file per minute, named
// after the minute it was written ("Quiltmark" + MMDDHHMM + ".html" in the
// program folder). The year is not part of the name, but it is part of the
// minute the schedule remembers, so backups go on across the turn of the year.
#pragma once

#include <cstdint>
#include <string>

namespace quiltmark {

// A local time to the minute.
struct LocalMinute {
    int year = 0;
    int month = 1; // 1-12
    int day = 1;   // 1-31
    int hour = 0;
    int minute = 0;
};

// The local time now.
LocalMinute CurrentLocalMinute();

// "MMDDHHMM", two digits each.
std::string BackupStamp(const LocalMinute& time);

// programFolder (with its backslash) + "Quiltmark" + BackupStamp + ".html".
std::string BackupFilePath(const std::string& programFolder, const LocalMinute& time);

class BackupSchedule {
  public:
    // Called on every change of the text: true when a backup is to be written
    // now, which is then remembered as the last one. The very first change
    // (the start-up document going into the editor) only arms the schedule.
    // Disabled backups are never due.
    bool DueOnChange(const LocalMinute& now, bool enabled);

  private:
    static std::int64_t MinuteKey(const LocalMinute& time);

    // The minute of the last backup written on a change (year included);
    // negative until the first change, 0 until the first backup.
    std::int64_t last_ = -1;
};

} // namespace quiltmark
