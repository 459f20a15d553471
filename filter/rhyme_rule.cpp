#include "rhyme_rule.h"

namespace kestrun {

std::size_t toneDigitPosition(std::string_view s)
{
    // One pass instead of one scan per digit: remember the first position of the
    // lowest digit seen so far; nothing can beat a 1.
    char tail = '6';
    std::size_t tailposition = kNoToneDigit;
    for (std::size_t i = 0; i < s.size() && tail != '1'; ++i) {
        const char c = s[i];
        if (c >= '1' && c < tail) {
            tail = c;
            tailposition = i;
        }
    }
    return tailposition;
}

bool lineMatches(std::string_view s, std::string_view myfind)
{
    const std::size_t tailposition = toneDigitPosition(s);
    if (tailposition == kNoToneDigit)
        return false;
    const std::size_t len = myfind.size();
    const std::size_t start = tailposition > len ? tailposition - len : 0;
    return s.find(myfind, start) != std::string_view::npos;
}

}  // namespace kestrun
