// Both directions of the command line's answer for a line, against the calendar's own rules:
// Latin to modern in each year's calendar, and every day written in Latin, short and in full,
// and read back to itself.
#include "calendar.h"
#include "reading/latin_reading.h"
#include "writing/answers.h"
#include "writing/iso_dates.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using tempidex::IsoDates;
using tempidex::IsoDatesOf;
using tempidex::LatinToModern;
using tempidex::LatinToModernDated;
using tempidex::LineOptions;
using tempidex::ModernToLatin;

std::string YearText(int year) {
    return year > 0 ? std::to_string(year) : std::to_string(1 - year) + " a.C.";
}

// A year as a Latin date writes it: below a thousand, a number needs its era to be a year.
std::string LatinYearText(int year) {
    return (year > 0 && year < 1000 ? "A.D. " : "") + YearText(year);
}

LineOptions Options(bool julianOnly, bool longForm = false) {
    return {julianOnly ? tempidex::Reckoning::Julian : tempidex::Reckoning::Historical, false,
            longForm};
}

// The dated events the calendar's day numbers are checked against.
TEST(Calendar, CountsDaysAsDatedEventsDo) {
    EXPECT_EQ(calendar::JulianDayNumber(-43, 3, 15), 1705426);    // the Ides of March, 44 BC
    EXPECT_EQ(calendar::GregorianDayNumber(2000, 1, 1), 2451545); // the astronomers' J2000
    EXPECT_EQ(calendar::DayNumber(1582, 10, 15, false), calendar::LastJulianDay + 1);
    EXPECT_EQ((calendar::LastJulianDay + 1) % 7, 4); // 4 October 1582 was a Thursday
}

// The leap years of both calendars and the reform's gap, where the year decides the day.
TEST(LatinToModern, CountsEachYearByItsOwnCalendar) {
    for (const bool julianOnly : {false, true}) {
        const LineOptions options = Options(julianOnly);
        for (const int year : {1500, 1582, 1700, 1900, 2000, 2023, 2024, 1, 0, -3, -43, -44, -45}) {
            const int february = calendar::Length(year, 2, julianOnly);
            EXPECT_EQ(LatinToModern("pridie Kal. Mar. " + LatinYearText(year), options).text,
                      std::to_string(february) + " Febbraio " + YearText(year));
            EXPECT_EQ(LatinToModern("a. d. bis VI Kal. Mar. " + LatinYearText(year), options).text,
                      february == 29 ? "25 Febbraio " + YearText(year)
                                     : "ERRORE - Data Inesistente");
            EXPECT_EQ(LatinToModern("Kal. Mar. (a. i.) " + LatinYearText(year), options).text,
                      february == 29 ? "01 Marzo " + YearText(year) : "ERRORE - Data Inesistente");
        }
        // October 1582: the 4th, then the 15th.
        EXPECT_EQ(LatinToModern("a. d. IV Non. Oct. 1582", options).text, "04 Ottobre 1582");
        EXPECT_EQ(LatinToModern("Non. Oct. 1582", options).text,
                  julianOnly ? "07 Ottobre 1582" : "ERRORE - Data Inesistente");
        EXPECT_EQ(LatinToModern("a. d. III Id. Oct. 1582", options).text,
                  julianOnly ? "13 Ottobre 1582" : "ERRORE - Data Inesistente");
        EXPECT_EQ(LatinToModern("Id. Oct. 1582", options).text, "15 Ottobre 1582");
        for (int day = 1; day <= 31; ++day)
            EXPECT_EQ(ModernToLatin(std::to_string(day) + "/10/1582", options).failed,
                      calendar::InGap(1582, 10, day, julianOnly))
                << day;
    }
    // Before 45 BC a month of 29 days counts back from the Calends after it.
    EXPECT_EQ(LatinToModern("a. d. XVII Kal. Feb. 60 a.C.", {}).text, "14 Gennaio 60 a.C.");
    EXPECT_EQ(LatinToModern("a. d. XIX Kal. Feb. 60 a.C.", {}).text, "ERRORE - Data Inesistente");
    EXPECT_EQ(LatinToModern("a. d. XIX Kal. Ian. 1524", {}).text, "14 Dicembre 1524");
    EXPECT_EQ(LatinToModern("postridie Idus Martias", {}).text, "16 Marzo");
    EXPECT_EQ(LatinToModern("Kal. Ian. 1524 1525", {}).text, "ERRORE - Anno non corretto");
}

