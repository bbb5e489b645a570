// The Latin date as one text: the spellings readers write, and the way back from a modern day.
#include "latin_text.h"
#include "roman_date.h"

#include <gtest/gtest.h>

#include <array>
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
        {"Idibus Novembribus", " --- ", "Id.", "Nov."},
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

// Every day of a common and of a leap year, written in Latin and converted back.
TEST(WriteLatinDate, ComesBackAsTheSameDayThroughTheConversion) {
    constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::array<std::array<std::string, 2>, 12> names{
        {{"Gennaio", "Genaio"},
         {"Febbraio", "Febbraio (anno bisestile)"},
         {"Marzo"},
         {"Aprile"},
         {"Maggio"},
         {"Giugno"},
         {"Luglio"},
         {"Agosto"},
         {"Settembre"},
         {"Ottobre"},
         {"Novembre"},
         {"Dicembre"}}};
    int days = 0;
    for (const bool leap : {false, true}) {
        for (int month = 1; month <= 12; ++month) {
            const int length = lengths[month - 1] + (leap && month == 2 ? 1 : 0);
            for (int day = 1; day <= length; ++day, ++days) {
                const std::optional<std::string> latin = WriteLatinDate(day, month, leap);
                ASSERT_TRUE(latin) << day << '/' << month;
                const tempidex::ListTexts read = ReadLatinDate(*latin);
                const std::string back =
                    tempidex::ConvertRomanDate(read.designation, read.reference, read.month).text;
                const std::string label = (day < 10 ? "0" : "") + std::to_string(day) + " ";
                const auto &name = names[month - 1];
                EXPECT_TRUE(back == label + name[0] || back == label + name[1])
                    << day << '/' << month << (leap ? " leap: " : ": ") << *latin << " -> " << back;
                // A leap year changes only the days it counts back from the leap March.
                const bool leapMarch = latin->ends_with("(a. i.)");
                EXPECT_EQ(leapMarch, leap && month == 2 && day > 13) << *latin;
            }
        }
        EXPECT_FALSE(WriteLatinDate(lengths[1] + (leap ? 2 : 1), 2, leap));
    }
    EXPECT_EQ(days, 365 + 366);
    EXPECT_EQ(WriteLatinDate(14, 12, false), "a. d. XIX Kal. Ian.");
    EXPECT_EQ(WriteLatinDate(1, 1, false), "Kal. Ian.");
    EXPECT_EQ(WriteLatinDate(24, 2, true), "a. d. VI Kal. Mar. (a. i.)");
    EXPECT_EQ(WriteLatinDate(25, 2, true), "a. d. bis VI Kal. Mar. (a. i.)");
    EXPECT_EQ(WriteLatinDate(1, 3, true), "Kal. Mar.");
    for (const auto &[day, month] : {std::pair{31, 4}, {0, 1}, {32, 1}, {1, 0}, {1, 13}})
        EXPECT_FALSE(WriteLatinDate(day, month, true)) << day << '/' << month;
}

} // namespace
