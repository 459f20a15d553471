#pragma once

namespace kestrun {

// The sysexits.h values, spelled out because Windows has no such header. The window
// tells the user what went wrong from these.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;         // started without a term
inline constexpr int kExitNoInput = 66;       // data.txt missing, unreadable or not a file
inline constexpr int kExitCannotCreate = 73;  // SearchAnswer.txt cannot be opened for writing
inline constexpr int kExitIoError = 74;       // reading or writing failed part-way

}  // namespace kestrun
