// The church year checked against the calendar's rules worked out a second way: Easter from
// the epact and the dominical letter, as the chronologists' tables find it; a weekday by a
// feast from a plain count of days; Bologna's days counted back from the month's end.
#include "calendar/church_year.h"
#include "reading/words/word_memo.h"
#include "window/window_lists.h"
#include "writing/answers.h"
#include "writing/year_calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace {

using namespace tempidex;

// The Julian day number of a date, by the textbook formula (no table of this program).
long JulianDayNumber(int year, int month, int day, bool gregorian) {
    const int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
    const long common = day + (153 * m + 2) / 5 + 365L * y + y / 4;
    return gregorian ? common - y / 100 + y / 400 - 32045 : common - 32083;
}

// The answer for the Julian calendar's day of a Julian day number, by the textbook formula
// the other way; its year.
std::pair<std::string, long> JulianDayAnswer(long jdn) {
    constexpr std::array<std::string_view, 12> months{
        "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
        "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    const long c = jdn + 32082, d = (4 * c + 3) / 1461, e = c - 1461 * d / 4, m = (5 * e + 2) / 153;
    const long dd = e - (153 * m + 2) / 5 + 1, mm = m + 3 - 12 * (m / 10), yy = d - 4800 + m / 10;
    std::string text(dd < 10 ? 1 : 0, '0');
    text.append(std::to_string(dd)).append(" ");
    text.append(months[static_cast<std::size_t>(mm - 1)]).append(" ");
    return {text.append(std::to_string(yy)), yy};
}

// Easter from the year's epact and dominical letter, the way the tables were read: the
// paschal full moon from the epact, then the Sunday after it by the letter.
DayOfMonth EasterFromTheTables(int year, Reckoning reckoning) {
    const YearTable table = TableOf(year, reckoning);
    const bool gregorian = reckoning == Reckoning::Historical && year > GregorianYear;
    int fullMoon = 0; // days after 21 March
    if (gregorian) {
        fullMoon = ((23 - table.epact) % 30 + 30) % 30;
        if (table.epact == 24 || (table.epact == 25 && table.goldenNumber > 11))
            --fullMoon;
    } else {
        fullMoon = ((15 - table.epact) % 30 + 30) % 30;
    }
    // the letter from March: a leap year's second; 1582's second is October's, after Easter
    const bool leap = IsLeapYear(year, reckoning);
    const char letter = leap ? table.letters[1] : table.letters[0];
    // Day of the year of 21 March + fullMoon, and its letter: A on 1 January, in turn.
    const int dayOfYear = 31 + 28 + 21 + fullMoon; // counted as in a common year: letters skip
    int sunday = dayOfYear + 1;
    while ((sunday - 1) % 7 != letter - 'A')
        ++sunday;
    const int fromMarch = sunday - 59;
    return fromMarch > 31 ? DayOfMonth{4, fromMarch - 31} : DayOfMonth{3, fromMarch};
}

TEST(ChurchYear, EasterAgreesWithTheTablesFrom532To2500) {
    for (const Reckoning reckoning : {Reckoning::Historical, Reckoning::Julian})
        for (int year = 532; year <= 2500; ++year)
            ASSERT_EQ(EasterOf(year, reckoning), EasterFromTheTables(year, reckoning))
                << year << (reckoning == Reckoning::Julian ? " Julian" : "");
}

TEST(ChurchYear, MovableDaysKeepTheirDistanceFromEasterAndTheirWeekday) {
    for (int year = 1000; year <= 2100; year += 7)
        for (const Feast &feast : Feasts()) {
            if (!feast.movable())
                break;
            const long day = FixedOfFeast(feast, year, Reckoning::Historical);
            const DayOfMonth easter = EasterOf(year, Reckoning::Historical);
            const bool gregorian = year > GregorianYear;
            const long easterJdn = JulianDayNumber(year, easter.month, easter.day, gregorian);
            if (feast.anchor == FeastAnchor::Easter) {
                EXPECT_EQ(
                    day - FixedFromDate({year, easter.month, easter.day}, Reckoning::Historical),
                    feast.offset)
                    << feast.italian << " " << year;
                // Sundays are Sundays: Easter's Julian day number + 1 is 0 mod 7 on a Sunday.
                EXPECT_EQ((easterJdn + 1) % 7, 0) << year;
            } else { // Advent: Sundays from 27 November to 24 December
                const Date date = DateFromFixed(day, Reckoning::Historical);
                EXPECT_EQ(WeekdayOfFixed(day), 0) << year;
                EXPECT_TRUE((date.month == 11 && date.day >= 27) || date.month == 12)
                    << feast.italian << " " << year;
            }
        }
}

// Every name of every day counted from Easter names that day: "in die Oculi", "in festo
// Quasimodogeniti", in years of the Julian calendar, from Easter as the tables find it.
TEST(ChurchYear, EveryNameOfAMovableDayNamesItsDay) {
    for (const int year : {1320, 1403, 1477}) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long easterDay = JulianDayNumber(year, easter.month, easter.day, false);
        for (const Feast &feast : Feasts()) {
            if (!feast.movable())
                break;
            if (feast.anchor != FeastAnchor::Easter)
                continue;
            const std::string expect = JulianDayAnswer(easterDay + feast.offset).first;
            // Mid-Lent may be the Wednesday before Laetare or Laetare: no answer;
            // its Sunday is Laetare
            if (feast.offset == -25) {
                EXPECT_TRUE(
                    LatinToModern("in media quadragesima " + std::to_string(year), {}).failed);
                EXPECT_EQ(
                    LatinToModern("dominica in media quadragesima " + std::to_string(year), {})
                        .text,
                    JulianDayAnswer(easterDay - 21).first);
                continue;
            }
            for (std::string_view names = feast.names; !names.empty();) {
                const std::size_t bar = names.find(" | ");
                const std::string name(names.substr(0, bar));
                names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 3);
                const auto a =
                    LatinToModern("in die " + name + " anno " + std::to_string(year), {});
                // The Rogation days, Monday to Wednesday, are no one day; a weekday names each
                if (feast.offset == 36) {
                    EXPECT_TRUE(a.failed) << name << " " << year;
                    const std::string ferias[] = {"feria II ", "feria tertia in ", "feria IIII "};
                    for (int k = 0; k < 3; ++k)
                        EXPECT_EQ(
                            LatinToModern(ferias[k] + name + " " + std::to_string(year), {}).text,
                            JulianDayAnswer(easterDay + 36 + k).first)
                            << name << " " << k;
                    continue;
                }
                EXPECT_EQ(a.text.substr(0, a.text.find('\t')), expect) << name << " " << year;
                // (and last, with the sentence's stop: "Isti sunt dies." is no word cut short)
                EXPECT_EQ(
                    LatinToModern("anno " + std::to_string(year) + ", in die " + name + ".", {})
                        .text,
                    expect)
                    << name << ". " << year;
            }
        }
    }
}

// Each fixed feast of the data file by each relation, in seven years whose feast falls on each
// weekday in turn, against a count of days of its own.
TEST(ChurchYear, EveryFixedFeastByEveryRelation) {
    const std::array<std::string_view, 7> days{"dominica",     "die lune",  "die martis",
                                               "die mercurii", "die iovis", "die veneris",
                                               "sabbato"};
    int checked = 0;
    for (const Feast &feast : Feasts()) {
        if (feast.movable() || (feast.day.month == 2 && feast.day.day >= 24) ||
            (feast.day.month == 3 && feast.day.day == 1))
            continue; // days a leap year moves are checked on their own, below
        const std::string name(feast.latin);
        unsigned weekdaysSeen = 0; // the feast on each weekday once, in the years from 1301
        for (int year = 1301; weekdaysSeen != 0x7F; ++year) {
            const long feastDay = JulianDayNumber(year, feast.day.month, feast.day.day, false);
            const unsigned bit = 1u << ((feastDay + 1) % 7);
            if ((weekdaysSeen & bit) != 0)
                continue;
            weekdaysSeen |= bit;
            // The answer for the day `shift` days from the feast, in the year written: the
            // feast of the year before or after where the day falls in another year.
            const auto expect = [&](int shift) {
                for (const int y : {year, year - 1, year + 1}) {
                    const auto [text, yy] = JulianDayAnswer(
                        JulianDayNumber(y, feast.day.month, feast.day.day, false) + shift);
                    if (yy == year)
                        return text;
                }
                return std::string();
            };
            const std::string in = " anno " + std::to_string(year);
            const auto answer = [](const std::string &clause) {
                const auto a = LatinToModern(clause, {});
                return a.failed ? a.text : a.text.substr(0, a.text.find('\t'));
            };
            // The feast's names may be shared by another feast's in a longer form: read alone,
            // each must still name its own day.
            EXPECT_EQ(answer("in festo sancti " + name + in), expect(0)) << name;
            EXPECT_EQ(answer("in vigilia sancti " + name + in), expect(-1)) << name;
            EXPECT_EQ(answer("in crastino sancti " + name + in), expect(1)) << name;
            EXPECT_EQ(answer("in octava sancti " + name + in), expect(7)) << name;
            EXPECT_EQ(answer("in quindena sancti " + name + in), expect(14)) << name;
            // a relation's word before another's: the eve of the feast, the morrow of its octave
            EXPECT_EQ(answer("in vigilia festi sancti " + name + in), expect(-1)) << name;
            EXPECT_EQ(answer("in crastino octave sancti " + name + in), expect(8)) << name;
            // A weekday by a feast in the year's first or last week may be counted from the
            // feast of the year before or after: those are checked by the clauses of charters.
            const bool yearsEnd = (feast.day.month == 1 && feast.day.day <= 7) ||
                                  (feast.day.month == 12 && feast.day.day >= 25);
            ++checked;
            if (yearsEnd)
                continue;
            const int weekday = static_cast<int>((feastDay + 1) % 7); // 0 Sunday
            const int next = (weekday + 3) % 7, last = (weekday + 5) % 7;
            EXPECT_EQ(answer(std::string(days[static_cast<std::size_t>(next)]) + " post festum " +
                             name + in),
                      expect(3))
                << name;
            EXPECT_EQ(answer(std::string(days[static_cast<std::size_t>(last)]) + " ante festum " +
                             name + in),
                      expect(-2))
                << name;
            // On the feast's own weekday: a week after it, or before it, never the feast.
            EXPECT_EQ(answer(std::string(days[static_cast<std::size_t>(weekday)]) +
                             " post festum " + name + in),
                      expect(7))
                << name;
            EXPECT_EQ(answer(std::string(days[static_cast<std::size_t>(weekday)]) +
                             " ante festum " + name + in),
                      expect(-7))
                << name;
        }
    }
    EXPECT_GE(checked, 7 * 250);
}

