// Reading a Latin date written as one line: the spellings and years readers write, each read
// as the date the window's lists name, and the fault of what cannot be read.
#include "reading/latin_reading.h"
#include "reading/words/keywords.h"
#include "window/window_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tempidex::LineFault;
using tempidex::ReadLatinLine;

TEST(ReadLatinDate, TakesTheSpellingsReadersWrite) {
    struct Case {
        std::string_view typed, designation, reference, month;
        bool dayAfter = false;
        LineFault fault = LineFault::None; // where the parts are not given
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
        {"bis sextum Kal. Mart.", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
        {"a.d.VI Kal.Mart.(a.i.)", "a. d. VI", "Kal.", "Mar. (a. i.)"},
        {"ad bis vi cal mar", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
        {"die bissexto kal. Martii", "a. d. bis VI", "Kal.", "Mar. (a. i.)"},
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
        // A citation after the date is words around it.
        {"\xe2\x80\x9cpridie Id. Mar.\xe2\x80\x9d \xe2\x80\x94 (Ov. Fast.)\xe2\x80\xa6", "pridie",
         "Id.", "Mar."},
        {"[a. d. III Kal. Mai.];", "a. d. III", "Kal.", "Mai."},
        {"--- Kal. Apr.", " --- ", "Kal.", "Apr."},
        // Parts the lists do not hold stay unread, for the conversion to report.
        {"a. d. XX Kal. Ian.", "", "", "", false, LineFault::Designation},
        {"a. d. vicesimum Kal. Ian.", "", "", "", false, LineFault::Designation},
        // The day before, as manuscripts write it; an ordinal alone, as charters do.
        {"a. d. II Kal. Ian.", "pridie", "Kal.", "Ian."},
        {"II Kal. Ian.", "pridie", "Kal.", "Ian."},
        {"a. d. secundum Kal. Ian.", "pridie", "Kal.", "Ian."},
        {"tertium Kal. Ian.", "a. d. III", "Kal.", "Ian."},
        {"a. d. VI bis Kal. Mar.", "", "", "", false, LineFault::Designation},
        {"a. d. bis V Kal. Mar.", "", "", "", false, LineFault::Designation},
        {"bissexto Kal. Apr.", "", "", "", false, LineFault::Designation},
        {"a. d. IIIII Kal. Ian.", "", "", "", false, LineFault::Designation},
        {"a. d. XIX Kal. Marzo", "", "", "", false, LineFault::Month},
        {"a. d. XIX Kal. Feb. (a. i.)", "", "", "", false, LineFault::Month},
        {"Kal. Ma", "", "", "", false, LineFault::Month},
        // "(a. i.)" is the leap year's mark, and no other "a." after a month is.
        {"Kal. Mar. A. D. 1523", " --- ", "Kal.", "Mar."},
        {"a. d. X K\xc3\xa6l. Ian.", "", "", "", false, LineFault::NoDate},
        {"a. d. XIX Ian.", "", "", "", false, LineFault::NoDate},
    };
    for (const Case &c : cases) {
        // Read as the window reads its own lists' texts, in one way only; or not at all.
        const tempidex::LineReading read = ReadLatinLine(c.typed);
        ASSERT_EQ(read.fault, c.fault) << c.typed;
        if (c.fault != LineFault::None)
            continue;
        ASSERT_EQ(read.readings.size(), 1u) << c.typed;
        const tempidex::LatinDate &date = read.readings[0].date;
        tempidex::LatinDate listed =
            tempidex::ReadListTexts(c.designation, c.reference, c.month).date;
        listed.day.dayAfter = c.dayAfter;
        EXPECT_EQ(date.day, listed.day) << c.typed;
        EXPECT_EQ(date.leapYear, listed.leapYear) << c.typed;
        EXPECT_EQ(date.year, c.typed.ends_with("1523") ? std::optional(1523) : std::nullopt)
            << c.typed;
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
        {"MDXXIV d. C.", 1524},
        {"anno m.dc.", 1600}, // no AD 1000, "d.C."
        {"Mº DCº", 1600},
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
        {"1524 Romae", 1524},
        // an ordinal contracted, its ending kept; a word after the year begun as one is no
        // word to pass over
        {"anno domini m° cccmo nonagmo", 1390},
        {"anno Millesimo quingmo sexto", 1506},
        {"anno MCCC octogino", Wrong},
        {"15x4", Wrong},
        {"IIX", Wrong},
        {"(a. x.)", Wrong},
        // A minus sign is no separator here: -44 is no AD 44.
        {"-44", Wrong},
        {"\u221244", Wrong},
        {"anno -44", Wrong},
    };
    for (const auto &[typed, year] : cases) {
        const std::string line = "Kal. Ian. " + std::string(typed);
        const tempidex::LineReading read = ReadLatinLine(line);
        if (year == Wrong) {
            // refused, or read two ways: never one year
            const bool yearFault = read.fault == LineFault::Year ||
                                   read.fault == LineFault::Number || read.fault == LineFault::Anno;
            EXPECT_TRUE(yearFault || read.readings.size() > 1) << line;
            continue;
        }
        ASSERT_EQ(read.fault, LineFault::None) << line;
        ASSERT_EQ(read.readings.size(), 1u) << line;
        EXPECT_EQ(read.readings[0].date.day.month, 1) << line;
        EXPECT_EQ(read.readings[0].date.year, year == None ? std::nullopt : std::optional(year))
            << line;
    }
}

// A rule looks at the words after the one it begins with: at the line's end there are none, and
// a look past the last word reads what an earlier line left in memory (a keyword such as "era"
// as the line's last word read it). Every keyword, last, alone and first: the date it follows
// keeps its day, or the line is refused.
TEST(ReadLatinDate, EveryKeywordLastOrAloneLooksAtNoWordPastTheLine) {
    for (const tempidex::Keyword &keyword : tempidex::AllKeywords()) {
        const std::string word(keyword.word);
        for (const std::string &line :
             {"Kal. Ian. " + word, "Kal. Ian., " + word + ".", word, word + " Kal. Ian."}) {
            const tempidex::LineReading read = ReadLatinLine(line);
            if (read.fault != LineFault::None || !line.starts_with("Kal. Ian."))
                continue;
            for (const auto &reading : read.readings)
                EXPECT_EQ(reading.date.day.month, 1) << line;
        }
    }
}

} // namespace
