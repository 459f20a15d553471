// Runs the built Kestrun in a fresh folder per case and compares the whole result:
// SearchAnswer.txt's bytes, the exit status, stdout and stderr.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Layout {
    DataFile,           // data.txt holds the case's table
    NoDataFile,
    DataIsDirectory,
    DataIsFifo,
    AnswerIsDirectory,  // data.txt holds the table
    AnswerIsFullDevice, // SearchAnswer.txt is a symlink to /dev/full
    NoDataAnswerIsDirectory,
};

const std::string kStale = "old result\r\n";
const std::string kNoFile = "<no SearchAnswer.txt>";
const std::string kNotAFile = "<not a regular file>";

struct FilterCase {
    const char* name;
    std::optional<std::vector<std::string>> args;  // nullopt: started without any argument
    std::string table;
    Layout layout;
    bool staleAnswer;  // an earlier SearchAnswer.txt is present
    int status;
    std::string answer;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

RunResult runKestrun(const fs::path& folder, const std::optional<std::vector<std::string>>& args)
{
    const fs::path outPath = folder.parent_path() / (folder.filename().string() + ".out");
    const fs::path errPath = folder.parent_path() / (folder.filename().string() + ".err");
    std::vector<std::string> words = {KESTRUN_PATH};
    if (args)
        words.insert(words.end(), args->begin(), args->end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(folder.c_str()) != 0)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    RunResult result;
    int raw = 0;
    if (child > 0 && waitpid(child, &raw, 0) == child)
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
}

// Keeps ctest's names short: the row name says it all.
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class KestrunRun : public testing::TestWithParam<FilterCase> {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kestrun-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_P(KestrunRun, GivesExpectedResult)
{
    const FilterCase& c = GetParam();
    const fs::path data = folder_ / "data.txt";
    const fs::path answer = folder_ / "SearchAnswer.txt";
    if (c.staleAnswer)
        writeFile(answer, kStale);
    switch (c.layout) {
    case Layout::DataFile: writeFile(data, c.table); break;
    case Layout::NoDataFile: break;
    case Layout::DataIsDirectory: fs::create_directory(data); break;
    case Layout::DataIsFifo: ASSERT_EQ(mkfifo(data.c_str(), 0644), 0); break;
    case Layout::AnswerIsDirectory:
        writeFile(data, c.table);
        fs::create_directory(answer);
        break;
    case Layout::AnswerIsFullDevice:
        writeFile(data, c.table);
        fs::create_symlink("/dev/full", answer);
        break;
    case Layout::NoDataAnswerIsDirectory: fs::create_directory(answer); break;
    }

    const RunResult run = runKestrun(folder_, c.args);

    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    if (c.answer == kNoFile) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(answer)));
    } else if (c.answer != kNotAFile) {
        EXPECT_EQ(readFile(answer), c.answer);
    }
}

const std::string kTable = "bang1 \xe5\xb8\xae\nkang4 \xe6\x8a\x97\nxiong2 \xe9\x9b\x84\n";
const std::string kAngLines = "bang1 \xe5\xb8\xae\r\nkang4 \xe6\x8a\x97\r\n";
const std::string kLongLine = "x" + std::string(6u << 20, 'b') + "ang2 \xe5\xb8\xae";

std::vector<std::string> term(const std::string& t) { return {t}; }