// What the reader cannot tell apart it refuses: a feast another word qualifies, a weekday the
// feast did not fall on, an octave's span, a feast named after its octave.
TEST(ChurchYear, RefusesWhatItCannotTellApart) {
    for (const char *clause : {
             "die Veneris post festum sancti Benedicti elevationis anno 1277",
             // a day counted from a day whose relation is not read: no answer for the inner day
             "in crastino sabbati in albis anno 1322",
             "in vigilia ferie tercie rogationum anno 1289",
             "in vigilia ferie quinte in cena domini 1320",
             "die post sabbatum in albis 1320",
             // a year whose last ordinal may count the days after the feast, or the feria
             "anno domini millesimo trecentesimo nono die post festum sancti Martini",
             "anno domini millesimo quadringentesimo septimo die post festum Pasche",
             "anno domini millesimo trecentesimo quinquagesimo die post festum Pasche",
             "anno domini millesimo trecentesimo primo die festi sancti Andree",
             "anno domini millesimo trecentesimo vicesimo secundo feria post festum sancti Martini",
             // the Lord's assumption, the Ascension, in words the table cannot tell from Mary's
             "in festo assumptionis dominice anno 1350",
             "in festo assumptionis domini nostri Iesu Christi anno 1350",
             // a pair's companions, or a saint's epithet in another case
             "anno domini 1301 in festo sancte Lucie et sociorum eius",
             "anno domini 1301 in festo sancti Stephani regi",
             // a word after the saint's name that makes him another saint of the name, or
             // names another of his feasts
             "in festo sancti Jacobi fratris domini anno domini 1350",
             "in festo sancti Johannis ewangeliste in oleo anno 1350",
             "in festo sancti Johannis baptiste conceptionis anno 1350",
             "in festo sancti Johannis Baptiste in decollatione anno 1350",
             "in festo sancti Martini estivi anno 1350",
             "in festo sancti Nicolai peregrini anno 1350",
             // a confessor of a martyr's, an apostle's or a deacon's name: Aquinas, Ferrer
             "in festo sancti Thome confessoris anno 1350",
             "in festo sancti Vincentii confessoris anno 1500",
             "die lune post festum beati Laurentii confessoris anno 1350",
             "in festo sancti Thome conf. anno 1350",
             "in festo Blasii confessoris anno 1350",
             "in festo sancti Ruperti autumpnalis anno 1350",
             "Datum die Jovis in Annunciationis Dominice octabis anno 1293",
             "die martis in festo beati Arnulphi anno 1255", // 18 July 1255 was a Sunday
             "infra octavam Epiphaniae anno 1300",
             // the quindene's fortnight, and the Calends' quindene, no feast's
             "infra quindenam Pasche anno 1300",
             "usque in quindenam sancti Michaelis anno 1300",
             "in quindena kalendarum maii anno 1300",
             // "oct." before a saint's name, October or the octave ("i. oct. Innoc.", a
             // regest's "in octava Innocentium")
             "I. Oct. Innoc. anno 1337",
             // a movable day, or a weekday by a feast, in a year of the Lord written before 525:
             // the century left out ("lxi" for 1361) moves the day
             "anno domini lxi sabbato proximo post diem corporis Christi",
             "anno domini cccº lxº die lune post festum sancti Martini",
             // "decimo quinto die pentecostes": 1315 and Whitsunday, or 1310 and its fifth day
             "Datum anno domini. millesimo. trecentesimo. decimo. quinto die pentecostes",
             // a day counted so is Easter's or Pentecost's alone, never a Sunday's "die
             // dominica", nor a day of an octave; past a comma after a year it may end the year
             "anno domini mcccx, sexta die dominica Letare",
             "Datum anno domini mcccl, tercia die ascensionis domini.",
             "Datum anno domini mcccxxx, sexto die dominica trinitatis.",
             "anno domini mcccx, tercia die octave pasche",
             "Datum anno Domini millesimo CCL, tercio die pasche.",
             "anno domini millesimo trecentesimo quarto die nativitatis domini",
             // "octavo" after a year's tens may be its units: 1328 on St Mark's day, or the
             // octave in 1320; before a month that is a saint's name, the eighth of the month
             "anno domini millesimo trecentesimo vigesimo octavo Marci",
             "anno MCCC octavo beati Martini",
             "anno domini 1340 octavo Ianuarii",
             // (a saint's day is counted so by none: only Christmas and the movable feasts)
             "anno 1300 quarto die sancte Anastasie",
             // the season or the see after the saint's epithet
             "anno domini mccc in festo beati Martini confessoris in estate",
             "anno domini mccc in festo beati Petri apostoli ad cathedram in Roma",
             "in festo sancti Thome Becket elevationis anno 1300",
             // the word that says which of the saint's feasts, a letter of it garbled
             "in festo sancti Martini ectivalis anno 1300",
             // a month's name that is a saint's: "die Ianuarii" is a day of January, its number
             // left out, not St Januarius's (die sancti Ianuarii, 19 September)
             "Datum die Ianuarii anno MCCC",
             // an ordinary word that is a saint's name: in fidem is no St Faith's day
             "In fidem premissorum sigillum nostrum duximus apponendum. Datum anno Domini 1300",
             // a church named for its saint, a place: "in Sancto Emerico" is no St Emeric's day
             "in Sancto Emerico, anno Domini 1379",
             // a feast's name run on to another feast's phrase: which is the day's?
             "die sabbati post Martinus festum asumptionis beate Marie anno 1322",
             "die Martinus martis post festum sancti Martini anno 1300",
             // a term of payment, not the day of the document
             "Solvendos in festo sancti Martini proximo futuro. Datum anno Domini 1300",
             // St Denis's day 1582 was one of the days the reform left out
             "Datum anno Domini 1582 in festo sancti Dionysii",
             // in 1280 Advent began on 1 December: there was no 25th Sunday after Pentecost
             "dominica XXV post Pentecosten anno 1280",
             // an epithet another saint of the name has: Becket, not the Apostle
             "in festo sancti Thome episcopi anno 1300",
             // a pope's or a king's number, or "pape" where the saint found was no pope
             "in festo sancti Stephani primi pape anno domini 1350",
             "in festo sancti Gregorii septimi anno 1650",
             "in festo sancti Innocentii pape anno 1350",
             "in festo sancti regis Laurentii anno 1360",
             "in festo sancti Henrici ducis anno 1300", // Emeric, no emperor
             "in festo sancti Laurencii archiepiscopi anno domini MCCCL",
             "in festo sancti Ludovici de Tolosa anno 1300",
             "in festo sanctorum iacobi et philippi anno 1300",
             "in festo sanctorum Egidii et Martini anno 1270",
             "in festo omnium apostolorum anno 1300",
             // Pascha annotino, the anniversary of a baptism at Easter, is no Easter
             "die Veneris ante Pascha annotinum anno 1300",
             // a month written beside a feast of another month
             "Datum anno Domini 1300 mense maio, in festo sancti Martini",
             // a cardinal in the year: mille duo is 1002, never 1000
             "anno Domini mille duo, die XV mensis maii",
             // the day after the feast, never the feast: "die" is no feast's day after every word
             "Datum Lundis altera die sancti Laurentii anno 1300",
             "Acta sunt hec Sequenti die beati Laurentii anno 1300",
             "Crastinae die beati Laurentii anno 1300",
             "Secutae die beati Laurentii anno 1300",
             // a feast of the saint's other than his day, first in the line: no letter's place
             "Translationis die sancti Martini 1552",
             "Vigilae die Martini 1552",
             // the day before January, or after it: no St Januarius without his title
             "pridie Ianuarii 1540",
             "postera die Ianuarii 1540",
             "in vigilia Ianuarii 1540",
             // the day after the Ides, which the Ides alone are not
             "postera die Idus Martii 1450",
             "Datum anno 1300 sequenti die Kal. Maii",
             // a Monday within the octave of a Monday's feast (15 August 1300) there is none;
             // "intra festum" is a term, by the feast; "Wilh." William's as well as Willehad's
             "feria secunda infra octavam assumptionis 1300",
             "Actum anno domini 1300 solvendum intra festum sancti Martini",
             "Datum anno domini mº cccº lxº septimo die beati Wilh. abbatis.",
             // a woman's title before St Luke's name: St Lucy is written so too
             "Datum anno Domini M°CC°L° septimo, die lunae post festum Sanctae Lucae.",
             "anno 1257 in festo beate Luce",
             // "in vinculis" after a saint's name: another feast than his day
             "anno 1300 in festo sancti Laurentii in vinculis",
             // a feast's words are never passed over for another date in the line
             "Actum anno gracie MCCXII, die veneris post festum sancti Barnabe, vicesimo octobris",
             "Datum anno Domini MCCXXV, die martis post Pascha, XX marcii",
             // two movable feasts are two days
             "anno Domini MCCC in die Pasche, in Pentecoste",
             // a feast in one sentence, a Roman date in the next: the sentence's end is no
             // word of the saint's name, and the feast is not passed over
             "Actum anno Domini MCCXXX, in die Innocentum!. Nulli ergo etc. Data Reate, III "
             "Idus Februarii",
             "Actum in festo sancti Laurentii. Testes. Data Reate, III Idus Februarii",
             // (an epithet after the stop may still be the saint's: the stop an abbreviation's;
             // so may a name, where other saints have his, or an editor's mark stand before it)
             "in festo sancti Thome. Episcopi anno 1300",
             "in festo sancti Thome. Becket anno 1300",
             "in festo sancti Thome (!) Becket anno 1300",
             "in festo sancti Laurentii (!) Ignoti anno 1300",
             // a name cut short that begins two saints' names (Martini, Marthae), or a month's
             "in festo s. Mart. anno 1300",
             "in festo s. Aug. anno 1300",
             "in festo s. Ioh. anno 1300",
             // the word that says which of the saint's feasts, cut short
             "die jovis post festum Sancti Martini est. anno 1277",
         })
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    // the Lord's feast after "dominicam" is a Sunday's, and there is none
    EXPECT_TRUE(LatinToModern("anno 1300 feria secunda post dominicam Ascensionis", {}).failed);
    EXPECT_TRUE(LatinToModern("sabbato Oculi anno 1519", {}).failed);
    // Easter's or Pentecost's Saturday: the eve before, or the Saturday of the week after
    EXPECT_TRUE(LatinToModern("sabbato Pasche anno 1400", {}).failed);
    EXPECT_TRUE(LatinToModern("sabbato Pentecostes anno 1400", {}).failed);
    EXPECT_TRUE(LatinToModern("in passione Domini anno 1300", {}).failed);
    // a day of the month beside a movable feast that fell on another day that year
    LineOptions explain;
    explain.explain = true;
    const auto disagree =
        LatinToModern("anno domini MCCLXXX, quinto kalendas maii, dominica Quasimodo", explain);
    EXPECT_TRUE(disagree.failed);
    EXPECT_NE(disagree.text.find("l'altra data scritta è il 27 Aprile 1280: le due date non "
                                 "concordano"),
              std::string::npos)
        << disagree.text;
}

