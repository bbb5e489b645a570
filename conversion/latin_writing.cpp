#include "latin_writing.h"

#include "latin_names.h"
#include "numerals.h"
#include "window_lists.h"
#include "years.h"

namespace tempidex {
namespace {

void AppendInFull(std::string &latin, const RomanDay &day, bool leapYear) {
    const auto reference = static_cast<std::size_t>(day.reference);
    if (day.count == 1) {
        latin.append(ReferenceAblative[reference]).append(" ");
        latin.append(MonthAdjective(day.month, true));
    } else {
        if (day.count == 2)
            latin.append("pridie ");
        else
            latin.append(day.doubled ? "ante diem bis " : "ante diem ")
                .append(OrdinalWord(day.count))
                .append(" ");
        latin.append(ReferenceAccusative[reference]).append(" ");
        latin.append(MonthAdjective(day.month, false));
    }
    if (leapYear)
        latin.append(" (a. i.)");
}

void AppendAsListed(std::string &latin, const RomanDay &day, bool leapYear) {
    if (day.count != 1)
        latin.append(Designations[EntryOf(DesignationMeaning{day.count, day.doubled})]).append(" ");
    latin.append(ReferenceDays[static_cast<std::size_t>(day.reference)]).append(" ");
    latin.append(MonthEntries[EntryOf(MonthMeaning{day.month, leapYear})]);
}

} // namespace

std::string WriteLatinDate(const LatinDate &date, bool longForm) {
    std::string latin;
    if (longForm)
        AppendInFull(latin, date.day, date.leapYear);
    else
        AppendAsListed(latin, date.day, date.leapYear);
    if (date.year)
        latin.append(" ").append(LatinYearText(*date.year, longForm));
    return latin;
}

} // namespace tempidex
