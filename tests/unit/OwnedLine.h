// A line record made from test bytes and freed with the test.
#pragma once

#include <string>

#include "LineRecord.h"

struct OwnedLine {
    explicit OwnedLine(const std::string& bytes)
        : record(nimbet::CreateLine(bytes.data(), static_cast<int>(bytes.size()))) {}
    ~OwnedLine() { delete record; }
    OwnedLine(const OwnedLine&) = delete;
    OwnedLine& operator=(const OwnedLine&) = delete;
    nimbet::LineRecord* record;
};
