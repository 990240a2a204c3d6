// Names and timing of the automatic backups.
#include "BackupSchedule.h"

#include <cstdio>
#include <ctime>

namespace quiltmark {

LocalMinute CurrentLocalMinute() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min};
}

std::string BackupStamp(const LocalMinute& time) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d%02d%02d%02d", time.month, time.day, time.hour, time.minute);
    return stamp;
}

std::string BackupFilePath(const std::string& programFolder, const LocalMinute& time) {
    return programFolder + "Quiltmark" + BackupStamp(time) + ".html";
}

std::int64_t BackupSchedule::MinuteKey(const LocalMinute& time) {
    return static_cast<std::int64_t>(time.year) * 100000000 + time.month * 1000000 + time.day * 10000 +
           time.hour * 100 + time.minute;
}

bool BackupSchedule::DueOnChange(const LocalMinute& now, bool enabled) {
    if (last_ < 0) {
        last_ = 0;
        return false;
    }
    if (!enabled)
        return false;
    // Any other minute than the last backup's is due: a later one as usual,
    // and an earlier one after the clock was set back, so that backups
    // never stop for the rest of the run.
    const std::int64_t key = MinuteKey(now);
    if (key == last_)
        return false;
    last_ = key;
    return true;
}

} // namespace quiltmark
