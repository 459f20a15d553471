// Writes a rhyme table of random lines to standard output for the filter's benchmark:
// a pinyin syllable, a tone digit 1-5, a blank, 1-30 CJK characters in UTF-8, LF.
// The same size always gives the same bytes, and a smaller table is a prefix of a larger one.
//
// Usage: make-bench-table [BYTES]   whole lines, at most BYTES bytes (default 256 MiB)

#include "splitmix64.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kDefaultBytes = 256ull * 1024 * 1024;
constexpr std::uint64_t kSeed = 0x4c6972616e64656cull;

// One line in ten holds "ang": about what a search for a common rhyme finds.
constexpr std::uint32_t kAngLinesOneIn = 10;
constexpr std::uint32_t kMaxCharacters = 30;
constexpr std::uint32_t kFirstCharacter = 0x4E00;
constexpr std::uint32_t kLastCharacter = 0x9FA5;

// A number in [0, bound), by multiply-shift on the top 32 bits: no division, no
// noticeable bias for bounds this small.
std::uint32_t Below(SplitMix64& random, std::uint32_t bound)
{
    return static_cast<std::uint32_t>(((random.next() >> 32) * bound) >> 32);
}

struct InitialFinals {
    const char* initial;
    const char* finals;
};

// The combinations that standard pinyin spells; y and w stand as initials as written, ü as v.
const InitialFinals kPinyin[] = {
    {"", "a o e ai ei ao ou an en ang eng er"},
    {"y", "i a ao e ou an in ang ing ong u ue uan un"},
    {"w", "u a o ai ei an en ang eng"},
    {"b", "a o ai ei ao an en ang eng i iao ie ian in ing u"},
    {"p", "a o ai ei ao ou an en ang eng i iao ie ian in ing u"},
    {"m", "a o e ai ei ao ou an en ang eng i iao ie iu ian in ing u"},
    {"f", "a o ei ou an en ang eng u"},
    {"d", "a e ai ei ao ou an en ang eng ong i ia iao ie iu ian ing u uo ui uan un"},
    {"t", "a e ai ao ou an ang eng ong i iao ie ian ing u uo ui uan un"},
    {"n", "a e ai ei ao ou an en ang eng ong i iao ie iu ian in iang ing u uo uan v ve"},
    {"l", "a e ai ei ao ou an ang eng ong i ia iao ie iu ian in iang ing u uo uan un v ve"},
    {"g", "a e ai ei ao ou an en ang eng ong u ua uo uai ui uan un uang"},
    {"k", "a e ai ei ao ou an en ang eng ong u ua uo uai ui uan un uang"},
    {"h", "a e ai ei ao ou an en ang eng ong u ua uo uai ui uan un uang"},
    {"j", "i ia iao ie iu ian in iang ing iong u ue uan un"},
    {"q", "i ia iao ie iu ian in iang ing iong u ue uan un"},
    {"x", "i ia iao ie iu ian in iang ing iong u ue uan un"},
    {"zh", "a e i ai ei ao ou an en ang eng ong u ua uo uai ui uan un uang"},
    {"ch", "a e i ai ao ou an en ang eng ong u ua uo uai ui uan un uang"},
    {"sh", "a e i ai ei ao ou an en ang eng u ua uo uai ui uan un uang"},
    {"r", "e i ao ou an en ang eng ong u ua uo ui uan un"},
    {"z", "a e i ai ei ao ou an en ang eng ong u uo ui uan un"},
    {"c", "a e i ai ao ou an en ang eng ong u uo ui uan un"},
    {"s", "a e i ai ao ou an en ang eng ong u uo ui uan un"},
};

struct Syllables {
    std::vector<std::string> withAng;
    std::vector<std::string> withoutAng;
};

Syllables MakeSyllables()
{
    Syllables syllables;
    for (const InitialFinals& row : kPinyin) {
        const std::string finals = row.finals;
        std::size_t begin = 0;
        while (begin < finals.size()) {
            std::size_t end = finals.find(' ', begin);
            if (end == std::string::npos)
                end = finals.size();
            const std::string syllable = row.initial + finals.substr(begin, end - begin);
            if (syllable.find("ang") != std::string::npos)
                syllables.withAng.push_back(syllable);
            else
                syllables.withoutAng.push_back(syllable);
            begin = end + 1;
        }
    }
    return syllables;
}

void AppendCharacter(std::string& line, std::uint32_t codePoint)
{
    line += static_cast<char>(0xE0 | (codePoint >> 12));
    line += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    line += static_cast<char>(0x80 | (codePoint & 0x3F));
}

void MakeLine(SplitMix64& random, const Syllables& syllables, std::string& line)
{
    const std::vector<std::string>& pool =
        Below(random, kAngLinesOneIn) == 0 ? syllables.withAng : syllables.withoutAng;
    line = pool[Below(random, static_cast<std::uint32_t>(pool.size()))];
    line += static_cast<char>('1' + Below(random, 5));
    line += ' ';
    const std::uint32_t characters = 1 + Below(random, kMaxCharacters);
    for (std::uint32_t i = 0; i < characters; ++i)
        AppendCharacter(line, kFirstCharacter + Below(random, kLastCharacter - kFirstCharacter + 1));
    line += '\n';
}

bool ParseBytes(const char* text, std::uint64_t& bytes)
{
    if (*text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0')
        return false;
    bytes = value;
    return true;
}

bool Write(const std::string& buffer)
{
    return std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size();
}

}  // namespace

int main(int argc, char** argv)
{
    std::uint64_t bytes = kDefaultBytes;
    if (argc > 2 || (argc == 2 && !ParseBytes(argv[1], bytes))) {
        std::fprintf(stderr, "usage: make-bench-table [BYTES]\n");
        return 64;
    }

    const Syllables syllables = MakeSyllables();
    SplitMix64 random(kSeed);
    std::string buffer;
    std::string line;
    constexpr std::size_t kBufferBytes = 1 << 20;
    buffer.reserve(kBufferBytes + 256);

    std::uint64_t written = 0;
    bool ok = true;
    for (;;) {
        MakeLine(random, syllables, line);
        if (written + line.size() > bytes)
            break;
        written += line.size();
        buffer += line;
        if (buffer.size() >= kBufferBytes) {
            ok = Write(buffer);
            if (!ok)
                break;
            buffer.clear();
        }
    }
    if (ok)
        ok = Write(buffer) && std::fflush(stdout) == 0;
    if (!ok) {
        std::fprintf(stderr, "make-bench-table: cannot write the table: %s\n", std::strerror(errno));
        return 74;
    }
    return 0;
}
