// The profile operations bound to one INI file, through the platform's
// private-profile functions.
#pragma once

#include <windows.h>

#include <string>

#include "ProfileStore.h"

namespace quiltmark {

class PrivateProfile : public ProfileStore {
  public:
    // Binds the operations to a file (replacing any previous one).
    void Bind(std::string iniPath) { path_ = std::move(iniPath); }
    const std::string& Path() const { return path_; }

    int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

  private:
    std::string path_;
};

} // namespace quiltmark