// A date in full as a Latin grammar writes it: the ordinal in the accusative after ante diem,
// the named day and the month agreeing with it, accusative after ante diem and pridie,
// ablative on the day itself.
std::string InFull(const calendar::RomanName &name) {
    const std::array<std::string, 20> ordinals{"",
                                               "",
                                               "",
                                               "tertium",
                                               "quartum",
                                               "quintum",
                                               "sextum",
                                               "septimum",
                                               "octavum",
                                               "nonum",
                                               "decimum",
                                               "undecimum",
                                               "duodecimum",
                                               "tertium decimum",
                                               "quartum decimum",
                                               "quintum decimum",
                                               "sextum decimum",
                                               "septimum decimum",
                                               "duodevicesimum",
                                               "undevicesimum"};
    const std::array<std::string, 12> accusative{
        "Ianuarias", "Februarias", "Martias",    "Apriles",  "Maias",     "Iunias",
        "Iulias",    "Augustas",   "Septembres", "Octobres", "Novembres", "Decembres"};
    const std::array<std::string, 12> ablative{
        "Ianuariis", "Februariis", "Martiis",      "Aprilibus",  "Maiis",       "Iuniis",
        "Iuliis",    "Augustis",   "Septembribus", "Octobribus", "Novembribus", "Decembribus"};
    const std::size_t month = static_cast<std::size_t>(name.month - 1);
    const std::size_t kind = name.reference == "Kal." ? 0 : name.reference == "Non." ? 1 : 2;
    if (name.designation == " --- ")
        return std::array{"Kalendis", "Nonis", "Idibus"}[kind] + (" " + ablative[month]);
    const std::string named =
        std::array{"Kalendas", "Nonas", "Idus"}[kind] + (" " + accusative[month]);
    if (name.designation == "pridie")
        return "pridie " + named;
    if (name.designation == "a. d. bis VI")
        return "ante diem bis sextum " + named;
    const std::string numeral = name.designation.substr(6);
    int count = 0;
    for (int n = 3; n < 20; ++n)
        count = calendar::Numeral(n) == numeral ? n : count;
    return "ante diem " + ordinals[static_cast<std::size_t>(count)] + " " + named;
}

// The ISO dates of the day `modern` names are those of its day number: the Gregorian always,
// the Julian where the day was reckoned in it.
void ExpectIsoDatesOf(const std::string &modern, int day, int month, int year, bool julianOnly) {
    const LineOptions options = Options(julianOnly, false);
    const std::string latin = ModernToLatin(modern, options).text;
    const IsoDates iso = IsoDatesOf(LatinToModernDated(latin, options).dating);
    const long number = calendar::DayNumber(year, month, day, julianOnly);
    const auto numberOf = [](const std::string &text, bool gregorian) {
        int y = 0, m = 0, d = 0;
        if (std::sscanf(text.c_str(), "%d-%d-%d", &y, &m, &d) != 3 ||
            text.size() < (y < 0 ? 11U : 10U))
            return -1L;
        return gregorian ? calendar::GregorianDayNumber(y, m, d)
                         : calendar::JulianDayNumber(y, m, d);
    };
    EXPECT_EQ(numberOf(iso.gregorian, true), number) << latin << " " << iso.gregorian;
    const bool julian = julianOnly || number <= calendar::LastJulianDay;
    EXPECT_EQ(iso.julian.empty() ? 0 : numberOf(iso.julian, false), julian ? number : 0)
        << latin << " " << iso.julian;
}

