// The vocabularies, the month table and the day labels, checked against the calendar.
#include "calendar_rules.h"
#include "vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using tempidex::LookupMonth;
using tempidex::MonthKind;
using tempidex::PrecedingMonthClass;

TEST(Designations, CountDownFromNineteenToThePridie) {
    ASSERT_EQ(tempidex::Designations.front(), " --- ");
    ASSERT_EQ(tempidex::Designations.back(), "a. d. bis VI");
    // Between them, ante diem XIX down to III and then pridie, one day less each time.
    int expected = 19;
    for (std::size_t i = 1; i + 1 < tempidex::Designations.size(); ++i, --expected) {
        const auto count = calendar_rules::ParseDesignation(tempidex::Designations[i]);
        ASSERT_TRUE(count) << tempidex::Designations[i];
        EXPECT_EQ(count->days, expected) << tempidex::Designations[i];
    }
    EXPECT_EQ(expected, 1); // ended on pridie, the second day counted inclusively
    EXPECT_EQ(std::count(tempidex::Designations.begin(), tempidex::Designations.end(), "a. d. II"),
              0);
}

TEST(MonthTable, DescribesEachMonthAsTheCalendarDoes) {
    for (const auto &row : tempidex::MonthTable) {
        SCOPED_TRACE(std::string(row.entry));
        const auto choice = calendar_rules::ParseMonth(row.entry);
        ASSERT_TRUE(choice);
        const auto nones = calendar_rules::Resolve({1, false}, "Non.", *choice);
        if (choice->leapYear) {
            EXPECT_EQ(row.kind, MonthKind::LeapMarch);
            EXPECT_EQ(row.precedingClass, PrecedingMonthClass::LeapFebruary);
            continue;
        }
        ASSERT_TRUE(nones);
        EXPECT_EQ(row.kind, nones->day == 7 ? MonthKind::LongNones : MonthKind::ShortNones);
        // The class follows from the last day that pridie Kal. reaches and the first that the
        // count back from the Calends may name.
        const auto pridie = calendar_rules::Resolve({2, false}, "Kal.", *choice);
        ASSERT_TRUE(pridie);
        const int length = pridie->day;
        int first = 0;
        for (int days = 19; days > 2 && first == 0; --days)
            if (auto date = calendar_rules::Resolve({days, false}, "Kal.", *choice))
                first = date->day;
        const PrecedingMonthClass expected = length == 28   ? PrecedingMonthClass::CommonFebruary
                                             : length == 30 ? PrecedingMonthClass::Thirty
                                             : first == 16  ? PrecedingMonthClass::LongLateIdes
                                                            : PrecedingMonthClass::Long;
        EXPECT_EQ(row.precedingClass, expected);
        EXPECT_EQ(row.currentName, calendar_rules::ItalianMonthName(*nones));
    }
}

TEST(MonthTable, LookupIsExact) {
    EXPECT_EQ(LookupMonth("Mar.").kind, MonthKind::LongNones);
    for (const char *text : {"mar.", "Mar", "Mar. ", "", "Mar. (a. i.", "Ian.Feb."}) {
        const auto row = LookupMonth(text);
        EXPECT_EQ(row.kind, MonthKind::None) << text;
        EXPECT_EQ(row.precedingClass, PrecedingMonthClass::None) << text;
    }
    EXPECT_EQ(tempidex::MonthEntries.front(), "Ian.");
    EXPECT_EQ(tempidex::MonthEntries.back(), "Mar. (a. i.)");
}

TEST(DayLabel, IsTwoDigitsAndOneSpace) {
    EXPECT_EQ(tempidex::DayLabel(1), "01 ");
    EXPECT_EQ(tempidex::DayLabel(31), "31 ");
    for (int day = tempidex::FirstDay; day <= tempidex::LastDay; ++day) {
        const std::string label = tempidex::DayLabel(day);
        ASSERT_EQ(label.size(), 3u);
        EXPECT_EQ(label[2], ' ');
        EXPECT_EQ(std::stoi(label), day);
    }
}

} // namespace
