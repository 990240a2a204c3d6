// The one string whose every occurrence the editor marks with the highlight
// colours (NimbetSetHighlight).
#pragma once

#include <string>

#include "NimbetCodes.h"

namespace nimbet {

class Highlight {
  public:
    // Replaces the string by a copy of `word`; null is refused. An empty word
    // switches highlighting off.
    NimbetResult set(const char* word, bool matchCase);

    bool active() const noexcept { return !word_.empty(); }
    const std::string& word() const noexcept { return word_; }
    bool matchCase() const noexcept { return matchCase_; }

  private:
    std::string word_;
    bool matchCase_ = true;
};

} // namespace nimbet
