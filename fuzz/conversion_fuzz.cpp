// libFuzzer target: the input is split at its first two newlines into designation, reference
// day and month, and every answer must be one the program can show.
#include "roman_date.h"
#include "vocabulary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using tempidex::FocusTarget;

template <typename List> bool Contains(const List &list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

bool IsMonthName(std::string_view name) {
    return std::any_of(
        tempidex::MonthTable.begin(), tempidex::MonthTable.end(),
        [name](const auto &row) { return row.precedingName == name || row.currentName == name; });
}

bool IsDateText(std::string_view text) {
    if (text.size() < 4 || text[2] != ' ')
        return false;
    if (text[0] < '0' || text[0] > '3' || text[1] < '0' || text[1] > '9')
        return false;
    const int day = (text[0] - '0') * 10 + (text[1] - '0');
    return day >= tempidex::FirstDay && day <= tempidex::LastDay && IsMonthName(text.substr(3));
}

bool WellFormed(const tempidex::ConversionResult &result, std::string_view designation,
                std::string_view reference, std::string_view month) {
    const bool valid = Contains(tempidex::Designations, designation) &&
                       Contains(tempidex::ReferenceDays, reference) &&
                       Contains(tempidex::MonthEntries, month);
    if (result.focus == FocusTarget::None)
        return valid && IsDateText(result.text);
    if (result.text == tempidex::ErrorDateNotCorrect)
        return result.focus == FocusTarget::Combo1
                   ? !Contains(tempidex::Designations, designation)
                   : result.focus == FocusTarget::Combo2 &&
                         !Contains(tempidex::ReferenceDays, reference);
    if (result.text == tempidex::ErrorMonthNotCorrect)
        return result.focus == FocusTarget::Combo3 && !Contains(tempidex::MonthEntries, month);
    if (result.text == tempidex::ErrorDateNonexistent)
        return valid &&
               (result.focus == FocusTarget::Combo1 || result.focus == FocusTarget::Combo2);
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t first = input.find('\n');
    const std::size_t second =
        first == std::string_view::npos ? first : input.find('\n', first + 1);
    const std::string_view designation = input.substr(0, first);
    const std::string_view reference = first == std::string_view::npos
                                           ? std::string_view{}
                                           : input.substr(first + 1, second - first - 1);
    const std::string_view month =
        second == std::string_view::npos ? std::string_view{} : input.substr(second + 1);

    const auto result = tempidex::ConvertRomanDate(designation, reference, month);
    if (!WellFormed(result, designation, reference, month))
        std::abort();
    return 0;
}