// What the words do tell apart: saints of one stem by their declension, a day of the month
// that agrees with a movable feast, the weeks of Sundays and feasts.
TEST(ChurchYear, ReadsWhatItCanTellApart) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        // Lucia, 13 December; Lucius, 4 March; and the eve is never St Vigilius's day
        {"in festo sanctae Luciae", "13 Dicembre"},
        // Mary's assumption, Our Lady's ("domine nostre"), not the Lord's ("domini"), the
        // Ascension
        {"in festo assumptionis domine nostre beate Marie virginis anno 1350", "15 Agosto 1350"},
        {"in festo assumptionis anno 1350", "15 Agosto 1350"},
        // a confessor of a name the table's bare form gives a martyr or an apostle
        {"in festo sancti Edmundi confessoris anno domini 1350", "16 Novembre 1350"},
        {"in festo sancti Oswaldi confessoris anno domini 1350", "28 Febbraio 1350"},
        {"in festo sancti Stephani confessoris anno 1350", "20 Agosto 1350"},
        {"anno domini 1301 in festo assumptionis domini nostre sancte Marie", "15 Agosto 1301"},
        // two saints of one day named together (Giles and Lupus of Sens, 1 September); two of
        // two days are refused below
        {"anno Domini 1270, die mercurii post festum beatorum Egidii et Lupi", "03 Settembre 1270"},
        {"in festo sancti Egidii et sancti Lupi", "01 Settembre"},
        {"in vigilia sancti Martini", "10 Novembre"},
        // the sentence after the clause is no word of the saint's name, its stop set apart or
        // none: the amen, the witnesses
        {"anno Domini MCCLX, in festo sancti Martini. Amen.", "11 Novembre 1260"},
        {"anno Domini MCCLX, in festo sancti Michaelis Testibus hiis", "29 Settembre 1260"},
        {"anno Domini MCCLX, in festo sancti Egidii . Robertus scripsit.", "01 Settembre 1260"},
        // a Sunday in Lent is the first, Invocavit, unless the Introit sung names another
        // (Easter 1320 was 30 March)
        {"anno domini mcccxx dominica quadragesime qua cantatur officium Oculi", "02 Marzo 1320"},
        {"anno domini mcccxx dominica in quadragesima qua cantatur Letare", "09 Marzo 1320"},
        // the epithets charters give a saint whose name others share, where they say which
        {"anno domini mccc die beati Martini confessoris", "11 Novembre 1300"},
        {"anno domini mccc in festo beati Petri apostoli ad cathedram", "22 Febbraio 1300"},
        // an epithet many saints share says no other saint of the name is meant: St Nicholas
        // (the table has Nicholas of Tolentino and his summer feast too)
        {"Datum anno domini mccclxiiii die beati Nicolai confessoris.", "06 Dicembre 1364"},
        // Christmas, the Nativity's Pascha; Advent's Sundays by their Introit; St John before
        // the Latin Gate with his epithet
        {"in crastino Pasce Nativitatis Domini MCCCX", "26 Dicembre 1310"},
        {"dominica Ad te levavi 1310", "29 Novembre 1310"},
        {"dominica Gaudete 1310", "13 Dicembre 1310"},
        // (an apostle of a people who was no martyr may be called a confessor)
        {"in festo sancti Augustini Cantuariensis confessoris 1341", "26 Maggio 1341"},
        {"in festo sancti Iohannis evangeliste ante portam Latinam 1310", "06 Maggio 1310"},
        // a year by its form right after the titles and epithets that end a saint's name
        {"in die beate Agathe virginis 1300", "05 Febbraio 1300"},
        {"in festo omnium sanctorum 1300", "01 Novembre 1300"},
        {"in festo sancte Katherine virginis et martyris MCCC", "25 Novembre 1300"},
        {"in festo sancti Dionisii et sociorum eius 1300", "09 Ottobre 1300"},
        {"Datum anno Domini millesimo CCL, quarta die pasche.", "30 Marzo 1250"},
        {"anno domini 1307 quarto die nativitatis domini", "28 Dicembre 1307"},
        {"feria tertia intra octavas Epiphaniarum Domini anno 1524", "12 Gennaio 1524"},
        // "our Lady" before her name; and Christ's Nativity, "domini nostri", stays his
        {"anno 1300 in festo assumptionis domine nostre beate Marie virginis", "15 Agosto 1300"},
        // the first Sunday after an octave, which may itself be a Sunday (Easter's, 17 April)
        {"anno domini 1300 dominica prima post octavam Pasche", "24 Aprile 1300"},
        {"in die nativitatis domini nostri Iesu Christi anno 1300", "25 Dicembre 1300"},
        {"Datum anno domini mº.cccº.l. tercio die sancto pentecostes", "12 Maggio 1353"},
        // the Sundays of Lent counted "in quadragesima" (1300 a leap year, Easter 10 April)
        {"anno domini mccc dominica secunda in quadragesima", "06 Marzo 1300"},
        // the morrow with "die" after its word or before it
        {"anno domini mccc crastina die conuersionis sancti Pauli", "26 Gennaio 1300"},
        {"anno domini mccc die crastino conuersionis sancti Pauli", "26 Gennaio 1300"},
        // (a year's eighth before "die" is no octave: octauo die beati Valentini)
        {"Datum anno domini mºcccº octauo die beati Valentini", "14 Febbraio 1308"},
        {"anno domini mccc, ix. Oct. Dionysii", "09 Ottobre 1300"}, // the feast's own October day
        // (a fixed feast's own day is that day in any year: the year's century is warned of)
        {"anno domini lxi in festo sancti Martini", "11 Novembre 61"},
        // a day of the month beside a movable feast: answered where the two agree that year
        {"anno domini MCCLXXX, quarto kalendas maii, dominica Quasimodo", "28 Aprile 1280"},
        // the week a Sunday begins; the first Sunday after a feast; the scribes' ff and michi
        {"Datum autem anno eiusdem mdxix. fferia secunda Oculi.", "28 Marzo 1519"},
        {"in ffesto sancti Martini anno 1300", "11 Novembre 1300"},
        {"dominica prima post epiphaniam domini anno 1449", "12 Gennaio 1449"},
        {"Datum anno domini mocccol sexto dominica Esto michi.", "06 Marzo 1356"},
        // Iudica as the Sunday of the Passion
        {"Datum Ydstedh anno domini 1394 dominica passionis.", "05 Aprile 1394"},
        {"dominica Iudica anno 1394", "05 Aprile 1394"},
        {"Scriptum Bergis dominica in passione Domini anno 1309", "16 Marzo 1309"},
        // the Sundays counted after Easter, the weekdays of its week and Pentecost's
        {"dominica secunda proxima post festum pasce anno 1416", "03 Maggio 1416"},
        {"dominica Misericordia Domini anno 1416", "03 Maggio 1416"},
        {"die sancti Ianuarii anno 1300", "19 Settembre 1300"},
        {"Datum Romae, apud S. Petrum, in Dominica Resurrectionis, anno MMXX", "12 Aprile 2020"},
        {"fferia secunda in ebdomada pasche anno domini 1400", "19 Aprile 1400"},
        {"anno domini MCCCXVII sabbato in septimana penthecostes", "28 Maggio 1317"},
        // the days of Lent and Holy Week named with their weekday: Easter 1400 was 18 April
        {"sabbato Sitientes anno domini MCCCC", "03 Aprile 1400"},
        {"feria quarta cinerum anno 1400", "03 Marzo 1400"},
        {"sabbato sancto anno 1400", "17 Aprile 1400"},
        // a year by its form right after the feast's last word: "apostolorum", "Domini"
        {"in festo Petri et Pauli apostolorum 1320", "29 Giugno 1320"},
        // a letter's place in the vernacular before "die": no word that moves the day
        {"Stockholm die Jacobi Apostoli Anno Domini 1530", "25 Luglio 1530"},
        {"Translationis die sancti Martini anno 1300", tempidex::ErrorDateNotCorrect},
        // the Greater Litany, St Mark's day, in the i-ablative too
        {"in letania maiori anno 1300", "25 Aprile 1300"},
        {"dominica prima Adventus Domini 1320", "30 Novembre 1320"},
        // "die festo", the feast's day, is no count of its days after a year's last ordinal
        {"anno MCCCLX quarto die festo omnium sanctorum", "01 Novembre 1364"},
        {"tertio die festo beati Andree 1320", "02 Dicembre 1320"},
        {"primo die festi sancti Andree 1300", "30 Novembre 1300"},
        // "die post festum", the day after it
        {"die post festum sancti Martini anno 1300", "12 Novembre 1300"},
        // Palm Sunday "in ramis", "in palmis", "Osanna" after "dominica" (alone, no day); Iudica
        // "de passione"; a weekday of Pentecost's week "in Pentecoste"
        {"dominica in palmis anno 1300", "03 Aprile 1300"},
        {"dominica Osanna anno 1300", "03 Aprile 1300"},
        {"in ramis anno 1300", tempidex::ErrorDateNotCorrect},
        {"dominica de passione anno 1300", "27 Marzo 1300"},
        {"dominica Invocabit anno 1300", "28 Febbraio 1300"},
        {"feria secunda in Pentecoste anno 1300", "30 Maggio 1300"},
        {"sabbato in Pascha anno 1300", tempidex::ErrorDateNotCorrect},
        {"in sabbato sancto Pasche anno 1400", "17 Aprile 1400"},
        // the Lord's feast, "dominice" in the genitive before it: no Sunday
        {"anno 1300 in crastino dominice Ascensionis", "20 Maggio 1300"},
        {"anno 1300 in crastino Ascensionis", "20 Maggio 1300"},
        // the eve and the morrow cut short, as registers and regests write them; Matthias's
        // day is the 25th of February in a leap year, his eve the 24th
        {"D. in vig. Mathie, a. d. 1320.", "24 Febbraio 1320"},
        {"Datum Rome, crast. Andree apostoli anno MCCCXX", "01 Dicembre 1320"},
        // the spellings of scribes: Annonciacionis, Circoncisionem, Judei
        {"anno 1259 die veneris post Circoncisionem Domini", "03 Gennaio 1259"},
        // a place of two words after the verb, then the feast's day
        {"Datum Colonie Agrippine die sancte Magdalene anno a natali Christiano mdxxiij.",
         "22 Luglio 1523"},
        // "in die dominico" is a Sunday; the saint is Dominici
        {"in die dominico, sub III kal. octobris", "29 Settembre"},
        {"in die sancti Dominici", "05 Agosto"},
        // Pascha floridum, florida, floridam: Palm Sunday in any case, never Easter
        {"die Veneris ante Pascha floridam anno 1300", "01 Aprile 1300"},
        // names cut short as regests cut them, each the beginning of one feast's names
        {"Dat. in crastino s. Mich. 1300", "30 Settembre 1300"},
        {"dom. Quasim. 1300", "17 Aprile 1300"},
        {"in festo Corp. Chr. 1300", "09 Giugno 1300"},
        {"in festo s. Iohan. Bapt. 1300", "24 Giugno 1300"},
        {"in festo s. Mich. in monte Tumba 1300", "16 Ottobre 1300"},
        // the sentence ends after the saint's name: what follows is no epithet of his
        {"Actum anno MCCC in festo sancti Laurentii. Testes sunt", "10 Agosto 1300"},
        {"in die Innocentum? Nulli ergo anno MCCC", "28 Dicembre 1300"},
        // "videlicet", namely, between the relation and the feast
        {"in crastino uidelicet sancti Francisci confessoris anno 1368", "05 Ottobre 1368"},
        {"proxima secunda feria videlicet ante festum beati Georgij martiris anno 1298",
         "21 Aprile 1298"},
        {"D. feria IV. prox. post festum B. Laurentii a. D. millesimo ducentesimo nonagesimo nono.",
         "12 Agosto 1299"},
    };
    // (and so in a batch, whose words are classified once and kept for the lines after)
    WordMemo memo;
    for (const auto &[clause, answer] : cases) {
        EXPECT_EQ(LatinToModern(clause, {}).text, answer) << clause;
        std::string text;
        LatinToModern(clause, {}, text, nullptr, &memo);
        EXPECT_EQ(text, answer) << clause << " (in a batch)";
    }
}

