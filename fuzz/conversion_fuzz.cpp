// libFuzzer target: the input is read as one line of the command line and, split at its
// first two newlines, as the texts of the three lists; every answer must be one the program
// can show, for a reason that fits the texts it was given.
#include "latin_text.h"
#include "roman_date.h"
#include "vocabulary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const tempidex::ListTexts read = tempidex::ReadLatinDate(input);
    Check(read.designation, read.reference, read.month);
    const std::size_t first = std::min(input.find('\n'), input.size());
    const std::size_t second = std::min(input.find('\n', first + 1), input.size());
    Check(input.substr(0, first), input.substr(std::min(first + 1, size), second - first - 1),
          input.substr(std::min(second + 1, size)));
    return 0;
}
