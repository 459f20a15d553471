#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string_view>

namespace kestrun {

// Receives one matching line (without its line break); returns false when it could
// not be written, which stops the scan.
using LineSink = std::function<bool(std::string_view line)>;

enum class ScanStatus { Complete, ReadFailed, WriteFailed };

struct ScanOutcome {
    ScanStatus status = ScanStatus::Complete;
    int error = 0;  // errno of the failed read; a failed write keeps its own
};

inline constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 18;

// Streams `input` in blocks and hands every line that matches `myfind` to `sink`,
// in input order. Lines follow the text-mode rules in binary mode on every platform:
// LF ends a line, a CR right before that LF goes with it, any other CR is part of
// the line, and the byte 0x1A ends the input. Memory stays at one block plus the
// longest line.
ScanOutcome scanTable(std::FILE* input, std::string_view myfind, const LineSink& sink,
                      std::size_t blockSize = kDefaultBlockSize);

}  // namespace kestrun
