// libFuzzer target: the input is read as one line of the command line, both ways, alone, with
// the words of the inputs before it kept as a batch keeps them (the same answer), and inside the
// words of a dating clause (where it must keep its day or be refused), and, split at its
// first two newlines, as the texts of the three lists. Every answer must be one the program can
// show, on one line, for a reason that fits the texts it was given; every warning a line of its
// own; and whatever the command line writes in Latin, in any year style, must read back without an
// error.
#include "reading/words/word_memo.h"
#include "window/roman_date.h"
#include "window/window_lists.h"
#include "writing/answers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(std::string_view designation, std::string_view reference, std::string_view month) {
    const bool listed = std::ranges::count(tempidex::Designations, designation) &&
                        std::ranges::count(tempidex::ReferenceDays, reference) &&
                        std::ranges::count(tempidex::MonthEntries, month);
    const auto result = tempidex::ConvertRomanDate(designation, reference, month);
    const std::string_view text = result.text;
    const bool date = result.focus == tempidex::FocusTarget::None && listed && text.size() > 3 &&
                      text[0] >= '0' && text[0] <= '3' && text[2] == ' ';
    const bool error =
        result.focus != tempidex::FocusTarget::None &&
        (listed ? text == tempidex::ErrorDateNonexistent
                : text == tempidex::ErrorDateNotCorrect || text == tempidex::ErrorMonthNotCorrect);
    if (!date && !error)
        std::abort();
}

void CheckLine(const tempidex::Answer &answer, std::string_view errorFree) {
    const std::string_view text = answer.text;
    const std::string_view shown = text.substr(0, text.find('\t'));
    const bool isError = shown.starts_with("ERRORE - ");
    const std::string_view warnings = answer.warnings;
    if (text.find('\n') != std::string_view::npos || answer.failed != isError ||
        (!errorFree.empty() && isError) || (!warnings.empty() && !warnings.ends_with('\n')))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    for (const bool explain : {false, true})
        for (const auto reckoning :
             {tempidex::Reckoning::Historical, tempidex::Reckoning::Julian}) {
            tempidex::LineOptions options{reckoning, size % 2 == 0, size % 3 == 0, explain};
            const auto &style = tempidex::YearStyles[size % tempidex::YearStyles.size()];
            options.style = style.style;
            options.styleGiven = size % 5 != 0;
            const tempidex::Answer alone = tempidex::LatinToModern(input, options);
            CheckLine(alone, {});
            // Read with the words of every input before it kept, as a batch keeps them: the same.
            static tempidex::WordMemo memo;
            std::string text, warnings;
            const bool failed = tempidex::LatinToModern(input, options, text, &warnings, &memo);
            if (failed != alone.failed || text != alone.text || warnings != alone.warnings)
                std::abort();
            // The same among the words sources write around a date: the same day, or an error.
            const std::string clause = "Datum Romae apud S. Petrum, " + std::string(input) +
                                       ", indictione V, pontificatus nostri anno quarto.";
            const tempidex::Answer set = tempidex::LatinToModern(clause, options);
            CheckLine(set, {});
            if (!alone.failed && !set.failed && !explain && set.text != alone.text)
                std::abort();
            const tempidex::Answer latin = tempidex::ModernToLatin(input, options);
            CheckLine(latin, {});
            if (!latin.failed && !latin.text.empty() && !explain)
                CheckLine(tempidex::LatinToModern(latin.text, options), latin.text);
        }
    const std::size_t first = std::min(input.find('\n'), input.size());
    const std::size_t second = std::min(input.find('\n', first + 1), input.size());
    Check(input.substr(0, first), input.substr(std::min(first + 1, size), second - first - 1),
          input.substr(std::min(second + 1, size)));
    return 0;
}