// A double year (1350/51) is the year from 25 March: a feast before it falls in the later year,
// in any style asked for.
TEST(ChurchYear, ADoubleYearIsTheYearFromTheTwentyFifthOfMarch) {
    for (int year = 1300; year <= 1320; ++year) {
        const std::string doubled =
            std::to_string(year) + "/" + std::to_string(100 + (year + 1) % 100).substr(1);
        const DayOfMonth easter = EasterFromTheTables(year + 1, Reckoning::Historical);
        const long septuagesima = JulianDayNumber(year + 1, easter.month, easter.day, false) - 63;
        for (const LineOptions &options : {LineOptions{}, LineOptions{.styleGiven = true}}) {
            const auto answer = [&](const std::string &clause) {
                return LatinToModern(clause, options).text;
            };
            EXPECT_EQ(answer("in festo Purificationis beate Marie " + doubled),
                      "02 Febbraio " + std::to_string(year + 1));
            EXPECT_EQ(answer("in festo sancti Martini " + doubled),
                      "11 Novembre " + std::to_string(year));
            EXPECT_EQ(answer("dominica Septuagesime " + doubled),
                      JulianDayAnswer(septuagesima).first);
        }
    }
}

// In a leap year the 24th of February came twice, and St Matthias's day moved to the 25th.
TEST(ChurchYear, ALeapYearMovesTheFeastsFromTheTwentyFourthOfFebruary) {
    EXPECT_EQ(LatinToModern("in festo sancti Matthiae apostoli anno 1300", {}).text,
              "25 Febbraio 1300");
    EXPECT_EQ(LatinToModern("in festo sancti Matthiae apostoli anno 1301", {}).text,
              "24 Febbraio 1301");
    EXPECT_EQ(LatinToModern("in vigilia sancti Matthiae anno 1304", {}).text, "24 Febbraio 1304");
    const auto noYear = LatinToModern("in festo sancti Matthiae", {});
    EXPECT_EQ(noYear.text, "24 Febbraio");
    EXPECT_NE(noYear.warnings.find("bisestile"), std::string::npos) << noYear.warnings;
    // A day of the month written beside such a feast is checked against its day in that year,
    // in either order: the 24th is no feast of St Matthias in 1344, the 25th is
    for (const int year : {1343, 1344})
        for (const int day : {24, 25}) {
            const std::string month = "die " + std::to_string(day) + " mensis Februarii";
            const bool agrees = day == (year % 4 == 0 ? 25 : 24);
            const std::string answer = std::to_string(day) + " Febbraio " + std::to_string(year);
            for (const std::string &clause : {"anno domini " + std::to_string(year) + ", " + month +
                                                  ", in festo sancti "
                                                  "Mathie apostoli",
                                              "anno domini " + std::to_string(year) +
                                                  ", in festo sancti Mathie apostoli, " + month}) {
                const auto a = LatinToModern(clause, {});
                EXPECT_EQ(a.failed, !agrees) << clause;
                if (agrees) {
                    EXPECT_EQ(a.text, answer) << clause;
                }
            }
        }
    EXPECT_TRUE(LatinToModern("anno 1344, in vigilia sancti Mathie, die XXIII mensis Februarii", {})
                    .failed);
    // So is a day counted across the end of February from a feast before it: the octave of St
    // Peter's Chair (22 February) is the 29th in a leap year, the 1st of March in another
    for (const int year : {1264, 1265})
        for (const bool first : {true, false}) {
            const bool agrees = first != (year % 4 == 0);
            const std::string clause = std::string("in octava cathedre sancti Petri, que fuit ") +
                                       (first ? "kalendis Marcii" : "die xxix mensis Februarii") +
                                       ", anno domini " + std::to_string(year);
            const auto a = LatinToModern(clause, {});
            EXPECT_EQ(a.failed, !agrees) << clause;
            if (agrees) {
                EXPECT_EQ(a.text, (first ? "01 Marzo " : "29 Febbraio ") + std::to_string(year));
            }
        }
}

// A day by a feast that is not read, beside a date that is, is said: it may be the day the
// document was done, and the date read another.
TEST(ChurchYear, AFeastNotReadBesideADateIsWarnedOf) {
    for (const char *clause : {
             "Actum anno Domini MCCXXX, in festo sancti Ignoti. Nulli ergo. Data Reate, III "
             "Idus Februarii",
             "Actum anno Domini MCCXXX, in die sancti Ignoti. Data Reate, III Idus Februarii",
             "Actum anno Domini MCCXXX, in natali sancti Ignoti. Data III Idus Februarii",
             // (the weekday read as one, the feast it is counted from not)
             "Actum anno Domini MCCXXX, feria II post sancti Ignoti. Data III Idus Februarii",
         }) {
        const tempidex::Answer answer = LatinToModern(clause, {});
        EXPECT_EQ(answer.text, "11 Febbraio 1230") << clause;
        EXPECT_NE(answer.warnings.find("giorno per festa che non si legge: «"), std::string::npos)
            << clause << "\n"
            << answer.warnings;
        EXPECT_NE(answer.warnings.find("sancti Ignoti»"), std::string::npos) << answer.warnings;
    }
    // "postera die" after a date is the day after it, and no feast follows to read it by
    const tempidex::Answer after =
        LatinToModern("Data III Idus Februarii anno Domini MCCXXX, et postera die", {});
    EXPECT_NE(after.warnings.find("non si legge: «postera die»"), std::string::npos)
        << after.warnings;
    // (a feast read, and one the date agrees with, is no warning; nor is "octava die mensis"
    // after a saint's name, the day of the month and no octave)
    for (const char *clause :
         {"in festo sancti Martini, III Id. Nov. anno 1300",
          "anno 1389 feria sexta proxima ante diem beati Dyonisii episcopi octava die mensis "
          "octobris"})
        EXPECT_EQ(LatinToModern(clause, {}).warnings.find("non si legge"), std::string::npos)
            << clause;
}

