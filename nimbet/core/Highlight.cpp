// Setting the highlight string.
#include "Highlight.h"

#include <new>

namespace nimbet {

NimbetResult Highlight::set(const char* word, bool matchCase) {
    if (!word)
        return NIMBET_BADARG;
    try {
        word_ = word;
    } catch (const std::bad_alloc&) {
        return NIMBET_NOMEMORY;
    }
    matchCase_ = matchCase;
    return NIMBET_OK;
}

} // namespace nimbet
