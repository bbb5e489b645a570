// The grammar of a dating clause: one small rule for each phrase a clause is made of. Each
// rule looks at the words from `at` and adds every phrase that can begin there, one for each
// way of reading its words; the words no rule takes are places, names and verbs, and are
// skipped. Which phrases make the clause's reading is chosen afterwards (readings.h).
//
//   the date           [sub] [die] [a. d. | ante diem | ad] [bis] N Kal.|Non.|Id. Month [(a. i.)]
//                      pridie | postridie Kal. Month;  Kalendis Month;  Kalendarum Month die;
//                      bissexto Kal. Martii (the doubled day)
//   the day of month   die N [mensis] Month;  N die [mensis] Month;  N [mensis] Month;
//                      mense Month die N;  Month die N
//   a year and formula anno [ab incarnatione Domini | salutis | a Christo nato ...] N [era];
//                      [dominicae incarnationis] anno N;  anno N ab urbe condita;
//                      a. gr. N, a. dni N (anno cut short before its formula);  a. N of
//                      four digits or from M up
//   an era, a number   A. D. N
//   a number, an era   N A.D. | a.u.c. | a.C. | P. C. N. | B.C.;  or a year alone: N of four
//                      digits, or a numeral from M up, next to the date
//   the Spanish era    Era N: the year of the Lord is N - 38
//   an editor's year   a. N (the year of the city, as the editor's gloss says)
//   a reign            pontificatus nostri anno N;  anno N regni;  regnante ... anno N;
//                      N ducatus | regni nostri anno;
//                      N anno regnante | <name> regis | <name> papae
//                      anno N (no formula, no era): the year of a reign or a pontificate;
//                      episcopatus domni <name>, <his titles>, N;  regnante ... <name> N,
//   the year elsewhere anno ut supra | eodem anno;  anno mundi N;  N a <an event>;
//                      anno quo <an event>;  anno in Christi nomine N (a king's year)
//   consuls            <names and numbers> coss.;  consulibus | post consulatum <names>
//   indiction          indictione N;  N indictione
//   weekday            feria N;  dominica;  sabbato;  die Lunae ... die Veneris
//   a month            mense Maio: the month the date falls in, checked
//   hour, almanac      hora [diei] N;  inter terciam et nonam;  post | ante | circa | usque ad
//                      primam | terciam | sextam | nonam;  epacta N, concurrente N, luna N, cyclo N
//   initials           B. V. M., S. R. E., d. n., L. Pisone, D. M.: letters that are no numbers
//   a pope's number    Honorii papae III
//   a ruler's number   Ottonis III. imper.;  Victoris II papae;  secundi Ottonis
//   verbs              datum, actum, scriptum | acc. | pp., lecta: whose date follows
//   id est             a gloss of the scribe's
//   an epitaph's age   vixit annos N [menses N] [dies N] [horas N]: no date's numbers
//   the calendar       stilo veteri | vetere calculo | veteris: Julian;  novo calculo |
//                      Gregoriano calculo | Gregoriani: Gregorian
//   the year's style   more | stilo | secundum cursum ... veneto | florentino | pisano |
//                      gallicano;  N m. v.: the style the year is counted in
//   the church year    in festo | vigilia | crastino | octava <feast>;  feria N | die Veneris
//                      post | ante <feast>;  dominica Invocavit;  dominica N post Pentecosten
//                      (church_rules.cpp)
//   Bologna's days     die N intrante | exeunte [mense] Month: counted from the first or the last
#pragma once

#include "phrases.h"
#include "reading/words/words.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace tempidex {

using Rule = void (*)(const Words &words, std::size_t at, Phrases &phrases);

// The date (roman_date_rule.cpp, day_of_month_rules.cpp)
void RomanDateRule(const Words &words, std::size_t at, Phrases &phrases);
void DayOfMonthRule(const Words &words, std::size_t at, Phrases &phrases);

// The year (year_rules.cpp)
void FormulaYearRule(const Words &words, std::size_t at, Phrases &phrases);
void EraYearRule(const Words &words, std::size_t at, Phrases &phrases);
void SpanishEraRule(const Words &words, std::size_t at, Phrases &phrases);
void NumberYearRule(const Words &words, std::size_t at, Phrases &phrases);
void EditorsYearRule(const Words &words, std::size_t at, Phrases &phrases);

// The year given otherwise (reign_rules.cpp)
void ReignRule(const Words &words, std::size_t at, Phrases &phrases);
void YearElsewhereRule(const Words &words, std::size_t at, Phrases &phrases);
void ConsulsRule(const Words &words, std::size_t at, Phrases &phrases);