// A year counted from 25 March or from Easter may hold a feast twice: both are said, and no
// day is answered. Florence's 1257 ran from 25 March 1257 to 24 March 1258, and held the
// Easters of 8 April 1257 and 24 March 1258.
// Where a saint was kept on other days in some regions, the warning names the day the clause
// gives by each of them: the Saturday after St Margaret's day at Konstanz (15 July), counted
// here from the Julian day numbers.
TEST(ChurchYear, TheWarningNamesTheDayByTheFeastKeptElsewhere) {
    for (int year = 1301; year <= 1307; ++year) {
        const long konstanz = JulianDayNumber(year, 7, 15, false);
        const long saturday = konstanz + 1 + (5 - (konstanz + 1) % 7 + 7) % 7; // JDN % 7 == 5
        const int day = static_cast<int>(saturday - JulianDayNumber(year, 7, 1, false)) + 1;
        const std::string told = std::to_string(day) + " Luglio " + std::to_string(year);
        const tempidex::Answer answer = LatinToModern(
            "anno " + std::to_string(year) + " sabbato post festum beate Margarete", {});
        EXPECT_NE(answer.warnings.find("15 Luglio (Costanza), che dà il " + told),
                  std::string::npos)
            << year << "\n"
            << answer.warnings;
    }
    // Without a year, the octave and the morrow are days from the feast all the same; a
    // weekday after it is not
    EXPECT_NE(LatinToModern("in octava beate Margarete", {}).warnings.find("che dà il 22 Luglio"),
              std::string::npos);
    EXPECT_NE(LatinToModern("in crastino beate Margarete", {}).warnings.find("che dà il 16 Luglio"),
              std::string::npos);
    EXPECT_EQ(LatinToModern("sabbato post festum beate Margarete", {}).text.find("che dà"),
              std::string::npos);
    // a weekday within the octave of the day kept elsewhere (Friday 13 July 1296: Tuesday 17th)
    EXPECT_NE(LatinToModern("anno 1296 tercia feria infra octavam beate Margarete", {})
                  .warnings.find("13 Luglio (molte diocesi tedesche), che dà il 17 Luglio 1296"),
              std::string::npos);
    // St Thomas without his title: the apostle's day, and in England Becket's may be meant; the
    // apostle named so is his alone
    const tempidex::Answer thomas = LatinToModern("in festo sancti Thome anno 1300", {});
    EXPECT_EQ(thomas.text, "21 Dicembre 1300");
    EXPECT_NE(thomas.warnings.find("29 Dicembre (Tommaso Becket"), std::string::npos);
    EXPECT_EQ(LatinToModern("in festo sancti Thome apostoli anno 1300", {}).warnings, "");
}

// A vigil that fell on a Sunday was kept on the Saturday before: the warning says so in those
// years alone (the day before St Lawrence's, 9 August, counted from the Julian day numbers).
TEST(ChurchYear, AVigilOnASundayIsWarnedOf) {
    for (int year = 1300; year <= 1310; ++year) {
        const bool sunday = JulianDayNumber(year, 8, 9, false) % 7 == 6;
        const tempidex::Answer answer =
            LatinToModern("in vigilia sancti Laurentii anno " + std::to_string(year), {});
        EXPECT_EQ(answer.text, "09 Agosto " + std::to_string(year));
        EXPECT_EQ(answer.warnings.find("la vigilia cade di domenica, e si osservava il sabato "
                                       "prima: 08 Agosto " +
                                       std::to_string(year)) != std::string::npos,
                  sunday)
            << year << "\n"
            << answer.warnings;
        // "pridie" is the day before, no vigil
        const tempidex::Answer before =
            LatinToModern("anno " + std::to_string(year) + " pridie sancti Laurentii", {});
        EXPECT_EQ(before.text, "09 Agosto " + std::to_string(year));
        EXPECT_EQ(before.warnings.find("vigilia"), std::string::npos) << before.warnings;
        // All Souls' day on a Sunday was kept on the Monday, and a day counted from it is
        // counted from the Monday too
        const bool soulsOnASunday = JulianDayNumber(year, 11, 2, false) % 7 == 6;
        for (const auto &[clause, warning] :
             {std::pair<std::string, std::string>{"in festo omnium animarum",
                                                  "si osservava il lunedì dopo: 03 Novembre "},
              {"in crastino omnium animarum", "contando da quel giorno, 04 Novembre "}}) {
            const tempidex::Answer souls =
                LatinToModern(clause + " anno " + std::to_string(year), {});
            EXPECT_EQ(souls.warnings.find(warning + std::to_string(year)) != std::string::npos,
                      soulsOnASunday)
                << clause << " " << year << "\n"
                << souls.warnings;
        }
    }
    // the Sundays counted after a feast are said by their number
    tempidex::LineOptions explain;
    explain.explain = true;
    EXPECT_NE(LatinToModern("dominica duodecima post Pentecosten anno 1300", explain)
                  .text.find("la 12ª domenica dopo, il 21 Agosto 1300"),
              std::string::npos);
    // Mid-Lent's Wednesday is the Wednesday before Laetare; the reading as Laetare, no
    // Wednesday, is said as another reading of the same year
    const tempidex::Answer wednesday =
        LatinToModern("feria quarta in media quadragesima anno 1300", {});
    EXPECT_EQ(wednesday.text, "16 Marzo 1300");
    EXPECT_NE(wednesday.warnings.find("si leggono anche in un altro modo"), std::string::npos)
        << wednesday.warnings;
    // and Easter's day with its article: "l'11 Aprile"
    EXPECT_NE(LatinToModern("feria quinta maioris ebdomade 1490", explain)
                  .text.find("7 giorni prima di Pasqua, l'11 Aprile): il primo giovedì dopo"),
              std::string::npos);
}

// "die veneris post festum Trinitatis, ante nativitatem sancti Johannis": a Friday counted from
// two feasts. Where one Friday lies between them it is the day; where two do, or none, the
// clause is refused. Trinity eight weeks after Easter as the tables find it, St John's day the
// 24th of June, the weekdays from the Julian day numbers.
TEST(ChurchYear, AWeekdayBetweenTwoFeastsIsTheOneBetweenThemOrNone) {
    int read = 0, refused = 0;
    for (int year = 1250; year <= 1290; ++year) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long trinity = JulianDayNumber(year, easter.month, easter.day, false) + 56;
        const long after = trinity + 5; // the Friday after that Sunday
        long before = JulianDayNumber(year, 6, 23, false);
        while (before % 7 != 4) // the last Friday before the 24th (0 is a Monday)
            --before;
        for (const std::string_view comma : {",", "", ", proxima", " et"}) {
            const tempidex::Answer answer =
                LatinToModern("Datum anno Domini " + std::to_string(year) +
                                  ", die veneris post festum Trinitatis" + std::string(comma) +
                                  " ante nativitatem sancti Johannis Baptiste.",
                              {});
            if (after == before) {
                EXPECT_EQ(answer.text, JulianDayAnswer(after).first) << year;
                ++read;
            } else {
                EXPECT_TRUE(answer.failed) << year << ": " << answer.text;
                ++refused;
            }
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
    // (in every style: 21 December 1240, St Thomas's day, was a Friday, and no Friday lay
    // between it and Christmas, whichever year the Nativity's style takes)
    LineOptions nativity;
    nativity.style = YearStyle::Nativity;
    nativity.styleGiven = true;
    EXPECT_TRUE(LatinToModern("Datum anno Domini 1240, die veneris post festum sancti Thome "
                              "apostoli, ante Natale Domini.",
                              nativity)
                    .failed);
    // (St John before the Latin Gate is his feast of 6 May, no bound)
    EXPECT_EQ(LatinToModern("in festo sancti Iohannis ante portam Latinam anno 1267", {}).text,
              "06 Maggio 1267");
}

// The Sundays of Lent counted: the first is six weeks before Easter, the fifth two, the sixth
// Palm Sunday; there is no seventh. Easter from the tables.
TEST(ChurchYear, TheSundaysOfLentCountedFromTheTables) {
    const std::array<std::string_view, 6> counts{"prima",  "secunda", "tercia",
                                                 "quarta", "quinta",  "sexta"};
    for (int year = 1290; year <= 1310; ++year) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long easterJdn = JulianDayNumber(year, easter.month, easter.day, false);
        for (std::size_t k = 0; k < counts.size(); ++k) {
            const long sunday = easterJdn - 42 + 7 * static_cast<long>(k);
            const int day = static_cast<int>(sunday - JulianDayNumber(year, 3, 1, false)) + 1;
            const std::string expected =
                day > 31   ? std::to_string(day - 31) + " Aprile"
                : day >= 1 ? std::to_string(day) + " Marzo"
                           : std::to_string(day + 28 + (year % 4 == 0)) + " Febbraio";
            const std::string clause = "anno domini " + std::to_string(year) + ", " +
                                       std::string(counts[k]) + " dominica quadragesime";
            const std::string answer = LatinToModern(clause, {}).text;
            EXPECT_EQ(answer.starts_with('0') ? answer.substr(1) : answer,
                      expected + " " + std::to_string(year))
                << clause;
        }
    }
    EXPECT_TRUE(LatinToModern("anno domini 1300, dominica septima quadragesime", {}).failed);
    EXPECT_TRUE(LatinToModern("anno domini 1300, feria sexta in quadragesima", {}).failed);
}

// The Sundays after Trinity run until Advent, counted here from Christmas's weekday: a Sunday
// the next year has not is still this year's.
TEST(ChurchYear, TheSundaysAfterTrinityRunUntilAdvent) {
    for (int year = 1250; year <= 1400; ++year) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long trinity = JulianDayNumber(year, easter.month, easter.day, false) + 56;
        const long christmas = JulianDayNumber(year, 12, 25, false);
        const long weekday = (christmas + 1) % 7; // 0 Sunday
        const long advent = christmas - (weekday == 0 ? 7 : weekday) - 21;
        for (int n = 20; n <= 27; ++n) {
            const long sunday = trinity + 7L * n;
            const std::string clause =
                "dominica " + std::to_string(n) + " post Trinitatem " + std::to_string(year);
            const tempidex::Answer answer = LatinToModern(clause, {});
            if (sunday < advent)
                EXPECT_EQ(answer.text, JulianDayAnswer(sunday).first) << clause;
            else
                EXPECT_TRUE(answer.failed) << clause << ": " << answer.text;
        }
    }
}

