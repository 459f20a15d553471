#include "table_scan.h"

#include "rhyme_rule.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace kestrun {

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEndOfInput = '\x1a';

// A growable byte buffer without the zero-filling that std::vector::resize does on
// every block.
class Buffer {
public:
    char* data() { return bytes_.get(); }

    void reserve(std::size_t needed, std::size_t kept)
    {
        if (needed <= capacity_)
            return;
        std::size_t grown = capacity_ ? capacity_ : needed;
        while (grown < needed)
            grown *= 2;
        std::unique_ptr<char[]> bigger(new char[grown]);
        if (kept)
            std::memcpy(bigger.get(), bytes_.get(), kept);
        bytes_ = std::move(bigger);
        capacity_ = grown;
    }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = 0;
};

// The line that ends at the LF at `lineFeed`, without a CR directly before it.
std::string_view completeLine(const char* begin, const char* lineFeed)
{
    if (lineFeed > begin && lineFeed[-1] == kCarriageReturn)
        --lineFeed;
    return {begin, static_cast<std::size_t>(lineFeed - begin)};
}

bool offer(std::string_view s, std::string_view myfind, const LineSink& sink)
{
    return !lineMatches(s, myfind) || sink(s);
}

// Every complete line of `text` (which ends in an LF) is tested; the empty term
// matches too often for a candidate search to pay off.
bool scanEveryLine(std::string_view text, std::string_view myfind, const LineSink& sink)
{
    const char* lineStart = text.data();
    const char* const end = text.data() + text.size();
    while (lineStart < end) {
        const auto* lineFeed = static_cast<const char*>(
            std::memchr(lineStart, kLineFeed, static_cast<std::size_t>(end - lineStart)));
        if (!offer(completeLine(lineStart, lineFeed), myfind, sink))
            return false;
        lineStart = lineFeed + 1;
    }
    return true;
}

// Looks for the term across all complete lines of `text` at once, so that lines
// without it cost no more than the search itself; only the line around each hit
// gets the tone rule.
bool scanCandidateLines(std::string_view text, std::string_view myfind, const LineSink& sink)
{
    std::size_t from = 0;  // always the start of a line
    while (true) {
        const std::size_t hit = text.find(myfind, from);
        if (hit == std::string_view::npos)
            return true;
        std::size_t lineStart = hit;
        while (lineStart > from && text[lineStart - 1] != kLineFeed)
            --lineStart;
        // A hit may run across line ends when the term holds CR or LF; the line it
        // starts on is tested and the rule rejects it.
        const std::size_t lineFeed = text.find(kLineFeed, hit);
        if (!offer(completeLine(text.data() + lineStart, text.data() + lineFeed), myfind, sink))
            return false;
        from = lineFeed + 1;
    }
}

bool scanCompleteLines(std::string_view text, std::string_view myfind, const LineSink& sink)
{
    return myfind.empty() ? scanEveryLine(text, myfind, sink)
                          : scanCandidateLines(text, myfind, sink);
}

}  // namespace

ScanOutcome scanTable(std::FILE* input, std::string_view myfind, const LineSink& sink,
                      std::size_t blockSize)
{
    Buffer buffer;
    std::size_t kept = 0;  // bytes of an unfinished line at the buffer's start
    while (true) {
        buffer.reserve(kept + blockSize, kept);
        char* const fresh = buffer.data() + kept;
        std::size_t got = std::fread(fresh, 1, blockSize, input);
        const bool shortRead = got < blockSize;
        if (shortRead && std::ferror(input))
            return {ScanStatus::ReadFailed, errno};

        bool atEnd = shortRead;
        if (const void* stop = std::memchr(fresh, kEndOfInput, got)) {
            got = static_cast<std::size_t>(static_cast<const char*>(stop) - fresh);
            atEnd = true;
        }

        // Only the fresh bytes can hold the last line feed: the kept ones hold none.
        const char* lastLineFeed = nullptr;
        for (std::size_t i = got; i > 0; --i) {
            if (fresh[i - 1] == kLineFeed) {
                lastLineFeed = fresh + i - 1;
                break;
            }
        }

        const std::size_t filled = kept + got;
        std::size_t complete = 0;
        if (lastLineFeed) {
            complete = static_cast<std::size_t>(lastLineFeed - buffer.data()) + 1;
            if (!scanCompleteLines({buffer.data(), complete}, myfind, sink))
                return {ScanStatus::WriteFailed, 0};
        }

        const std::size_t rest = filled - complete;
        if (atEnd) {
            // The last line needs no line break; a CR at its end is part of it.
            if (rest && !offer({buffer.data() + complete, rest}, myfind, sink))
                return {ScanStatus::WriteFailed, 0};
            return {};
        }
        if (complete && rest)
            std::memmove(buffer.data(), buffer.data() + complete, rest);
        kept = rest;
    }
}

}  // namespace kestrun
