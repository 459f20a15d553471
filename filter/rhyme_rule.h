#pragma once

#include <cstddef>
#include <string_view>

namespace kestrun {

inline constexpr std::size_t kNoToneDigit = std::string_view::npos;

// Index of the line's tone digit: the first occurrence of the lowest digit 1-5 it
// holds, or kNoToneDigit when it holds none. The lowest digit wins over the first.
std::size_t toneDigitPosition(std::string_view s);

// True when `myfind` occurs in `s` at or after the point where a term ending right
// before the tone digit would begin. Occurrences after the tone digit count too.
// A line without a tone digit never matches, not even the empty term.
bool lineMatches(std::string_view s, std::string_view myfind);

}  // namespace kestrun