// The Sundays after Epiphany, and after a saint's day, counted from the first strictly after it
// (the 7th to the 13th of January for Epiphany); those after Epiphany end with Septuagesima,
// nine weeks before Easter. A masculine count before "dominica" ends the year, and counts no
// Sunday.
TEST(ChurchYear, TheSundaysAfterAFixedFeastCountFromTheFirstAfterIt) {
    for (int year = 1300; year <= 1313; ++year) {
        const std::string y = " anno " + std::to_string(year);
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long septuagesima = JulianDayNumber(year, easter.month, easter.day, false) - 63;
        for (const auto &[feast, month, day] :
             {std::tuple{"Epiphaniam", 1, 6}, std::tuple{"octavam Epiphanie", 1, 13},
              std::tuple{"festum sancti Michaelis", 9, 29}}) {
            const long first = JulianDayNumber(year, month, day, false) + 1;
            const long sunday = first + (7 - (first + 1) % 7) % 7;
            const std::string counts[] = {"prima", "secunda", "tercia", "quarta"};
            for (int n = 0; n < 4; ++n) {
                const tempidex::Answer a =
                    LatinToModern("dominica " + counts[n] + " post " + feast + y, {});
                if (month == 1 && sunday + 7 * n >= septuagesima)
                    EXPECT_TRUE(a.failed) << feast << " " << n << y;
                else
                    EXPECT_EQ(a.text, JulianDayAnswer(sunday + 7 * n).first)
                        << feast << " " << n << y;
            }
            if (month != 1 || sunday + 7 < septuagesima) {
                EXPECT_EQ(LatinToModern("secunda dominica post " + std::string(feast) + y, {}).text,
                          JulianDayAnswer(sunday + 7).first);
            }
        }
    }
    const long allSaints = JulianDayNumber(1364, 11, 1, false) + 1;
    EXPECT_EQ(
        LatinToModern("anno domini MCCCLX quarto dominica proxima post festum omnium sanctorum", {})
            .text,
        JulianDayAnswer(allSaints + (7 - (allSaints + 1) % 7) % 7).first);
}

// The Ember days, the Wednesday, Friday and Saturday of the week whose Wednesday is the first
// after Ash Wednesday, Pentecost, the Exaltation of the Cross (14 September) or St Lucy's (13
// December), each counted here from a plain day number; so those named by their season alone
// (in Quadragesima, Pentecostes, mensis Septembris, Adventus). From another feast they are not
// the weekday next to it, and are refused.
TEST(ChurchYear, TheEmberDaysFollowTheirFourDays) {
    const std::array<std::pair<std::string_view, int>, 3> weekdays{
        {{"feria quarta", 3}, {"feria sexta", 5}, {"sabbato", 6}}};
    struct Anchor {
        std::string_view feast, season;
        long day;
    };
    for (int year = 1300; year <= 1330; ++year) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        const long easterJdn = JulianDayNumber(year, easter.month, easter.day, false);
        const std::array<Anchor, 4> anchors{
            {{"post cinerum", "in Quadragesima", easterJdn - 46},
             {"post pentecostes", "Pentecostes", easterJdn + 49},
             {"post exaltationis sancte crucis", "mensis Septembris",
              JulianDayNumber(year, 9, 14, false)},
             {"post Lucie virginis", "Adventus", JulianDayNumber(year, 12, 13, false)}}};
        for (const Anchor &anchor : anchors)
            for (const auto &[weekday, number] : weekdays) {
                long wednesday = anchor.day + 1;
                while ((wednesday + 1) % 7 != 3)
                    ++wednesday;
                const long day = wednesday + number - 3;
                for (const std::string_view named : {anchor.feast, anchor.season}) {
                    const std::string clause = "anno domini " + std::to_string(year) + " " +
                                               std::string(weekday) + " quatuor temporum " +
                                               std::string(named);
                    EXPECT_EQ(LatinToModern(clause, {}).text, JulianDayAnswer(day).first) << clause;
                }
            }
    }
    for (const std::string_view clause :
         {"anno domini 1360 sabbato quatuor temporum ante festum Michaelis",
          "anno domini 1340 feria quarta quatuor temporum mensis Maii",
          "anno domini 1340 feria tertia quatuor temporum Pentecostes",
          "anno domini 1353 feria secunda quatuor temporum post Lucie",
          "anno domini 1382 feria quarta quatuor temporum post octavam pentecostes",
          "anno domini 1360 sabbato quatuor temporum quo cantatur Venite adoremus"})
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    EXPECT_EQ(LatinToModern("anno domini 1341 sabbato post Lucie quatuor temporum", {}).text,
              "22 Dicembre 1341");
    EXPECT_EQ(LatinToModern("anno domini 1301 sabbato post Lucie, quatuor temporibus", {}).text,
              "23 Dicembre 1301");
    EXPECT_EQ(
        LatinToModern("anno domini m cd primo sabbato iiiior temporum ante trinitatis", {}).text,
        "28 Maggio 1401");
}

// A saint's name two saints bear: Henry the emperor, 13 July, in the Empire; Henry the bishop,
// 19 January, in Sweden and Finland. The warning names both days.
TEST(ChurchYear, AFeastTwoSaintsShareIsNamedWithBothDays) {
    const tempidex::Answer answer =
        LatinToModern("Datum Stocholmis anno Dominj Mº ccclxx quinto die sancti Henrici", {});
    EXPECT_EQ(answer.text, "13 Luglio 1375");
    EXPECT_NE(answer.warnings.find("19 Gennaio (Uppsala e Åbo, il vescovo Enrico)"),
              std::string::npos)
        << answer.warnings;
}

// An Easter year runs from one Easter to the next, and holds the days between the earlier
// Easter's date and the later one's twice: 22 April of the year 1271 so counted is 22 April
// 1271 (Easter the 5th) and 22 April 1272 (Easter the 24th). Answered in the modern style,
// the warning says the Easter style gives the next year too, in those years alone (Easter from
// the tables); a feast's day there is said with its own day in the next year.
TEST(ChurchYear, AnEasterYearThatHoldsTheDayTwiceIsWarnedOf) {
    const auto fromMarch = [](DayOfMonth d) { return d.month == 3 ? d.day : 31 + d.day; };
    int twice = 0;
    for (int year = 1250; year <= 1300; ++year) {
        const bool holds =
            fromMarch(EasterFromTheTables(year, Reckoning::Historical)) <= 31 + 22 &&
            31 + 22 < fromMarch(EasterFromTheTables(year + 1, Reckoning::Historical));
        const tempidex::Answer answer =
            LatinToModern("anno Domini " + std::to_string(year) + ", X kal. Maii", {});
        EXPECT_EQ(answer.text, "22 Aprile " + std::to_string(year));
        EXPECT_EQ(answer.warnings.find("lo stile pasquale (l'anno comincia a Pasqua) dà anche il " +
                                       std::to_string(year + 1)) != std::string::npos,
                  holds)
            << year << ": " << answer.warnings;
        twice += holds ? 1 : 0;
    }
    EXPECT_GT(twice, 0);
    // and one that has no such day, where the later Easter comes early: answered in the next
    // year, as editors date it, and said
    int none = 0;
    for (int year = 1250; year <= 1300; ++year) {
        const bool lacks =
            31 + 22 < fromMarch(EasterFromTheTables(year, Reckoning::Historical)) &&
            fromMarch(EasterFromTheTables(year + 1, Reckoning::Historical)) <= 31 + 22;
        const tempidex::Answer answer = LatinToModern(
            "anno Domini " + std::to_string(year) + " more gallicano, X kal. Maii", {});
        EXPECT_EQ(answer.text, "22 Aprile " + std::to_string(lacks ? year + 1 : year)) << year;
        EXPECT_EQ(answer.warnings.find("non ha il 22 Aprile") != std::string::npos, lacks)
            << year << ": " << answer.warnings;
        none += lacks ? 1 : 0;
    }
    EXPECT_GT(none, 0);
    // (after the reform in the old style, by the old Easter: 5 April 1607, 15 April new style)
    EXPECT_EQ(LatinToModern("die 5 aprilis 1607 more gallicano st. v.", {}).text, "05 Aprile 1607");
    const tempidex::Answer feast = LatinToModern(
        "Datum anno Domini millesimo ducentesimo septuagesimo primo, die mercurii ante festum "
        "beati Marci evangeliste.",
        {});
    EXPECT_EQ(feast.text, "22 Aprile 1271");
    EXPECT_NE(feast.warnings.find("dà anche il 20 Aprile 1272"), std::string::npos)
        << feast.warnings;
    // (with another style asked for, each style is named once, the Easter style's days both)
    LineOptions pisan;
    pisan.style = YearStyle::Pisan;
    pisan.styleGiven = true;
    pisan.explain = true;
    const std::string easter = LatinToModern("anno Domini MCCLVII, in die Pasche", pisan).text;
    EXPECT_EQ(easter.find("lo stile fiorentino"), easter.rfind("lo stile fiorentino")) << easter;
    EXPECT_NE(easter.find("dà l'8 Aprile 1257 o il 24 Marzo 1258"), std::string::npos) << easter;
    EXPECT_NE(easter.find("lo stile pasquale"), std::string::npos) << easter;
    // (and Pisa's year 1258, from 25 March 1257, held the Easters of 1257 and 1258 both)
    EXPECT_NE(LatinToModern("anno ab incarnatione Domini MCCLVIII, in die Pasche", {})
                  .warnings.find("lo stile pisano (l'anno comincia il 25 Marzo) dà anche l'8 "
                                 "Aprile 1257"),
              std::string::npos);
}

// The month written beside a movable feast settles the style of its year as the weekday does:
// "anno Domini MCCLXXVIII, mense marcio, dominica in Ramis Palmarum" is Palm Sunday 1279, the
// 26th of March, in the year from Easter that Paris counted; 1278's fell in April. Where
// neither year's Palm Sunday is in March, the clause is refused. Easter from the tables.
TEST(ChurchYear, TheMonthWrittenSettlesTheStyleOfAMovableFeast) {
    const auto palmSunday = [](int year) {
        const DayOfMonth easter = EasterFromTheTables(year, Reckoning::Historical);
        return JulianDayNumber(year, easter.month, easter.day, false) - 7;
    };
    const auto inMarch = [](long jdn) {
        return JulianDayAnswer(jdn).first.find("Marzo") != std::string::npos;
    };
    int settled = 0;
    for (int year = 1250; year <= 1300; ++year) {
        const tempidex::Answer answer =
            LatinToModern("Datum anno Domini " + std::to_string(year) +
                              ", mense marcio, dominica in Ramis Palmarum.",
                          {});
        if (inMarch(palmSunday(year))) {
            EXPECT_EQ(answer.text, JulianDayAnswer(palmSunday(year)).first);
        } else if (inMarch(palmSunday(year + 1))) {
            EXPECT_EQ(answer.text, JulianDayAnswer(palmSunday(year + 1)).first) << year;
            EXPECT_NE(answer.warnings.find("il mese scritto (Marzo) è di quest'anno"),
                      std::string::npos)
                << answer.warnings;
            ++settled;
        } else {
            EXPECT_TRUE(answer.failed) << year << ": " << answer.text;
        }
    }
    EXPECT_GT(settled, 0);
}

