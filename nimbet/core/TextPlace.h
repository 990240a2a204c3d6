// A place in the text: 1-based line and position (position p lies before byte
// index p - 1). Places compare in text order.
#pragma once

#include <compare>

namespace nimbet {

struct TextPlace {
    int line = 1;
    int pos = 1;

    friend constexpr bool operator==(const TextPlace&, const TextPlace&) = default;
    friend constexpr auto operator<=>(const TextPlace&, const TextPlace&) = default;
};

} // namespace nimbet
