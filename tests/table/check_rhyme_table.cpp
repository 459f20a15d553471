// Checks the shipped rhyme table. Each run makes one check, named on the command line,
// so that every ctest test stands for one kind of fault and names each faulty line.
//
//   check_rhyme_table shape  TABLE
//   check_rhyme_table unique TABLE
//   check_rhyme_table sorted TABLE
//   check_rhyme_table count  TABLE NUMBER
//   check_rhyme_table in     TABLE KEY CHARACTER
//   check_rhyme_table line   TABLE KEY CHARACTERS

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TableLine {
    std::size_t number = 0;
    std::string key;          // syllable and tone digit, e.g. "lv4"
    std::string syllable;
    int tone = 0;
    std::vector<char32_t> characters;
};

// Collects the faults of one check; a few are enough to see what went wrong.
class Faults {
public:
    explicit Faults(std::string table) : table_(std::move(table)) {}

    void add(std::size_t line, const std::string& message)
    {
        if (count_ < shownLimit)
            std::cerr << table_ << ':' << line << ": " << message << '\n';
        ++count_;
    }

    void add(const std::string& message)
    {
        if (count_ < shownLimit)
            std::cerr << table_ << ": " << message << '\n';
        ++count_;
    }

    int exitStatus() const
    {
        if (count_ > shownLimit)
            std::cerr << "... " << count_ - shownLimit << " more\n";
        return count_ == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

private:
    static constexpr std::size_t shownLimit = 20;
    std::string table_;
    std::size_t count_ = 0;
};

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << path << ": " << std::strerror(errno) << '\n';
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
std::optional<std::vector<char32_t>> decodeUtf8(const std::string& bytes)
{
    std::vector<char32_t> result;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1, value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, value = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, value = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, value = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        result.push_back(value);
        i += length;
    }
    return result;
}

// The unified ideograph blocks; compatibility ideographs are duplicates and do not belong.
bool isIdeograph(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF)
        || (c >= 0x20000 && c <= 0x2A6DF) || (c >= 0x2A700 && c <= 0x2EE5F)
        || (c >= 0x30000 && c <= 0x323AF);
}

// The character itself where the terminal can show it, and its number for the rest.
std::string codePoint(char32_t c)
{
    std::string shown;
    if (c >= 0x80 && c <= 0x10FFFF) {
        if (c < 0x800) {
            shown += static_cast<char>(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            shown += static_cast<char>(0xE0 | (c >> 12));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        } else {
            shown += static_cast<char>(0xF0 | (c >> 18));
            shown += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        shown += static_cast<char>(0x80 | (c & 0x3F));
        shown += ' ';
    }
    std::ostringstream text;
    text << shown << "U+" << std::hex << std::uppercase << static_cast<unsigned long>(c);
    return text.str();
}

// Splits on LF; the piece after the final LF is not a line.
std::vector<std::string> splitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Reads "syllable tone blank characters"; says what is wrong when the line is not one.
std::optional<TableLine> parseLine(const std::string& text, std::size_t number, std::string& problem)
{
    TableLine line;
    line.number = number;
    std::size_t i = 0;
    while (i < text.size() && text[i] >= 'a' && text[i] <= 'z')
        ++i;
    if (i == 0) {
        problem = "does not start with a lower-case syllable";
        return std::nullopt;
    }
    if (i == text.size() || text[i] < '1' || text[i] > '5') {
        problem = "syllable not followed by a tone digit 1 to 5";
        return std::nullopt;
    }
    line.syllable = text.substr(0, i);
    line.tone = text[i] - '0';
    line.key = text.substr(0, i + 1);
    if (i + 1 == text.size() || text[i + 1] != ' ') {
        problem = "tone digit not followed by one blank";
        return std::nullopt;
    }
    const auto characters = decodeUtf8(text.substr(i + 2));
    if (!characters) {
        problem = "characters are not valid UTF-8";
        return std::nullopt;
    }
    if (characters->empty()) {
        problem = "no characters";
        return std::nullopt;
    }
    for (const char32_t c : *characters) {
        if (!isIdeograph(c)) {
            problem = codePoint(c) + " is not a CJK ideograph";
            return std::nullopt;
        }
    }
    line.characters = *characters;
    return line;
}

int checkShape(const std::string& table, const std::string& bytes)
{
    Faults faults(table);
    if (bytes.empty()) {
        faults.add("empty");
        return faults.exitStatus();
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        faults.add(1, "starts with a byte order mark");
    if (bytes.back() != '\n')
        faults.add("no line feed after the last line");
    const auto lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        if (lines[i].find('\r') != std::string::npos) {
            faults.add(number, "carriage return");
            continue;
        }
        if (lines[i].empty()) {
            faults.add(number, "empty line");
            continue;
        }
        std::string problem;
        if (!parseLine(lines[i], number, problem))
            faults.add(number, problem);
    }
    return faults.exitStatus();
}

// The other checks read the lines that have the right shape and leave the rest to the
// shape check, so that one bad line fails one test; a table with no readable line fails all.
std::vector<TableLine> parseTable(const std::string& bytes, Faults& faults)
{
    std::vector<TableLine> parsed;
    const auto lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string problem;
        if (auto line = parseLine(lines[i], i + 1, problem))
            parsed.push_back(std::move(*line));
    }
    if (parsed.empty())
        faults.add("no table lines");
    return parsed;
}

int checkUnique(const std::string& table, const std::string& bytes)
{
    Faults faults(table);
    std::map<std::string, std::size_t> firstLineOfKey;
    for (const TableLine& line : parseTable(bytes, faults)) {
        const auto [known, added] = firstLineOfKey.emplace(line.key, line.number);
        if (!added)
            faults.add(line.number, line.key + " again, first on line " + std::to_string(known->second));
        std::set<char32_t> seen;
        for (const char32_t c : line.characters) {
            if (!seen.insert(c).second)
                faults.add(line.number, codePoint(c) + " twice in " + line.key);
        }
    }
    return faults.exitStatus();
}

int checkSorted(const std::string& table, const std::string& bytes)
{
    Faults faults(table);
    const auto lines = parseTable(bytes, faults);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& before = lines[i - 1];
        const auto& after = lines[i];
        if (std::make_pair(before.syllable, before.tone) > std::make_pair(after.syllable, after.tone))
            faults.add(after.number, after.key + " after " + before.key);
    }
    return faults.exitStatus();
}

