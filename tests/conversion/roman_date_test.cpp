// ConvertRomanDate against the calendar: every combination of the three lists, the order of
// the checks, and input that no list offers.
#include "calendar_rules.h"
#include "roman_date.h"
#include "vocabulary.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

using tempidex::ConvertRomanDate;
using tempidex::FocusTarget;

constexpr std::string_view NotCorrect = "ERRORE - Data non corretta";
constexpr std::string_view MonthNotCorrect = "ERRORE - Data non correta";
constexpr std::string_view Nonexistent = "ERRORE - Data Inesistente";

std::string TwoDigits(int day) {
    char label[8];
    std::snprintf(label, sizeof label, "%02d ", day);
    return label;
}

// The program's own spelling: January is "Genaio" when reached back from the Calends of
// February, and "Gennaio" everywhere else.
std::string ShownMonthName(const calendar_rules::ModernDate &date, std::string_view reference,
                           std::string_view month) {
    if (date.month == 0 && reference == "Kal." && month == "Feb.")
        return "Genaio";
    return calendar_rules::ItalianMonthName(date);
}

TEST(EveryListCombination, AgreesWithTheCalendar) {
    int dates = 0;
    for (std::string_view designation : tempidex::Designations) {
        for (std::string_view reference : tempidex::ReferenceDays) {
            for (std::string_view month : tempidex::MonthEntries) {
                SCOPED_TRACE(std::string(designation) + " | " + std::string(reference) + " | " +
                             std::string(month));
                const auto count = calendar_rules::ParseDesignation(designation);
                const auto choice = calendar_rules::ParseMonth(month);
                ASSERT_TRUE(count && choice);
                const auto result = ConvertRomanDate(designation, reference, month);
                const auto date = calendar_rules::Resolve(*count, reference, *choice);
                if (!date) {
                    EXPECT_EQ(result.text, Nonexistent);
                    const bool leapMarchNonesOrIdes = choice->leapYear && reference != "Kal.";
                    EXPECT_EQ(result.focus,
                              leapMarchNonesOrIdes ? FocusTarget::Combo2 : FocusTarget::Combo1);
                    continue;
                }
                ++dates;
                EXPECT_EQ(result.text,
                          TwoDigits(date->day) + ShownMonthName(*date, reference, month));
                EXPECT_EQ(result.focus, FocusTarget::None);
            }
        }
    }
    // Every day of a common year has exactly one Roman name, and the leap-year entry adds the
    // Calends of March and 14 to 29 February of a leap year.
    EXPECT_EQ(dates, 365 + 1 + 16);
}

TEST(EveryListCombination, NamesEachDayOfACommonYearOnce) {
    constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::map<std::string, int> named;
    for (std::string_view designation : tempidex::Designations)
        for (std::string_view reference : tempidex::ReferenceDays)
            for (std::string_view month : tempidex::MonthEntries)
                if (month != "Mar. (a. i.)")
                    ++named[ConvertRomanDate(designation, reference, month).text];
    named.erase(std::string(Nonexistent));
    int days = 0;
    for (std::size_t month = 0; month < lengths.size(); ++month) {
        for (int day = 1; day <= lengths[month]; ++day, ++days) {
            const calendar_rules::ModernDate date{day, static_cast<int>(month), false};
            std::string text = TwoDigits(day) + calendar_rules::ItalianMonthName(date);
            if (month == 0 && named.count(text) == 0)
                text = TwoDigits(day) + "Genaio";
            EXPECT_EQ(named[text], 1) << text;
        }
    }
    EXPECT_EQ(named.size(), static_cast<std::size_t>(days));
}

TEST(KnownDates, MatchTheHistoricalCalendar) {
    struct Case {
        std::string_view designation, reference, month, expected;
    };
    // Dates a Latin reader knows by heart, worked out by hand.
    constexpr Case cases[] = {
        {" --- ", "Kal.", "Ian.", "01 Gennaio"},
        {"a. d. XIX", "Kal.", "Ian.", "14 Dicembre"},
        {"a. d. XIX", "Kal.", "Feb.", "14 Genaio"},
        {" --- ", "Id.", "Mar.", "15 Marzo"}, // the Ides of March
        {"a. d. IX", "Kal.", "Ian.", "24 Dicembre"},
        {"a. d. VIII", "Kal.", "Ian.", "25 Dicembre"},
        {"pridie", "Kal.", "Mar.", "28 Febbraio"},
        {"pridie", "Kal.", "Mar. (a. i.)", "29 Febbraio (anno bisestile)"},
        {"a. d. VI", "Kal.", "Mar. (a. i.)", "24 Febbraio (anno bisestile)"},
        {"a. d. bis VI", "Kal.", "Mar. (a. i.)", "25 Febbraio (anno bisestile)"},
        {" --- ", "Kal.", "Mar. (a. i.)", "01 Marzo"},
        {"a. d. XVII", "Kal.", "Apr.", "16 Marzo"},
        {" --- ", "Non.", "Ian.", "05 Gennaio"},
        {" --- ", "Non.", "Mar.", "07 Marzo"},
        {" --- ", "Id.", "Oct.", "15 Ottobre"},
        {"a. d. IV", "Non.", "Oct.", "04 Ottobre"},
    };
    for (const Case &c : cases) {
        const auto result = ConvertRomanDate(c.designation, c.reference, c.month);
        EXPECT_EQ(result.text, c.expected) << c.designation << ' ' << c.reference << ' ' << c.month;
        EXPECT_EQ(result.focus, FocusTarget::None);
    }
}

