#include "run_on_words.h"

#include "numbers.h"
#include "word_table.h"

#include <array>
#include <cctype>
#include <string>

namespace tempidex {
namespace {

// Where "die" or "mensis" begins in a word run on from a day's count and its ordinal's "a", as
// scans of the Scandinavian and English editions give them ("xxiadie Julii", "xixamensis
// Nouembris"): the count is a word of its own. 0 where the word is none such.
std::size_t RunOnCountEnd(std::string_view word) {
    for (const std::string_view next : {"adie", "amensis"})
        if (word.size() > next.size() && word.ends_with(next)) {
            const std::size_t end = word.size() - next.size();
            const int value = RomanValue(word.substr(0, end));
            return value >= 1 && value <= 31 ? end + 1 : 0;
        }
    return 0;
}

// Where "anno" begins in a word run on from a month's name written out, as scans give it
// ("VIII idus martiasanno XII"): the year's word is a word of its own. 0 where the word is
// none such.
std::size_t RunOnAnnoStart(std::string_view key) {
    if (key.size() < 9 || !key.ends_with("anno"))
        return 0;
    const WordClass month = ClassOf(key.substr(0, key.size() - 4));
    return month.month != 0 && month.wholeMonth ? key.size() - 4 : 0;
}

// Where a named day begins in a word run on from its count, as scans give it ("VIkalendas",
// "IIIidus", "xiikal."): the count is a word of its own. A count of days is written in i, v
// and x alone (one past XIX is a count refused); the short cuts "id" and "non" are left out
// ("vid." is videlicet). 0 where the word is none such.
std::size_t RunOnNamedDayStart(std::string_view word) {
    static constexpr std::array<std::string_view, 10> days{
        "kal",      "kalendas", "kalendis", "kalendarum", "calendas",
        "calendis", "idus",     "idibus",   "nonas",      "nonis"};
    // (most words begin with no count: one test passes them by)
    if (word.size() < 4 || (word[0] != 'i' && word[0] != 'v' && word[0] != 'x'))
        return 0;
    for (const std::string_view day : days)
        if (word.size() > day.size() && word.ends_with(day)) {
            const std::string_view count = word.substr(0, word.size() - day.size());
            const int value =
                count.find_first_not_of("ivx") == std::string_view::npos ? RomanValue(count) : 0;
            return value >= 1 && value <= 31 ? count.size() : 0;
        }
    return 0;
}

// Whether the word after `at` in the line, past spaces and stops, names a month: "Vidus
// octobris" is V Id. Oct., "Ego Vidus notarius" a notary's name.
bool MonthFollows(std::string_view line, std::size_t at) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '.'))
        ++at;
    std::string key; // folded as a token's key is: lower case, J as I, V as U
    for (; at < line.size() && std::isalnum(static_cast<unsigned char>(line[at])) != 0; ++at) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line[at])));
        key += c == 'j' ? 'i' : c == 'v' ? 'u' : c;
    }
    return ClassOf(key).month != 0;
}

} // namespace

std::size_t SecondWordStart(std::string_view text, std::string_view key, std::string_view line,
                            std::size_t end) {
    if (const std::size_t count = RunOnCountEnd(text); count > 0)
        return count;
    if (const std::size_t anno = RunOnAnnoStart(key); anno > 0)
        return anno;
    const std::size_t day = RunOnNamedDayStart(text);
    return day > 0 && MonthFollows(line, end) ? day : 0;
}

} // namespace tempidex
