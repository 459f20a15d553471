// Compares the block-streaming filter with a plain line-by-line model of the rule
// over many seeded random tables, terms and block sizes.

#include "splitmix64.h"
#include "table_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Deliberately naive: split as text mode does, try digits 1..5 in turn over the
// whole line, then compare the term at every index from the start index on.
std::vector<std::string> modelMatches(const std::string& table, const std::string& myfind)
{
    std::string input = table.substr(0, table.find('\x1a'));
    std::vector<std::string> lines;
    std::string s;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\n') {
            if (!s.empty() && s.back() == '\r')
                s.pop_back();
            lines.push_back(s);
            s.clear();
        } else {
            s += input[i];
        }
    }
    lines.push_back(s);

    std::vector<std::string> written;
    const long len = static_cast<long>(myfind.size());
    for (const std::string& line : lines) {
        long tailposition = -1;
        for (char tail = '1'; tailposition == -1 && tail != '6'; ++tail) {
            const std::size_t at = line.find(tail);
            tailposition = at == std::string::npos ? -1 : static_cast<long>(at);
        }
        if (tailposition == -1)
            continue;
        long start = tailposition - len;
        if (start < 0)
            start = 0;
        for (long i = start; i + len <= static_cast<long>(line.size()); ++i) {
            if (line.compare(static_cast<std::size_t>(i), myfind.size(), myfind) == 0) {
                written.push_back(line);
                break;
            }
        }
    }
    return written;
}

std::vector<std::string> scannedMatches(const std::string& table, const std::string& myfind,
                                        std::size_t blockSize)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    std::fwrite(table.data(), 1, table.size(), file);
    std::rewind(file);
    std::vector<std::string> written;
    const auto outcome = kestrun::scanTable(
        file, myfind,
        [&written](std::string_view line) {
            written.emplace_back(line);
            return true;
        },
        blockSize);
    std::fclose(file);
    EXPECT_EQ(outcome.status, kestrun::ScanStatus::Complete);
    return written;
}

std::size_t below(SplitMix64& random, std::size_t n)
{
    return static_cast<std::size_t>(random.next() % n);
}

// Few distinct bytes, so terms, digits and line ends meet often.
std::string randomBytes(SplitMix64& random, std::size_t count, bool withEndOfInput)
{
    static const std::string alphabet = "aabbng 0123456\r\r\n\n\n\xe4";
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        if (withEndOfInput && below(random, 400) == 0)
            bytes += '\x1a';
        else
            bytes += alphabet[below(random, alphabet.size())];
    }
    return bytes;
}

TEST(ScanDifferential, AgreesWithLineByLineModel)
{
    const std::size_t blockSizes[] = {1, 2, 3, 7, 64, kestrun::kDefaultBlockSize};
    SplitMix64 random(20261211);
    for (int round = 0; round < 3000; ++round) {
        const std::string table = randomBytes(random, below(random, 300), round % 4 == 0);
        const std::string myfind = randomBytes(random, below(random, 5), false);
        const std::vector<std::string> expected = modelMatches(table, myfind);
        const std::size_t blockSize = blockSizes[below(random, std::size(blockSizes))];
        ASSERT_EQ(scannedMatches(table, myfind, blockSize), expected)
            << "round " << round << ", block size " << blockSize << ", term \"" << myfind << '"';
    }
}

TEST(ScanDifferential, LineLongerThanManyBlocks)
{
    const std::string line = "x" + std::string(100000, 'b') + "ang1";
    const std::string table = "bang1\n" + line + "\r\nzhang3\n";
    const std::vector<std::string> expected = {"bang1", line, "zhang3"};
    EXPECT_EQ(modelMatches(table, "ang"), expected);
    EXPECT_EQ(scannedMatches(table, "ang", 4096), expected);
}

TEST(ScanDifferential, StopsAtFirstFailedWrite)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::string table = "bang1\nkang4\nzhang3\n";
    std::fwrite(table.data(), 1, table.size(), file);
    std::rewind(file);
    int offered = 0;
    const auto outcome = kestrun::scanTable(file, "ang", [&offered](std::string_view) {
        ++offered;
        return false;
    });
    std::fclose(file);
    EXPECT_EQ(outcome.status, kestrun::ScanStatus::WriteFailed);
    EXPECT_EQ(offered, 1);
}

}  // namespace