// Every day from 100 BC to AD 2100, in both calendars, short and in full: written as the
// calendar names it, and read back to the same day, whose ISO dates are its day number's.
TEST(ModernToLatin, EveryDayReadsBackToItself) {
    for (const bool julianOnly : {false, true})
        for (int year = -99; year <= 2100; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= calendar::Length(year, month, julianOnly); ++day) {
                    if (calendar::InGap(year, month, day, julianOnly) ||
                        !calendar::Sampled(year, month, day))
                        continue;
                    const calendar::RomanName name = calendar::NameOf(year, month, day, julianOnly);
                    const std::string numeral = calendar::Numeral(year > 0 ? year : year + 753);
                    const std::string modern =
                        std::to_string(day) + "/" + std::to_string(month) + "/" + YearText(year);
                    const std::string shown =
                        calendar::Label(day) + calendar::Names[month - 1] + " " + YearText(year);
                    const std::string shortForm =
                        (name.designation == " --- " ? "" : name.designation + " ") +
                        name.reference + " " + calendar::Entries[name.month - 1] + " " +
                        // below M, or a letter alone, a numeral is a year by its era alone
                        (year > 0 && (year < 1000 || numeral.size() == 1) ? "A.D. " : "") +
                        numeral + (year > 0 ? "" : " a.u.c.");
                    const std::string longForm =
                        InFull(name) + (year > 0 ? " anno Domini " + numeral
                                                 : " anno " + numeral + " ab urbe condita");
                    for (const bool inFull : {false, true}) {
                        const LineOptions options = Options(julianOnly, inFull);
                        const std::string latin = ModernToLatin(modern, options).text;
                        ASSERT_EQ(latin, inFull ? longForm : shortForm) << modern;
                        ASSERT_EQ(LatinToModern(latin, options).text, shown) << latin;
                    }
                    if (year >= -44)
                        ExpectIsoDatesOf(modern, day, month, year, julianOnly);
                }
}

// Without a year: every day of a common and a leap year, written as the window's lists name it
// and read back to what the window shows.
TEST(ModernToLatin, WritesEachDayAsTheListsHoldIt) {
    int days = 0;
    for (const calendar::ListedDay &named : calendar::Days()) {
        const std::string latin = (named.designation == " --- " ? "" : named.designation + " ") +
                                  named.reference + " " + named.monthEntry;
        // The command line spells January as Italian does; the window keeps its "Genaio".
        std::string shown = named.shown;
        if (const std::size_t at = shown.find("Genaio"); at != std::string::npos)
            shown.replace(at, 6, "Gennaio");
        EXPECT_EQ(LatinToModern(latin, {}).text, shown) << latin;
        const bool leapFebruary = named.month == 2 && named.day > 13;
        for (const bool leapYear : {false, true}) {
            if (named.leapYear != (leapYear && leapFebruary))
                continue;
            const LineOptions options{tempidex::Reckoning::Historical, leapYear};
            EXPECT_EQ(ModernToLatin(std::to_string(named.day) + "/" + std::to_string(named.month),
                                    options)
                          .text,
                      latin);
            ++days;
        }
    }
    EXPECT_EQ(days, 365 + 366);
}

// A weekday written before a date must be its own (3 March 2025 was a Monday); before AD 1,
// where no weekday is counted, it cannot be, and the date is refused rather than passed over.
TEST(ModernToLatin, ChecksTheWeekdayWritten) {
    EXPECT_EQ(ModernToLatin("lunedì 3 marzo 2025", {}).text, "a. d. V Non. Mar. MMXXV");
    EXPECT_TRUE(ModernToLatin("martedì 3 marzo 2025", {}).failed);
    EXPECT_EQ(ModernToLatin("1 gennaio 45 a.C.", {}).text, "Kal. Ian. DCCIX a.u.c.");
    EXPECT_TRUE(ModernToLatin("martedì 1 gennaio 45 a.C.", {}).failed);
}

// A line as long as any is read, up to the last byte; one byte more is too long for a date.
TEST(BothDirections, ReadLinesUpToTheLongestWhole) {
    const auto padded = [](std::string line, std::size_t size) {
        line.resize(size, ' ');
        return line;
    };
    EXPECT_EQ(LatinToModern(padded("Kal. Ian.", tempidex::LongestLine), {}).text, "01 Gennaio");
    EXPECT_EQ(ModernToLatin(padded("1/1", tempidex::LongestLine), {}).text, "Kal. Ian.");
    const std::string tooLong = padded("Kal. Ian.", tempidex::LongestLine + 1);
    EXPECT_EQ(LatinToModern(tooLong, {}).text, "ERRORE - Data non corretta");
    EXPECT_EQ(ModernToLatin(padded("1/1", tempidex::LongestLine + 1), {}).text,
              "ERRORE - Data non corretta");
}

} // namespace
