// ConvertRomanDate against the calendar: every combination of the three lists, the order of
// the checks, and input that no list offers.
#include "calendar.h"
#include "window/roman_date.h"
#include "window/window_lists.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace {

using tempidex::ConvertRomanDate;
using tempidex::FocusTarget;

// Every day has exactly one name among the list combinations; every other combination names
// no day, and the list at fault gets the focus.
TEST(EveryListCombination, NamesTheDayTheCalendarGivesItOrNone) {
    std::map<std::tuple<std::string, std::string, std::string>, std::string> named;
    for (const calendar::ListedDay &day : calendar::Days())
        named[{day.designation, day.reference, day.monthEntry}] = day.shown;
    ASSERT_EQ(named.size(), 365u + 17u);
    std::size_t found = 0;
    for (std::string_view designation : tempidex::Designations)
        for (std::string_view reference : tempidex::ReferenceDays)
            for (std::string_view month : tempidex::MonthEntries) {
                const auto result = ConvertRomanDate(designation, reference, month);
                const auto day = named.find(
                    {std::string(designation), std::string(reference), std::string(month)});
                SCOPED_TRACE(std::string(designation) + "|" + std::string(reference) + "|" +
                             std::string(month));
                if (day != named.end()) {
                    ++found;
                    EXPECT_EQ(result.text, day->second);
                    EXPECT_EQ(result.focus, FocusTarget::None);
                    continue;
                }
                EXPECT_EQ(result.text, "ERRORE - Data Inesistente");
                // A leap March has neither Nones nor Ides: the reference day is at fault.
                const bool noSuchReference = month == "Mar. (a. i.)" && reference != "Kal.";
                EXPECT_EQ(result.focus,
                          noSuchReference ? FocusTarget::Combo2 : FocusTarget::Combo1);
            }
    EXPECT_EQ(found, named.size()); // the lists hold every name the calendar gives
}

TEST(InputChecks, RunInListOrderAndCompareWholeTextsByteForByte) {
    using namespace std::string_view_literals;
    constexpr std::string_view notCorrect = "ERRORE - Data non corretta";
    constexpr std::string_view monthNotCorrect = "ERRORE - Data non correta";
    const std::string huge(1 << 20, 'X');
    struct Case {
        std::string_view designation, reference, month, text;
        FocusTarget focus;
    };
    const Case cases[] = {
        {"a. d. II", "Kal.", "Ian.", notCorrect, FocusTarget::Combo1},
        {" --- \0"sv, "Kal.", "Ian.", notCorrect, FocusTarget::Combo1},
        {"\xc2\xa0---\xc2\xa0", "Kal.", "Ian.", notCorrect, FocusTarget::Combo1},
        {huge, "Kal.", "Ian.", notCorrect, FocusTarget::Combo1},
        {"pridie", "Kal. ", "ian.", notCorrect, FocusTarget::Combo2},
        {"pridie", "K\xd0\xb0l.", "Ian.", notCorrect, FocusTarget::Combo2},
        {"pridie", "Kal.", "Mar", monthNotCorrect, FocusTarget::Combo3},
        {"pridie", "Kal.", "Mar. (a.i.)", monthNotCorrect, FocusTarget::Combo3},
        {"pridie", "Kal.", huge, monthNotCorrect, FocusTarget::Combo3},
        // The month is checked before any column is looked at.
        {"a. d. XIX", "Id.", "", monthNotCorrect, FocusTarget::Combo3},
    };
    for (const Case &c : cases) {
        const auto result = ConvertRomanDate(c.designation, c.reference, c.month);
        EXPECT_EQ(result.text, c.text) << c.designation.substr(0, 20) << '|' << c.reference;
        EXPECT_EQ(result.focus, c.focus) << c.designation.substr(0, 20) << '|' << c.reference;
    }
}

} // namespace
