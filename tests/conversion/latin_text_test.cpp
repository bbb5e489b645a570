// The Latin date as one text: the spellings readers write, and the way back from a modern day.
#include "calendar.h"
#include "latin_text.h"
#include "roman_date.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tempidex::ReadLatinDate;
using tempidex::WriteLatinDate;

TEST(ReadLatinDate, TakesTheSpellingsReadersWrite) {
    struct Case {
        std::string_view typed, designation, reference, month;
    };
    const Case cases[] = {
        {"a.d. xix kal ian", "a. d. XIX", "Kal.", "Ian."},
        {"AD XIX K. JAN.", "a. d. XIX", "Kal.", "Ian."},
        {"ante  diem\tIIII Non. Oct.", "a. d. IV", "Non.", "Oct."},
        {"a d viiii Kalendas Septembres", "a. d. IX", "Kal.", "Sep."},
        {"a.d.VI Kal.Mart.(a.i.)", "a. d. VI", "Kal.", "Mar. (a. i.)"},
        {"ad bis vi cal mar ai", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
        {"pridie Idus Martias", "pridie", "Id.", "Mar."},
        {"prid. Eid. Octobribus", "pridie", "Id.", "Oct."},
        {"pr. Non. Jun.", "pridie", "Non.", "Iun."},
        {"Kalendis Ianuariis", " --- ", "Kal.", "Ian."},
        {"Nonis IVLIIS", " --- ", "Non.", "Iul."},
        {"a. d. XVIII Kal. Decemb.\r", "a. d. XVIII", "Kal.", "Dec."},
        {"--- Kal. Apr.", " --- ", "Kal.", "Apr."},
        // Parts the lists do not hold stay unread, for the conversion to report.
        {"a. d. XX Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. II Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. VI bis Kal. Mar.", "", "Kal.", "Mar."},
        {"a. d. XIX Kal. Marzo", "a. d. XIX", "Kal.", ""},
        {"a. d. XIX Kal. Feb. (a. i.)", "a. d. XIX", "Kal.", ""},
        {"Kal. Mar. MMXXIV", " --- ", "Kal.", ""},
        {"a. d. IIIII Kal. Ian.", "", "Kal.", "Ian."},
        {"Ma Kal.", "", "Kal.", ""},
        {"a. d. XIX Ian.", "", "", ""},
        {"", " --- ", "", ""},
    };
    for (const Case &c : cases) {
        const tempidex::ListTexts read = ReadLatinDate(c.typed);
        EXPECT_EQ(read.designation, c.designation) << c.typed;
        EXPECT_EQ(read.reference, c.reference) << c.typed;
        EXPECT_EQ(read.month, c.month) << c.typed;
    }
}

// Every day of a common and of a leap year: written as the calendar names it, and read back
// to the day through the conversion.
TEST(WriteLatinDate, WritesEachDayAsTheCalendarNamesIt) {
    int days = 0;
    for (const calendar::NamedDay &named : calendar::Days()) {
        const std::string latin = (named.designation == " --- " ? "" : named.designation + " ") +
                                  named.reference + " " + named.monthEntry;
        const tempidex::ListTexts read = ReadLatinDate(latin);
        EXPECT_EQ(tempidex::ConvertRomanDate(read.designation, read.reference, read.month).text,
                  named.shown)
            << latin;
        // A leap year writes with its own March only the days of February counted back to it,
        // and every other day as a common year does.
        const bool leapFebruary = named.month == 2 && named.day > 13;
        for (const bool leapYear : {false, true}) {
            if (named.leapYear != (leapYear && leapFebruary))
                continue;
            EXPECT_EQ(WriteLatinDate(named.day, named.month, leapYear), latin) << leapYear;
            ++days;
        }
    }
    EXPECT_EQ(days, 365 + 366);
    for (const auto &[day, month] : {std::pair{29, 2}, {31, 4}, {0, 1}, {32, 1}, {1, 0}, {1, 13}})
        EXPECT_FALSE(WriteLatinDate(day, month, false)) << day << '/' << month;
}

} // namespace