// The season of a saint's feast said before his name, as charters of Paris say it ("die jovis
// post estivale festum beati Martini", "in festo hyemali beati Nicholai"), is the feast the
// table names with the season after the name: St Martin's of summer, 4 July; St Benedict's,
// 11 July; St Nicholas's of winter, 6 December. A season no feast of the saint has is refused.
// Weekdays from the Julian day numbers.
TEST(ChurchYear, TheSeasonBeforeASaintsNameSaysWhichFeast) {
    for (const int year : {1277, 1278}) {
        long jdn = JulianDayNumber(year, 7, 5, false);
        while (jdn % 7 != 3) // the first Thursday after 4 July (0 is a Monday)
            ++jdn;
        for (const std::string_view words :
             {"post estivale festum beati Martini", "post festum estivale beati Martini",
              "post festum beati Martini estivalis"})
            EXPECT_EQ(LatinToModern("Datum anno Domini " + std::to_string(year) + ", die jovis " +
                                        std::string(words) + ".",
                                    {})
                          .text,
                      JulianDayAnswer(jdn).first)
                << words << " " << year;
    }
    EXPECT_EQ(LatinToModern("anno Domini 1277, in estivali festo sancti Benedicti", {}).text,
              "11 Luglio 1277");
    EXPECT_EQ(LatinToModern("anno Domini 1280, in festo hyemali beati Nicholai", {}).text,
              "06 Dicembre 1280");
    for (const std::string_view clause :
         {"anno Domini 1280, in festo hyemali beati Benedicti",
          "anno Domini 1270, in festo estivali sancti Martini hyemalis",
          "anno Domini 1280, in festo estivali beati Petri", "anno Domini 1280, in festo estivali"})
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
}

// "in va die pentecostes" counts the feast's days: the count is never left out.
TEST(ChurchYear, ACountBeforeDieIsNeverLeftOut) {
    EXPECT_TRUE(LatinToModern("anno Domini m°cd° quinto, in v(a) die pentecostes", {}).failed);
    EXPECT_FALSE(LatinToModern("anno Domini m°cd° quinto, in die pentecostes", {}).failed);
}

TEST(ChurchYear, AYearThatHoldsAFeastTwiceGivesNoDay) {
    LineOptions florentine;
    florentine.style = YearStyle::Florentine;
    florentine.styleGiven = true;
    florentine.explain = true;
    const auto easter = LatinToModern("in festo Pasche anno 1257", florentine);
    EXPECT_TRUE(easter.failed);
    EXPECT_NE(easter.text.find("8 Aprile 1257 o il 24 Marzo 1258"), std::string::npos)
        << easter.text;
    LineOptions easterStyle = florentine;
    easterStyle.style = YearStyle::Easter;
    EXPECT_TRUE(LatinToModern("in festo sancti Ambrosii anno 1301", easterStyle).failed);
    EXPECT_FALSE(LatinToModern("in festo sancti Ambrosii anno 1301", florentine).failed);
}

TEST(ChurchYear, AMovableFeastWithoutItsYearIsAnError) {
    const auto answer = LatinToModern("dominica Invocavit", {});
    EXPECT_TRUE(answer.failed);
    EXPECT_EQ(answer.text.substr(0, answer.text.find('\t')), "ERRORE - Anno non corretto");
    EXPECT_TRUE(LatinToModern("infra octavam sancti Martini anno 1300", {}).failed);
}

TEST(ChurchYear, TheCalendarNamesAsEasterTheDayTheReaderGives) {
    for (int year = 1000; year <= 2100; ++year) {
        const DayOfMonth easter = TableOf(year, Reckoning::Historical).easter;
        const std::string text = YearCalendarText(year, Reckoning::Historical);
        const std::size_t line = text.find("\nPasqua ");
        ASSERT_NE(line, std::string::npos);
        const std::string shown = text.substr(line, text.find('\n', line + 1) - line);
        std::string clause = "dominica Paschae anno ";
        const auto answer = LatinToModern(clause.append(std::to_string(year)), {});
        const std::string day = answer.text.substr(0, answer.text.find(' '));
        std::string shownDay(1, ' ');
        shownDay.append(std::to_string(easter.day)).push_back(' ');
        EXPECT_NE(shown.find(shownDay), std::string::npos) << year;
        EXPECT_EQ(std::stoi(day), easter.day) << year << " " << answer.text;
        EXPECT_NE(answer.text.find(easter.month == 3 ? "Marzo" : "Aprile"), std::string::npos);
    }
}

TEST(ChurchYear, BolognaCountsTheMonthInAndOut) {
    const auto day = [](const std::string &clause) {
        const auto a = LatinToModern(clause, {});
        return a.text.substr(0, a.text.find('\t'));
    };
    EXPECT_EQ(day("die tertio intrante mense iunio anno 1300"), "03 Giugno 1300");
    EXPECT_EQ(day("die primo exeunte decembri anno 1300"), "31 Dicembre 1300");
    EXPECT_EQ(day("die secundo exeunte mense februarii anno 1300"), "28 Febbraio 1300"); // leap
    EXPECT_EQ(day("die secundo exeunte mense februarii anno 1301"), "27 Febbraio 1301");
    EXPECT_EQ(day("die sextodecimo exeunte iulio anno 1301"), "16 Luglio 1301");
    EXPECT_EQ(day("die quarto mensis iunii exeunte anno 1300"), "27 Giugno 1300");
    EXPECT_EQ(day("anno 1300, die lune secundo exeunte mense februarii"), "28 Febbraio 1300");
    EXPECT_TRUE(LatinToModern("die decimo septimo exeunte iulio anno 1301", {}).failed);
    // (February's second half is its last 14 days, 15 in a leap year)
    EXPECT_EQ(day("die XIV exeunte februario anno 1301"), "15 Febbraio 1301");
    EXPECT_EQ(day("die XV exeunte februario anno 1300"), "15 Febbraio 1300");
    EXPECT_TRUE(LatinToModern("die XV exeunte februario anno 1301", {}).failed);
    // "stante" counted in some towns from the first, in others back from the last: refused
    // where the two differ, read where the count back is past the month's second half
    EXPECT_TRUE(LatinToModern("die II stante iulio 1340", {}).failed);
    EXPECT_TRUE(LatinToModern("die II astante mense iulii 1340", {}).failed);
    EXPECT_EQ(day("die XX stante iulio 1340"), "20 Luglio 1340");
    // The month's last day, as chanceries wrote it
    EXPECT_EQ(day("die ultima mensis februarii anno 1300"), "29 Febbraio 1300");
    EXPECT_EQ(day("die ultimo Maii MDXV"), "31 Maggio 1515");
}

// A weekday of Easter week or Pentecost's, by its feria: feria quarta Paschae is Wednesday.
TEST(ChurchYear, ReadsTheDaysOfEasterWeek) {
    for (int year = 1300; year <= 1320; ++year) {
        const DayOfMonth easter = EasterOf(year, Reckoning::Historical);
        // the quindene, two weeks on
        const std::string quindene =
            JulianDayAnswer(JulianDayNumber(year, easter.month, easter.day, false) + 14).first;
        EXPECT_EQ(LatinToModern("in quindena Pasche anno " + std::to_string(year), {}).text,
                  quindene)
            << year;
        // the third day of Easter, its own the first: Tuesday, as "quarta feria" is Wednesday
        const std::string tuesday =
            JulianDayAnswer(JulianDayNumber(year, easter.month, easter.day, false) + 2).first;
        EXPECT_EQ(LatinToModern("tercia die pasche anno " + std::to_string(year), {}).text, tuesday)
            << year;
        // the Saturday "in albis", and the Rogation days' Sunday and the Saturday before it
        const long easterDay = JulianDayNumber(year, easter.month, easter.day, false);
        const std::string y = " anno " + std::to_string(year);
        EXPECT_EQ(LatinToModern("sabbato in albis" + y, {}).text,
                  JulianDayAnswer(easterDay + 6).first);
        EXPECT_EQ(LatinToModern("dominica rogationum" + y, {}).text,
                  JulianDayAnswer(easterDay + 35).first);
        EXPECT_EQ(LatinToModern("sabbato ante rogationes" + y, {}).text,
                  JulianDayAnswer(easterDay + 34).first);
        // Holy Week, "maior hebdomada", the week Palm Sunday begins
        EXPECT_EQ(LatinToModern("feria tercia maioris ebdomade" + y, {}).text,
                  JulianDayAnswer(easterDay - 5).first);
        EXPECT_EQ(LatinToModern("sabbato maioris hebdomadae" + y, {}).text,
                  JulianDayAnswer(easterDay - 1).first);
        EXPECT_EQ(LatinToModern("feria quarta in ebdomada maiori" + y, {}).text,
                  JulianDayAnswer(easterDay - 4).first);
        EXPECT_EQ(LatinToModern("dominica maioris ebdomade" + y, {}).text,
                  JulianDayAnswer(easterDay - 7).first);
        // (septimana, the week, is no ordinal misspelt)
        const tempidex::Answer week =
            LatinToModern("feria tercia maioris septimane " + std::to_string(year), {});
        EXPECT_EQ(week.text, JulianDayAnswer(easterDay - 5).first);
        EXPECT_EQ(week.warnings.find("ordinale"), std::string::npos) << week.warnings;
        // a saint's feast's days, its own the first, where "festi" says the days are the feast's
        EXPECT_EQ(LatinToModern("tertio die festi beati Martini" + y, {}).text,
                  JulianDayAnswer(JulianDayNumber(year, 11, 13, false)).first);
        // counted on from the three days, or the three alone, no one day
        for (const char *unsaid : {"feria sexta post rogationes", "in crastino rogationum",
                                   "in diebus rogationum", "feria quinta rogationum"})
            EXPECT_TRUE(LatinToModern(unsaid + y, {}).failed) << unsaid;
        const long wednesday = JulianDayNumber(year, easter.month, easter.day, false) + 3;
        std::string clause = "quarta feria sacri pasce anno ";
        const auto answer = LatinToModern(clause.append(std::to_string(year)), {});
        const auto wanted = JulianDayNumber(year, easter.month, easter.day + 3, false);
        ASSERT_EQ(wanted, wednesday);
        const int day = std::stoi(answer.text.substr(0, 2));
        EXPECT_EQ(JulianDayNumber(year, answer.text.find("Aprile") != std::string::npos ? 4 : 3,
                                  day, false),
                  wednesday)
            << year << " " << answer.text;
    }
}

