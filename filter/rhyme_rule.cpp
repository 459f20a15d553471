#include "rhyme_rule.h"

namespace kestrun {

std::size_t toneDigitPosition(std::string_view s)
{
    // First the lowest digit 1-5 over the whole line, as a branch-free minimum the
    // compiler can vectorise, then its first occurrence; '6' stands for none.
    unsigned char tail = '6';
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned char digit = static_cast<unsigned char>(byte - '1') < 5 ? byte : '6';
        tail = digit < tail ? digit : tail;
    }
    return tail == '6' ? kNoToneDigit : s.find(static_cast<char>(tail));
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