int checkCount(const std::string& table, const std::string& bytes, const std::string& expectedText)
{
    Faults faults(table);
    std::set<char32_t> distinct;
    for (const TableLine& line : parseTable(bytes, faults))
        distinct.insert(line.characters.begin(), line.characters.end());
    const std::string actual = std::to_string(distinct.size());
    if (actual != expectedText)
        faults.add(actual + " distinct characters, expected " + expectedText);
    return faults.exitStatus();
}

const TableLine* findLine(const std::vector<TableLine>& lines, const std::string& key)
{
    for (const TableLine& line : lines) {
        if (line.key == key)
            return &line;
    }
    return nullptr;
}

int checkIn(const std::string& table, const std::string& bytes, const std::string& key, const std::string& character)
{
    Faults faults(table);
    const auto wanted = decodeUtf8(character);
    if (!wanted || wanted->size() != 1) {
        std::cerr << "not one character: " << character << '\n';
        return EXIT_FAILURE;
    }
    const auto lines = parseTable(bytes, faults);
    const TableLine* line = findLine(lines, key);
    if (!line) {
        faults.add("no line " + key);
    } else {
        bool found = false;
        for (const char32_t c : line->characters)
            found = found || c == wanted->front();
        if (!found)
            faults.add(line->number, character + " missing from " + key);
    }
    return faults.exitStatus();
}

int checkLine(const std::string& table, const std::string& bytes, const std::string& key, const std::string& characters)
{
    Faults faults(table);
    const auto lines = parseTable(bytes, faults);
    const TableLine* line = findLine(lines, key);
    const std::string expected = key + ' ' + characters;
    if (!line) {
        faults.add("no line " + key);
    } else {
        const std::string actual = splitLines(bytes)[line->number - 1];
        if (actual != expected)
            faults.add(line->number, "is \"" + actual + "\", expected \"" + expected + "\"");
    }
    return faults.exitStatus();
}

int usage()
{
    std::cerr << "usage: check_rhyme_table shape|unique|sorted TABLE\n"
                 "       check_rhyme_table count TABLE NUMBER\n"
                 "       check_rhyme_table in TABLE KEY CHARACTER\n"
                 "       check_rhyme_table line TABLE KEY CHARACTERS\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 2)
        return usage();
    const std::string& check = arguments[0];
    const std::string& table = arguments[1];
    const auto bytes = readFile(table);
    if (!bytes)
        return EXIT_FAILURE;

    if (check == "shape" && arguments.size() == 2)
        return checkShape(table, *bytes);
    if (check == "unique" && arguments.size() == 2)
        return checkUnique(table, *bytes);
    if (check == "sorted" && arguments.size() == 2)
        return checkSorted(table, *bytes);
    if (check == "count" && arguments.size() == 3)
        return checkCount(table, *bytes, arguments[2]);
    if (check == "in" && arguments.size() == 4)
        return checkIn(table, *bytes, arguments[2], arguments[3]);
    if (check == "line" && arguments.size() == 4)
        return checkLine(table, *bytes, arguments[2], arguments[3]);
    return usage();
}
