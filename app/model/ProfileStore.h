// The four profile operations of the settings file. The program binds them to
// the INI file beside the program; tests use an in-memory store.
#pragma once

#include <string>

// windows.h maps these names to the functions of the system's win.ini; the
// settings store's operations are not those. Windows code includes windows.h
// before this header.
#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString

namespace quiltmark {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // Absent keys yield the default; nothing is written back.
    virtual int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) = 0;
    // Integers are written in decimal. False when the file could not be written.
    virtual bool WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

} // namespace quiltmark
