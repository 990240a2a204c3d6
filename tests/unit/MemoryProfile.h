// An in-memory settings file that records every read and write in order, for
// the settings tests.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ProfileStore.h"

class MemoryProfile : public quiltmark::ProfileStore {
  public:
    // "R Section/Key" for reads, "W Section/Key=value" for writes.
    std::vector<std::string> log;
    std::map<std::pair<std::string, std::string>, std::string> values;
    bool failWrites = false;

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        values[{section, key}] = value;
    }
    bool Has(const std::string& section, const std::string& key) const {
        return values.count({section, key}) > 0;
    }
    std::string Value(const std::string& section, const std::string& key) const {
        auto it = values.find({section, key});
        return it == values.end() ? std::string("<absent>") : it->second;
    }

    int GetProfileInt(const std::string& section, const std::string& key, int def) override {
        log.push_back("R " + section + "/" + key);
        auto it = values.find({section, key});
        return it == values.end() ? def : std::stoi(it->second);
    }
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override {
        log.push_back("R " + section + "/" + key);
        auto it = values.find({section, key});
        return it == values.end() ? def : it->second;
    }
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override {
        return Write(section, key, std::to_string(value));
    }
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override {
        return Write(section, key, value);
    }

    // Only the reads (or only the writes) of the log, without the prefix.
    std::vector<std::string> Reads() const { return Filter("R "); }
    std::vector<std::string> Writes() const { return Filter("W "); }

  private:
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        log.push_back("W " + section + "/" + key + "=" + value);
        if (failWrites)
            return false;
        values[{section, key}] = value;
        return true;
    }
    std::vector<std::string> Filter(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& entry : log)
            if (entry.compare(0, prefix.size(), prefix) == 0)
                out.push_back(entry.substr(prefix.size()));
        return out;
    }
};