INSTANTIATE_TEST_SUITE_P(
    Cases, KestrunRun,
    testing::Values(
        FilterCase{"AngSearch", term("ang"), kTable, Layout::DataFile, false, 0, kAngLines,
                   "myfind: ang\n", ""},
        FilterCase{"StartIndexAndLowestDigit", term("ab"),
                   "kab2q\nkxyz2ab\nabxyz2\nab3cd1\nab3cd\na1xyzab\nab0ab6\n", Layout::DataFile, false, 0,
                   "kab2q\r\nkxyz2ab\r\nab3cd\r\na1xyzab\r\n", "myfind: ab\n", ""},
        FilterCase{"CrLfInputGivesSameBytes", term("ang"),
                   "bang1 \xe5\xb8\xae\r\nkang4 \xe6\x8a\x97\r\nxiong2 \xe9\x9b\x84\r\n", Layout::DataFile,
                   false, 0, kAngLines, "myfind: ang\n", ""},
        FilterCase{"LoneCarriageReturnsStayInLine", term("ng"), "ba\rng1\nbang1\r\r\nbang1\r", Layout::DataFile,
                   false, 0, "ba\rng1\r\nbang1\r\r\nbang1\r\r\n", "myfind: ng\n", ""},
        FilterCase{"CtrlZEndsInput", term("ang"), "bang1\nkang1\x1azang1\nzhang2\n", Layout::DataFile, false, 0,
                   "bang1\r\nkang1\r\n", "myfind: ang\n", ""},
        FilterCase{"LastLineWithoutLineBreak", term("ang"), "bang1\nkang4", Layout::DataFile, false, 0,
                   "bang1\r\nkang4\r\n", "myfind: ang\n", ""},
        FilterCase{"EmptyTermListsLinesWithToneDigit", term(""), "bang1\nxyz\nab0ab6\n\n\r\nde5\n",
                   Layout::DataFile, false, 0, "bang1\r\nde5\r\n", "myfind: \n", ""},
        FilterCase{"TermWithToneIsToneFilter", term("ang4"), kTable, Layout::DataFile, false, 0,
                   "kang4 \xe6\x8a\x97\r\n", "myfind: ang4\n", ""},
        FilterCase{"ComparisonIsByBytes", term("ANG"), kTable, Layout::DataFile, false, 0, "", "myfind: ANG\n",
                   ""},
        FilterCase{"Utf8Term", term("\xe9\x9b\x84"), kTable, Layout::DataFile, false, 0,
                   "xiong2 \xe9\x9b\x84\r\n", "myfind: \xe9\x9b\x84\n", ""},
        FilterCase{"WildcardsAreLiteral", term("*ng"), "*ng1\nbang1\n", Layout::DataFile, false, 0, "*ng1\r\n",
                   "myfind: *ng\n", ""},
        FilterCase{"RepeatedOccurrenceWrittenOnce", term("ang"), "angang1angang\n", Layout::DataFile, false, 0,
                   "angang1angang\r\n", "myfind: ang\n", ""},
        FilterCase{"ExtraArgumentsIgnored", std::vector<std::string>{"ang", "ong"}, kTable, Layout::DataFile,
                   false, 0, kAngLines, "myfind: ang\n", ""},
        FilterCase{"LineOfSeveralMebibytes", term("ang"), "zhong1\n" + kLongLine + "\n", Layout::DataFile, false,
                   0, kLongLine + "\r\n", "myfind: ang\n", ""},
        FilterCase{"EmptyTable", term("ang"), "", Layout::DataFile, false, 0, "", "myfind: ang\n", ""},
        FilterCase{"NoMatchTruncatesEarlierResult", term("eng"), kTable, Layout::DataFile, true, 0, "",
                   "myfind: eng\n", ""},
        FilterCase{"MissingTableStillTruncatesResult", term("ang"), "", Layout::NoDataFile, true, 66, "",
                   "myfind: ang\n", "Kestrun: cannot open data.txt: No such file or directory\n"},
        FilterCase{"TableIsDirectory", term("ang"), "", Layout::DataIsDirectory, false, 66, "", "myfind: ang\n",
                   "Kestrun: cannot open data.txt: Is a directory\n"},
        FilterCase{"TableIsFifoDoesNotBlock", term("ang"), "", Layout::DataIsFifo, true, 66, "", "myfind: ang\n",
                   "Kestrun: cannot open data.txt: not a regular file\n"},
        FilterCase{"ResultIsDirectory", term("ang"), kTable, Layout::AnswerIsDirectory, false, 73, kNotAFile,
                   "myfind: ang\n", "Kestrun: cannot open SearchAnswer.txt: Is a directory\n"},
        FilterCase{"BothFailTableWins", term("ang"), "", Layout::NoDataAnswerIsDirectory, false, 66, kNotAFile,
                   "myfind: ang\n",
                   "Kestrun: cannot open data.txt: No such file or directory\n"
                   "Kestrun: cannot open SearchAnswer.txt: Is a directory\n"},
        FilterCase{"WriteErrorIsReported", term("ang"), kTable, Layout::AnswerIsFullDevice, false, 74, kNotAFile,
                   "myfind: ang\n", "Kestrun: cannot write SearchAnswer.txt: No space left on device\n"},
        FilterCase{"NothingMatchedOnFullDeviceIsFine", term("eng"), kTable, Layout::AnswerIsFullDevice, false, 0,
                   kNotAFile, "myfind: eng\n", ""},
        FilterCase{"NoArgumentTouchesNoFile", std::nullopt, kTable, Layout::DataFile, false, 64, kNoFile, "",
                   "usage: Kestrun RHYME  (searches data.txt, writes SearchAnswer.txt)\n"},
        FilterCase{"NoArgumentKeepsEarlierResult", std::nullopt, kTable, Layout::DataFile, true, 64, kStale, "",
                   "usage: Kestrun RHYME  (searches data.txt, writes SearchAnswer.txt)\n"}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

}  // namespace