// Saints' titles by their initials, names spelt as scribes spelt them, and the year's
// ordinals cut short with their mark (millº, ducº, octogº); a cut that several ordinals begin
// with (sexº: sextus, sexagesimus, sexcentesimus) is a number no one can read.
TEST(ChurchYear, ReadsWhatScribesAbbreviate) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"anno 1266 in festo S. Nicholai", "06 Dicembre 1266"},
        {"anno 1266 in festo BB. Petri et Pauli", "29 Giugno 1266"},
        {"anno 1308 in vigilia assumpcionis sancte Marie", "14 Agosto 1308"},
        {"Datum anno Domini millº trecº quarto in festo beati Marci", "25 Aprile 1304"},
        {"anno Domini Mº ducº octogº tercio in festo S. Marci", "25 Aprile 1283"},
        {"anno 1366 feria tercia ante purificacionem beate uirginis", "27 Gennaio 1366"},
        {"anno 1251 die Jovis post festum beatorum Jacobi et Christofori", "27 Luglio 1251"},
        {"anno 1283 die mercuri post festum sancti Petri ad Vincla", "04 Agosto 1283"},
        {"anno 1259 die sabati proximo post Pascham", "19 Aprile 1259"},
        {"anno 1300 dominica die in vigilia Assumptionis", "14 Agosto 1300"},
        {"anno 1300 sabbato die post festum conceptionis beate virginis", "10 Dicembre 1300"},
        {"in Sancto Emerico, in oct. Georgii mart. anno 1379", "30 Aprile 1379"},
        // a saint's feast as his birthday, and Christmas's name beside it
        {"in natale Sancti Mathei apostoli anno 1300", "21 Settembre 1300"},
        {"Actum natale sancti Martini, anno 1300", "11 Novembre 1300"},
        {"in natale Domini anno 1300", "25 Dicembre 1300"},
        // the genitive of a name in -ius with one i
        {"Datum Prage anno domini 1356 proxima feria secunda ante diem Laurenti.",
         "08 Agosto 1356"},
        {"anno 1300 in festo sancti Bonifati", "05 Giugno 1300"},
        // w for the u it doubles
        {"die iouis proxima ante festum beati Luce Ewangeliste anno domini 1316",
         "14 Ottobre 1316"},
        // the count before the Sunday
        {"anno Domini MCCCVII in tercia dominica adventus", "17 Dicembre 1307"},
        // the Introits as the Empire's chanceries wrote them, run together or with o for u
        {"Datum dominica Quasimodogeniti anno domini MCCCXX", "06 Aprile 1320"},
        {"Datum dominica Estomihi anno domini MCCCXX", "10 Febbraio 1320"},
        {"Datum dominica Vocem jocunditatis anno domini MCCCXX", "04 Maggio 1320"},
        // the very day; the day after the place where the letter was given
        {"anno 1248 ipso die natiuitatis sancti Iohannis Babtiste", "24 Giugno 1248"},
        {"in natali Domini anno 1300", "25 Dicembre 1300"},
        // a pope's, a king's or a bishop's title before the name, as after it
        {"in octavis festi beati regis Stephani, anno domini MCCCXL", "27 Agosto 1340"},
        {"in festo sancti pape Martini anno domini MCCCLX", "12 Novembre 1360"},
        {"in festo sancti episcopi Ludovici anno 1360", "19 Agosto 1360"},
        {"Scriptum Lundis die beati Laurentii anno 1300", "10 Agosto 1300"},
        {"Datum in domo nostra octava beati Bartholomei apostoli anno domini 1504",
         "31 Agosto 1504"},                                  // after the place's possessive
        {"Genevae die pentecostes 1552.", "05 Giugno 1552"}, // a letter's place begins its line
        {"anno 1278 in festo sanctorum Nerei et Achillis", "12 Maggio 1278"},
        {"mense januario, in festivitate Beatissimi Vincentii martiris anno 1200",
         "22 Gennaio 1200"},
        {"die Lune post festivitatem sancti Laurentii anno 1200", "14 Agosto 1200"},
        {"anno Domini 1285, die mercurii [8 augusti] ante festum beati Laurentii",
         "08 Agosto 1285"}, // the editor's gloss passed over
        {"Datum anno 1200, festivitate sancti Laurentii", "10 Agosto 1200"},
        // crastina; die ipso; ff for a capital F; "in presencia" after the feast is no
        // other feast "in" names (in vinculis)
        {"anno 1397 crastina sancti Nicolai", "07 Dicembre 1397"},
        {"Datum Tiguri postera die Iacobi, anno 1572.", "26 Luglio 1572"},
        {"Datum anno Domini 1300 sequenti die beati Laurentii", "11 Agosto 1300"},
        {"Sequente die beati Laurentii anno 1300", "11 Agosto 1300"}, // (no place: the morrow)
        {"Datum anno domini m.ccc. nonagesimo septimo prefesto beati Martini episcopi.",
         "10 Novembre 1397"},
        {"Bernae pridie ascensionis 1561.", "14 Maggio 1561"}, // pridie: the eve
        {"anno 1424 die ipso sancti Michaelis archangeli", "29 Settembre 1424"},
        {"anno 1465 fferia iiija proxima ante festum cathedre sancti Petri apostoli",
         "20 Febbraio 1465"},
        {"anno 1327 in uigilia beati Laurencii in presencia nostra", "09 Agosto 1327"},
        // (and after a saint another of whose feasts goes on with "in": Michaelis in monte)
        {"anno 1308 in crastino beati Michaelis in presencia nostra", "30 Settembre 1308"},
        {"anno 1300 in festo sancti Petri in vinculis", "01 Agosto 1300"},
        // (and "et": St Lucy's epithets, not Luciae et Geminiani, another day's pair)
        {"anno 1334 in festo beate Lucie uirginis et martiris.", "13 Dicembre 1334"},
        {"anno 1334 in festo sanctorum Lucie et Geminiani martirum", "16 Settembre 1334"},
        // mid-Lent Sunday is Laetare; the humanists' "divi"; a pair the table names
        {"anno domini m cc lxxx in proximo sabbato ante dominicam medie quadragesime",
         "30 Marzo 1280"},
        {"Datę sunt in festo divi Thomę apostoli anno 1523", "21 Dicembre 1523"},
        {"die sanctorum martirum Cristofori et Cucuphati anno domini mdxiii", "25 Luglio 1513"},
        // postridie as crastino; sabatho, ferya, Sabatti, domenica as scribes spelt them
        {"Constantinopoli, postridie Corporis Christi 1530.", "17 Giugno 1530"},
        {"Varadini Sabatho ante Dominicam Reminiscere anno Domini 1545.", "28 Febbraio 1545"},
        {"anno domini 1430, ferya tercia ante festum beati Otmari abbatis.", "14 Novembre 1430"},
        {"anno 1250, die Sabatti post festum beati Luce evangeliste.", "22 Ottobre 1250"},
        {"anno domini 1296 proxima domenica post octavam epiphanie.", "15 Gennaio 1296"},
        {"anno 1236 in festo Rogaciani et Donatiani martyrum", "24 Maggio 1236"},
        // the genitive of -ius with one i; but Marcii is March, never St Mark's octave
        {"anno 1443 die beati Gorgoni martyris", "09 Settembre 1443"},
        {"Datum anno 1402 die octaua Marcii", "08 Marzo 1402"},
        {"Datum Bergis in die sancti Marcij pape et confessoris, anno domini millesimo ccc. o "
         "xvj. o",
         "07 Ottobre 1316"},
        // the Virgin alone after one of her feasts: the feast is Mary's
        {"anno 1299 in festo natiuitatis beate uirginis", "08 Settembre 1299"},
        {"anno 1363 tercia feria infra octauam natiuitatis beate uirginis Marie nostro sub sigillo",
         "12 Settembre 1363"},
        // "post diem", "hyemale festum", the Apostle's title before "ad vincula", and
        // "proximo" after the feast saying which Saturday
        {"anno 1310 sabbato post diem beati Nicolai proximo", "12 Dicembre 1310"},
        {"anno 1300 die Jovis post hyemale festum sancti Nicolai", "08 Dicembre 1300"},
        {"anno 1302 die lune ante festum beati Petri apostoli ad Vincula", "30 Luglio 1302"},
        {"anno Domini MCCCVII tercia dominica post Pentecosten", "04 Giugno 1307"},
        {"anno Domini Mº ccº sexº, in festo S. Marci", ErrorYearNotCorrect},
        // and "Mº quinº" is also "mense Quintili": neither reading takes every number
        {"anno Domini Mº quinº, in festo S. Marci", ErrorYearNotCorrect},
    };
    for (const auto &[clause, wanted] : cases)
        EXPECT_EQ(LatinToModern(clause, {}).text, wanted) << clause;
}

TEST(ChurchYear, MonthCalendarFitsAndSkipsTheReformsDays) {
    const std::string october = MonthCalendarText(1582, 10, Reckoning::Historical);
    EXPECT_NE(october.find("\n 4 giovedì"), std::string::npos);
    EXPECT_NE(october.find("\n15 venerdì"), std::string::npos);
    EXPECT_EQ(october.find("\n 5 "), std::string::npos);
    for (std::size_t start = 0; start < october.size();) {
        const std::size_t end = october.find('\n', start);
        const std::string line = october.substr(start, end - start);
        std::size_t letters = 0;
        for (const char c : line)
            letters += (c & 0xC0) != 0x80;
        EXPECT_LE(letters, 79u) << line;
        start = end + 1;
    }
}

} // namespace
