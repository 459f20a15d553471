// Kestrun: copies every line of data.txt that rhymes with the term to SearchAnswer.txt.

#include "exit_status.h"
#include "table_scan.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#ifdef __MINGW32__
// MinGW's start-up expands * and ? in arguments into file names by default; a
// rhyme must reach the program exactly as typed.
extern "C" int _dowildcard = 0;
#endif

namespace {

constexpr const char* kDataFile = "data.txt";
constexpr const char* kAnswerFile = "SearchAnswer.txt";

void report(const char* what, const char* file, const std::string& reason)
{
    std::fprintf(stderr, "Kestrun: %s %s: %s\n", what, file, reason.c_str());
}

void report(const char* what, const char* file, int error)
{
    report(what, file, std::strerror(error));
}

// Opens data.txt, or leaves the reason why it cannot serve as the table. Only a regular
// file is a table: a directory opens for reading on some systems, and a FIFO would block
// the open until someone writes to it.
std::FILE* openTable(std::string& reason)
{
    std::error_code ec;
    const auto type = std::filesystem::status(kDataFile, ec).type();
    if (type == std::filesystem::file_type::directory) {
        reason = std::make_error_code(std::errc::is_a_directory).message();
        return nullptr;
    }
    if (!ec && type != std::filesystem::file_type::regular
        && type != std::filesystem::file_type::not_found) {
        reason = "not a regular file";
        return nullptr;
    }
    // A missing or unreachable file is left to fopen, which gives the system's reason.
    std::FILE* fin = std::fopen(kDataFile, "rb");
    if (!fin)
        reason = std::strerror(errno);
    return fin;
}

// Writes one matching line and its CR LF, flushed at once, so the file holds every
// line found so far. Keeps the first failure's errno.
class AnswerWriter {
public:
    explicit AnswerWriter(std::FILE* fout) : fout_(fout) {}

    bool write(std::string_view line)
    {
        if (std::fwrite(line.data(), 1, line.size(), fout_) != line.size()
            || std::fwrite("\r\n", 1, 2, fout_) != 2 || std::fflush(fout_) != 0) {
            error_ = errno;
            return false;
        }
        return true;
    }

    int error() const { return error_; }

private:
    std::FILE* fout_;
    int error_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: Kestrun RHYME  (searches data.txt, writes SearchAnswer.txt)\n");
        return kestrun::kExitUsage;
    }
    const std::string myfind = argv[1];

    std::fputs(("myfind: " + myfind + "\n").c_str(), stdout);
    std::fflush(stdout);

    std::string dataError;
    std::FILE* fin = openTable(dataError);

    // Truncated even when data.txt is unusable, so no earlier result survives.
    std::FILE* fout = std::fopen(kAnswerFile, "wb");
    const int answerError = fout ? 0 : errno;

    if (!fin) {
        report("cannot open", kDataFile, dataError);
        if (!fout)
            report("cannot open", kAnswerFile, answerError);
        else
            std::fclose(fout);
        return kestrun::kExitNoInput;
    }
    if (!fout) {
        report("cannot open", kAnswerFile, answerError);
        std::fclose(fin);
        return kestrun::kExitCannotCreate;
    }

    AnswerWriter writer(fout);
    const kestrun::ScanOutcome outcome = kestrun::scanTable(
        fin, myfind, [&writer](std::string_view line) { return writer.write(line); });
    std::fclose(fin);

    int status = kestrun::kExitOk;
    if (outcome.status == kestrun::ScanStatus::ReadFailed) {
        report("cannot read", kDataFile, outcome.error);
        status = kestrun::kExitIoError;
    } else if (outcome.status == kestrun::ScanStatus::WriteFailed) {
        report("cannot write", kAnswerFile, writer.error());
        status = kestrun::kExitIoError;
    }
    if (std::fclose(fout) != 0 && status == kestrun::kExitOk) {
        report("cannot write", kAnswerFile, errno);
        status = kestrun::kExitIoError;
    }
    return status;
}
