// The Latin date as one line: the spellings and years readers write, and the way back from a
// modern day, against the calendar's own rules.
#include "answers.h"
#include "calendar.h"
#include "latin_text.h"
#include "roman_date.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tempidex::ConvertLine;
using tempidex::LineOptions;
using tempidex::ReadLatinDate;
using tempidex::WriteLine;

TEST(ReadLatinDate, TakesTheSpellingsReadersWrite) {
    struct Case {
        std::string_view typed, designation, reference, month;
        bool dayAfter = false;
    };
    const Case cases[] = {
        {"a.d. xix kal ian", "a. d. XIX", "Kal.", "Ian."},
        {"AD XIX K. JAN.", "a. d. XIX", "Kal.", "Ian."},
        {"ante  diem\tIIII Non. Oct.", "a. d. IV", "Non.", "Oct."},
        {"a d viiii Kalendas Septembres", "a. d. IX", "Kal.", "Sep."},
        {"III Kal. Mai.", "a. d. III", "Kal.", "Mai."},
        {"XIV Kl. Sept.", "a. d. XIV", "Kal.", "Sep."},
        {"III. Non. Oct.", "a. d. III", "Non.", "Oct."},
        {"ante diem tertium Nonas Maias", "a. d. III", "Non.", "Mai."},
        {"a. d. tertio decimo Kal. Ian.", "a. d. XIII", "Kal.", "Ian."},
        {"ante diem duodevicesimum Kal. Ian.", "a. d. XVIII", "Kal.", "Ian."},
        {"ante diem octavum decimum Kal. Ian.", "a. d. XVIII", "Kal.", "Ian."},
        {"a. d. nonum decimum Kal. Ian.", "a. d. XIX", "Kal.", "Ian."},
        {"ante diem undevicesimo Kalendas Ianuarias", "a. d. XIX", "Kal.", "Ian."},
        {"ante diem bis sextum Kalendas Martias", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
        {"a.d.VI Kal.Mart.(a.i.)", "a. d. VI", "Kal.", "Mar. (a. i.)"},
        {"ad bis vi cal mar", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
        {"pridie Idus Martias", "pridie", "Id.", "Mar."},
        {"prid. Eid. Octobribus", "pridie", "Id.", "Oct."},
        {"postridie Idus Martias", " --- ", "Id.", "Mar.", true},
        {"postr. Kal. Ian.", " --- ", "Kal.", "Ian.", true},
        {"Kalendis Ianuariis", " --- ", "Kal.", "Ian."},
        {"Nonis IVLIIS", " --- ", "Non.", "Iul."},
        {"Kal. Quint.", " --- ", "Kal.", "Iul."},
        {"a. d. V Id. Quinctiles", "a. d. V", "Id.", "Iul."},
        {"pr. Non. Quinctilibus", "pridie", "Non.", "Iul."},
        {"Id. Sext.", " --- ", "Id.", "Aug."},
        {"a. d. IV Kal. Sextiles", "a. d. IV", "Kal.", "Aug."},
        // Whatever is not a letter, a digit or a dot only separates words.
        {"\xef\xbb\xbf\xc2\xab"
         "a.\xc2\xa0"
         "d. XIX Kal.\xe2\x80\xaf"
         "Ian.\xc2\xbb,",
         "a. d. XIX", "Kal.", "Ian."},
        {"\xe2\x80\x9cpridie Id. Mar.\xe2\x80\x9d \xe2\x80\x94 (Ov. Fast.)\xe2\x80\xa6", "pridie",
         "Id.", ""},
        {"[a. d. III Kal. Mai.];", "a. d. III", "Kal.", "Mai."},
        {"--- Kal. Apr.", " --- ", "Kal.", "Apr."},
        // Parts the lists do not hold stay unread, for the conversion to report.
        {"a. d. XX Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. II Kal. Ian.", "", "Kal.", "Ian."},
        {"II Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. secundum Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. vicesimum Kal. Ian.", "", "Kal.", "Ian."},
        {"tertium Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. VI bis Kal. Mar.", "", "Kal.", "Mar."},
        {"a. d. bis V Kal. Mar.", "", "Kal.", "Mar."},
        {"a. d. IIIII Kal. Ian.", "", "Kal.", "Ian."},
        {"a. d. XIX Kal. Marzo", "a. d. XIX", "Kal.", ""},
        {"a. d. XIX Kal. Feb. (a. i.)", "a. d. XIX", "Kal.", ""},
        {"a. d. XIX Kal. Mar. (a. x.)", "a. d. XIX", "Kal.", "Mar."}, // and no year
        {"Kal. Ma", " --- ", "Kal.", ""},
        {"a. d. X K\xc3\xa6l. Ian.", "", "", ""},
        {"a. d. XIX Ian.", "", "", ""},
    };
    for (const Case &c : cases) {
        const tempidex::LatinDate read = ReadLatinDate(c.typed);
        EXPECT_EQ(read.texts.designation, c.designation) << c.typed;
        EXPECT_EQ(read.texts.reference, c.reference) << c.typed;
        EXPECT_EQ(read.texts.month, c.month) << c.typed;
        EXPECT_EQ(read.dayAfter, c.dayAfter) << c.typed;
    }
}

TEST(ReadLatinDate, ReadsTheYearsSourcesWrite) {
    constexpr int Wrong = 1 << 20, None = -(1 << 20);
    const std::pair<std::string_view, int> cases[] = {
        {"", None},
        {"1524", 1524},
        {"MDXXIV", 1524},
        {"mdxxiiii", 1524},
        {"anno 1524", 1524},
        {"anno Domini MDXXIV", 1524},
        {"A.D. 1524", 1524},
        {"1524 AD", 1524},
        {"1524 d.C.", 1524},
        {"DCCX a.u.c.", -43},
        {"710 AUC", -43},
        {"anno DCCX ab urbe condita", -43},
        {"anno urbis conditae DCCLIV", 1},
        {"DCCLIII a.u.c.", 0},
        {"44 a.C.", -43},
        {"44 a. C.", -43},
        {"44 BC", -43},
        {"44 B.C.", -43},
        {"44 a. Chr. n.", -43},
        {"753 a.C.", -752},
        {"9999", 9999},
        {"0", Wrong},
        {"754 a.C.", Wrong},
        {"10000", Wrong},
        {"1524 1525", Wrong},
        {"MDXXIV 1524", Wrong},
        {"1524 a.C. AD", Wrong},
        {"A.D. 1524 a.C.", Wrong},
        {"anno", Wrong},
        {"1524 foo", Wrong},
        {"15x4", Wrong},
        {"IIX", Wrong},
    };
    for (const auto &[typed, year] : cases) {
        const std::string line = "Kal. Ian. " + std::string(typed);
        const tempidex::LatinDate read = ReadLatinDate(line);
        EXPECT_EQ(read.texts.month, "Ian.") << line;
        if (year == None) {
            EXPECT_EQ(read.yearReading, tempidex::YearReading::None) << line;
        } else if (year == Wrong) {
            EXPECT_EQ(read.yearReading, tempidex::YearReading::Wrong) << line;
        } else {
            EXPECT_EQ(read.yearReading, tempidex::YearReading::Read) << line;
            EXPECT_EQ(read.year, year) << line;
        }
    }
}

std::string YearText(int year) {
    return year > 0 ? std::to_string(year) : std::to_string(1 - year) + " a.C.";
}

// The leap years of both calendars and the reform's gap, where the year decides the day.
TEST(ConvertLine, CountsEachYearByItsOwnCalendar) {
    for (const bool julianOnly : {false, true}) {
        const LineOptions options{julianOnly ? tempidex::Reckoning::Julian
                                             : tempidex::Reckoning::Historical};
        for (const int year : {1500, 1582, 1700, 1900, 2000, 2023, 2024, 1, 0, -3, -43, -44, -45}) {
            const int february = calendar::Length(year, 2, julianOnly);
            EXPECT_EQ(ConvertLine("pridie Kal. Mar. " + YearText(year), options).text,
                      std::to_string(february) + " Febbraio " + YearText(year));
            EXPECT_EQ(ConvertLine("a. d. bis VI Kal. Mar. " + YearText(year), options).text,
                      february == 29 ? "25 Febbraio " + YearText(year)
                                     : "ERRORE - Data Inesistente");
            EXPECT_EQ(ConvertLine("Kal. Mar. (a. i.) " + YearText(year), options).text,
                      february == 29 ? "01 Marzo " + YearText(year) : "ERRORE - Data Inesistente");
        }
        // October 1582: the 4th, then the 15th.
        EXPECT_EQ(ConvertLine("a. d. IV Non. Oct. 1582", options).text, "04 Ottobre 1582");
        EXPECT_EQ(ConvertLine("Non. Oct. 1582", options).text,
                  julianOnly ? "07 Ottobre 1582" : "ERRORE - Data Inesistente");
        EXPECT_EQ(ConvertLine("a. d. III Id. Oct. 1582", options).text,
                  julianOnly ? "13 Ottobre 1582" : "ERRORE - Data Inesistente");
        EXPECT_EQ(ConvertLine("Id. Oct. 1582", options).text, "15 Ottobre 1582");
    }
    // Before 45 BC a month of 29 days counts back from the Calends after it.
    EXPECT_EQ(ConvertLine("a. d. XVII Kal. Feb. 60 a.C.", {}).text, "14 Gennaio 60 a.C.");
    EXPECT_EQ(ConvertLine("a. d. XIX Kal. Feb. 60 a.C.", {}).text, "ERRORE - Data Inesistente");
    EXPECT_EQ(ConvertLine("a. d. XIX Kal. Ian. 1524", {}).text, "14 Dicembre 1524");
    EXPECT_EQ(ConvertLine("postridie Idus Martias", {}).text, "16 Marzo");
    EXPECT_EQ(ConvertLine("Kal. Ian. 1524 1525", {}).text, "ERRORE - Anno non corretto");
}

// Every day from 100 BC to AD 2100, in both calendars, short and in full: written as the
// calendar names it, and read back to the same day.
TEST(WriteLine, EveryDayReadsBackToItself) {
    for (const bool julianOnly : {false, true})
        for (int year = -99; year <= 2100; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= calendar::Length(year, month, julianOnly); ++day) {
                    if (calendar::InGap(year, month, day, julianOnly))
                        continue;
                    const calendar::RomanName name = calendar::NameOf(year, month, day, julianOnly);
                    const std::string numeral = year > 0
                                                    ? calendar::Numeral(year)
                                                    : calendar::Numeral(year + 753) + " a.u.c.";
                    const std::string modern =
                        std::to_string(day) + "/" + std::to_string(month) + "/" + YearText(year);
                    const std::string shown =
                        calendar::Label(day) + calendar::Names[month - 1] + " " + YearText(year);
                    for (const bool longForm : {false, true}) {
                        const LineOptions options{julianOnly ? tempidex::Reckoning::Julian
                                                             : tempidex::Reckoning::Historical,
                                                  false, longForm};
                        const std::string latin = WriteLine(modern, options).text;
                        if (!longForm) {
                            ASSERT_EQ(latin,
                                      (name.designation == " --- " ? "" : name.designation + " ") +
                                          name.reference + " " + calendar::Entries[name.month - 1] +
                                          " " + numeral)
                                << modern;
                        }
                        ASSERT_EQ(ConvertLine(latin, options).text, shown) << latin;
                    }
                }
}

// Without a year: every day of a common and a leap year, written as the window's lists name it
// and read back to what the window shows.
TEST(WriteLine, WritesEachDayAsTheListsHoldIt) {
    int days = 0;
    for (const calendar::NamedDay &named : calendar::Days()) {
        const std::string latin = (named.designation == " --- " ? "" : named.designation + " ") +
                                  named.reference + " " + named.monthEntry;
        EXPECT_EQ(ConvertLine(latin, {}).text, named.shown) << latin;
        const bool leapFebruary = named.month == 2 && named.day > 13;
        for (const bool leapYear : {false, true}) {
            if (named.leapYear != (leapYear && leapFebruary))
                continue;
            const LineOptions options{tempidex::Reckoning::Historical, leapYear};
            EXPECT_EQ(
                WriteLine(std::to_string(named.day) + "/" + std::to_string(named.month), options)
                    .text,
                latin);
            ++days;
        }
    }
    EXPECT_EQ(days, 365 + 366);
}

} // namespace