// What else a clause says (context_rules.cpp)
void IndictionRule(const Words &words, std::size_t at, Phrases &phrases);
void WeekdayRule(const Words &words, std::size_t at, Phrases &phrases);
void HourRule(const Words &words, std::size_t at, Phrases &phrases);
void MonthRule(const Words &words, std::size_t at, Phrases &phrases);
void ComputusRule(const Words &words, std::size_t at, Phrases &phrases);
void InitialsRule(const Words &words, std::size_t at, Phrases &phrases);
void PopeRule(const Words &words, std::size_t at, Phrases &phrases);
void RulersNumberRule(const Words &words, std::size_t at, Phrases &phrases);
void VerbRule(const Words &words, std::size_t at, Phrases &phrases);
void IdEstRule(const Words &words, std::size_t at, Phrases &phrases);
void CountOfThingsRule(const Words &words, std::size_t at, Phrases &phrases);
void NumberedRule(const Words &words, std::size_t at, Phrases &phrases);
void AgeRule(const Words &words, std::size_t at, Phrases &phrases);
void CalendarRule(const Words &words, std::size_t at, Phrases &phrases);
void StyleRule(const Words &words, std::size_t at, Phrases &phrases);

// The church year (church_rules.cpp)
void ChurchDayRule(const Words &words, std::size_t at, Phrases &phrases);
// "dom. Quasimodo": a Sunday by its name, after "dominica" cut as "dom.", a word that is
// otherwise "domini" (anno dom.)
void SundayAfterDomRule(const Words &words, std::size_t at, Phrases &phrases);

// The kinds of word a set holds, one bit each.
constexpr std::uint64_t KindsOf(std::initializer_list<Kind> kinds) {
    std::uint64_t set = 0;
    for (const Kind kind : kinds)
        set |= std::uint64_t{1} << static_cast<unsigned>(kind);
    return set;
}

// Each rule, and the kinds of word a phrase of it begins with: a word is given to the rules it
// can begin, and no other.
struct GrammarRule {
    Rule read;
    std::uint64_t begins;
};

inline constexpr auto Grammar = std::to_array<GrammarRule>({
    {RomanDateRule, KindsOf({Kind::Reference})},
    {DayOfMonthRule, KindsOf({Kind::Die, Kind::Last, Kind::Mensis, Kind::Number})},
    {FormulaYearRule, KindsOf({Kind::Anno, Kind::A, Kind::Formula})},
    {EraYearRule, KindsOf({Kind::EraStart})},
    {SpanishEraRule, KindsOf({Kind::Era})},
    {NumberYearRule, KindsOf({Kind::Number})},
    {EditorsYearRule, KindsOf({Kind::A})},
    {ReignRule, KindsOf({Kind::Anno, Kind::Reign, Kind::Reigning, Kind::Number})},
    {YearElsewhereRule, KindsOf({Kind::Anno, Kind::AsAbove, Kind::Number})},
    {ConsulsRule, KindsOf({Kind::Consul})},
    {IndictionRule, KindsOf({Kind::Indiction})},
    {WeekdayRule, KindsOf({Kind::Feria, Kind::Weekday, Kind::Die})},
    {HourRule, KindsOf({Kind::Hour, Kind::NearHour, Kind::AD, Kind::Ante, Kind::Formula})},
    {MonthRule, KindsOf({Kind::Mensis})},
    {ComputusRule, KindsOf({Kind::Computus})},
    {InitialsRule, KindsOf({Kind::Capital, Kind::D, Kind::Number})},
    {PopeRule, KindsOf({Kind::Pope})},
    {RulersNumberRule, KindsOf({Kind::Number})},
    {VerbRule, KindsOf({Kind::Given, Kind::Received, Kind::Posted})},
    {IdEstRule, KindsOf({Kind::Reference})},
    {NumberedRule, KindsOf({Kind::Numbered})},
    {CountOfThingsRule, KindsOf({Kind::Number, Kind::Thousand})},
    {AgeRule, KindsOf({Kind::Lived})},
    {CalendarRule, KindsOf({Kind::Calendar})},
    {StyleRule, KindsOf({Kind::Style})},
    {ChurchDayRule, KindsOf({Kind::In, Kind::Church, Kind::Die, Kind::Feria, Kind::Weekday,
                             Kind::Number, Kind::Pridie, Kind::Postridie})},
    {SundayAfterDomRule, KindsOf({Kind::Formula})},
});

} // namespace tempidex
