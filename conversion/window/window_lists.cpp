#include "window_lists.h"

namespace tempidex {
namespace {

template <std::size_t N>
constexpr std::size_t IndexOf(const std::array<std::string_view, N> &list, std::string_view text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? NotListed : static_cast<std::size_t>(found - list.begin());
}

} // namespace

ListReading ReadListTexts(std::string_view designation, std::string_view reference,
                          std::string_view month) {
    const std::size_t d = IndexOf(Designations, designation);
    if (d == NotListed)
        return {{}, ListPart::Designation, designation};
    const std::size_t r = IndexOf(ReferenceDays, reference);
    if (r == NotListed)
        return {{}, ListPart::Reference, reference};
    const std::size_t m = IndexOf(MonthEntries, month);
    if (m == NotListed)
        return {{}, ListPart::Month, month};
    const DesignationMeaning day = DesignationMeanings[d];
    const MonthMeaning named = MonthMeanings[m];
    ListReading reading;
    reading.date.day = {day.count, day.doubled, false, static_cast<Reference>(r), named.month};
    reading.date.leapYear = named.leapYear;
    return reading;
}

} // namespace tempidex