TEST(InputChecks, RunInListOrderAndReportOnlyTheFirstFault) {
    auto expect = [](std::string_view d, std::string_view r, std::string_view m,
                     std::string_view text, FocusTarget focus) {
        const auto result = ConvertRomanDate(d, r, m);
        EXPECT_EQ(result.text, text) << '"' << d << "\" \"" << r << "\" \"" << m << '"';
        EXPECT_EQ(result.focus, focus) << '"' << d << "\" \"" << r << "\" \"" << m << '"';
    };
    expect("a. d. xix", "Kal.", "Ian.", NotCorrect, FocusTarget::Combo1);
    expect("a. d. xix", "kal.", "ian.", NotCorrect, FocusTarget::Combo1);
    expect("a. d. II", "Kal.", "Ian.", NotCorrect, FocusTarget::Combo1);
    expect("pridie", "kal.", "ian.", NotCorrect, FocusTarget::Combo2);
    expect("pridie", "Kal.", "ian.", MonthNotCorrect, FocusTarget::Combo3);
    // The month is checked before any column is looked at.
    expect("a. d. XIX", "Id.", "Ianuarius", MonthNotCorrect, FocusTarget::Combo3);
    expect("", "Kal.", "Ian.", NotCorrect, FocusTarget::Combo1);
    expect("pridie", "", "Ian.", NotCorrect, FocusTarget::Combo2);
    expect("pridie", "Kal.", "", MonthNotCorrect, FocusTarget::Combo3);
}

TEST(InputChecks, CompareWholeTextsByteForByte) {
    using namespace std::string_view_literals;
    const std::string_view wrongDesignations[] = {
        "---",
        " --- \0"sv,
        "\0 --- "sv,
        " ---  ",
        "a.d. XIX",
        "a. d. XIX ",
        " a. d. XIX",
        "Pridie",
        "pridie\n",
        "a. d. VI bis",
        "a. d. \xe2\x85\xa9IX", // Ⅹ
        "\xc2\xa0---\xc2\xa0",  // no-break spaces
    };
    for (std::string_view text : wrongDesignations) {
        const auto result = ConvertRomanDate(text, "Kal.", "Ian.");
        EXPECT_EQ(result.text, NotCorrect);
        EXPECT_EQ(result.focus, FocusTarget::Combo1);
    }
    const std::string_view wrongReferences[] = {"Kal",
                                                "Kal. ",
                                                "KAL.",
                                                "Kal.\0"sv,
                                                "K\xd0\xb0l.",    // Cyrillic a
                                                "Id\xe2\x80\xa4", // one dot leader
                                                "Non.\t"};
    for (std::string_view text : wrongReferences) {
        const auto result = ConvertRomanDate("pridie", text, "Ian.");
        EXPECT_EQ(result.text, NotCorrect);
        EXPECT_EQ(result.focus, FocusTarget::Combo2);
    }
    const std::string_view wrongMonths[] = {"Mar",
                                            "mar.",
                                            "Mar. ",
                                            " Mar.",
                                            "MAR.",
                                            "Mar.\0"sv,
                                            "Mar. (a.i.)",
                                            "Mar. (a. i.) ",
                                            "\xef\xbc\xad\x61r.", // full-width M
                                            "Martius"};
    for (std::string_view text : wrongMonths) {
        const auto result = ConvertRomanDate("pridie", "Kal.", text);
        EXPECT_EQ(result.text, MonthNotCorrect);
        EXPECT_EQ(result.focus, FocusTarget::Combo3);
    }
}

TEST(InputChecks, HugeTextsAreAnsweredLikeAnyOther) {
    const std::string huge(1 << 20, 'X');
    std::string hugeValidPrefix = "a. d. XIX";
    hugeValidPrefix.resize(1 << 20, ' ');
    EXPECT_EQ(ConvertRomanDate(huge, "Kal.", "Ian.").focus, FocusTarget::Combo1);
    EXPECT_EQ(ConvertRomanDate(hugeValidPrefix, "Kal.", "Ian.").focus, FocusTarget::Combo1);
    EXPECT_EQ(ConvertRomanDate("pridie", huge, "Ian.").focus, FocusTarget::Combo2);
    const auto month = ConvertRomanDate("pridie", "Kal.", huge);
    EXPECT_EQ(month.text, MonthNotCorrect);
    EXPECT_EQ(month.focus, FocusTarget::Combo3);
}

} // namespace
