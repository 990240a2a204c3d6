// The start and end texts that an authoring command hands to InsertTag.
#pragma once

#include <string>

namespace quiltmark {

struct TagPair {
    std::string start;
    std::string end; // equal to start: the text replaces the selection
    bool operator==(const TagPair& o) const { return start == o.start && end == o.end; }
};

} // namespace quiltmark
