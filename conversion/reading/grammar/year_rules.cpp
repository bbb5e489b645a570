// The rules that read a year of ours: by a formula, an era, the Spanish era, its form beside
// the date, an editor's "a." (the years a clause names otherwise are reign_rules.cpp's).
#include "reading/words/numbers.h"
#include "rules.h"
#include "year_phrases.h"

#include "calendar/roman_calendar.h"

#include <algorithm>

namespace tempidex {
namespace {

constexpr int SpanishEraAhead = 38; // the Era of Spain began in 38 BC

// A year phrase; out of range, written 0 or with a minus sign, it stands as a fault.
Phrase YearPhrase(std::size_t begin, std::size_t end, const YearNumber &number, YearCount count,
                  int year) {
    Phrase p = Spanning(PhraseKind::Year, begin, end);
    p.year = year;
    p.count = count;
    if (number.later > 0)
        p.later = number.later;
    const bool incarnation = count == YearCount::Incarnation || count == YearCount::Nativity;
    if (number.minus || number.value == 0 || year < FirstYear || year > LastYear ||
        (incarnation && year < FirstYearOfTheIncarnation))
        p.fault = PhraseFault::Year;
    p.faultBegin = p.begin;
    p.faultEnd = p.end;
    return p;
}

YearCount CountOf(Era era) {
    switch (era) {
    case Era::BeforeChrist:
        return YearCount::BeforeChrist;
    case Era::City:
        return YearCount::City;
    case Era::Christian:
        break;
    }
    return YearCount::Christian;
}

// Which formula says more: the Incarnation or the Nativity more than "anno Domini".
YearCount MoreExact(YearCount held, YearCount named) {
    if (named == YearCount::Unmarked)
        return held;
    return held == YearCount::Unmarked || held == YearCount::Christian ? named : held;
}

// The year phrases of a number at `from`, after words [begin, from) that counted it as
// `count`: an era after the number decides it; a number with neither formula nor era is a
// year only by its form, else a year of something else.
void AddYears(const Words &words, std::size_t begin, std::size_t from, YearCount count,
              Phrases &phrases, bool formulaBefore = false) {
    if (from >= words.size())
        return;
    for (const YearNumber &number : YearNumbersFrom(words, from)) {
        std::size_t end = number.end;
        // (past a comma, a number before a named day counts its days: "anno, xv kalendas maii")
        if (words.parted(from) && !number.yearForm && words.is(end, Kind::Reference) &&
            !words.parted(end))
            continue;
        if (number.minus) { // anno -44: no year we can tell
            phrases.push_back(YearPhrase(begin, end, number, count, 0));
            continue;
        }
        // The era after the number says how it was counted, over any formula before it.
        YearCount counted = count;
        Era inEra = count == YearCount::City ? Era::City : Era::Christian;
        bool eraAfter = false;
        if (!words.parted(end))
            if (const std::optional<EraRead> era = EraFrom(words, end)) {
                counted = CountOf(era->era);
                inEra = era->era;
                end = era->end;
                eraAfter = true;
            }
        // anno DCCLXII ab incarnatione Domini: the Incarnation or the Nativity named after the
        // number. ("Domini" alone is no sign: anno XIII domini nostri Ottonis regis.)
        if (!eraAfter && count == YearCount::Unmarked && !words.parted(end)) {
            YearCount after = YearCount::Unmarked;
            std::size_t i = end;
            for (; i < end + 5 && words.is(i, Kind::Formula) && (i == end || !words.parted(i)); ++i)
                after = MoreExact(after, words.classOf(i).formula);
            // (not across a full stop and a capital, a new sentence: "anno XIIII. Ab incarnatione
            // domini anno DCCCCXXXI"; nor the formula of the "anno" after it)
            const bool sentence = end < words.size() && words[end - 1].dotted && words[end].capital;
            // (a comma before the next "anno" parts it off: "anno quoque DCCLXII ab incarnatione
            // Domini, anno regni eius quarto")
            if ((after == YearCount::Incarnation || after == YearCount::Nativity) && !sentence &&
                (words.parted(i) || (!words.is(i, Kind::Anno) && !words.is(i, Kind::Reign)))) {
                counted = after;
                end = i;
            }
        }
        // anno XIII regni nostri: the year of a reign. A formula or a year's form says it is
        // ours: "anno incarnationis MDV pontificatus nostri anno secundo" has both.
        const bool reigns = counted == YearCount::Unmarked && MayBeAReignsYear(number);
        if (reigns && !words.parted(end) && words.is(end, Kind::Reign)) {
            phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, begin, end + 1));
            continue;
        }
        // Two counts joined by "et" are two reigns' years, never one of ours: "anno tertio
        // decimo et septimo", "anno XXVI. et XXV. regnante rege Karolo".
        for (const std::size_t joined : reigns ? JoinedCountEnds(words, end) : Ends{})
            phrases.push_back(!words.parted(joined) && words.is(joined, Kind::Reign)
                                  ? ElsewherePhrase(YearElsewhere::Reign, begin, joined + 1)
                                  : ElsewherePhrase(YearElsewhere::Anno, begin, joined));
        if (counted == YearCount::Unmarked && !number.yearForm) {
            // (after "dominicae incarnationis" the number is ours, read from the formula)
            if (!formulaBefore)
                phrases.push_back(ElsewherePhrase(YearElsewhere::Anno, begin, end));
            // (right before a named day, the number may count its days instead, the year
            // another's or as above: "dicto anno VIII Id. Febr.", 6 or 13 February)
            if (!formulaBefore && !words.parted(from) && words.is(end, Kind::Reference) &&
                !words.parted(end) && number.value <= 19)
                phrases.push_back(ElsewherePhrase(YearElsewhere::Anno, begin, from));
            continue;
        }
        Phrase p = YearPhrase(begin, end, number, counted, YearInEra(number.value, inEra));
        if (eraAfter && !words.parted(end) && EraFrom(words, end))
            p.fault = PhraseFault::Year; // 1524 a.C. AD
        phrases.push_back(p);
    }
}

// The formula's words from `at` before an "anno": dominicae incarnationis anno MCXXX. Where
// that "anno" stands, or past the words where there is none; but "pontificatus domini nostri
// anno decimo" is the lord's reign, not the Lord's year.
std::size_t FormulaBefore(const Words &words, std::size_t at) {
    if (!words.is(at, Kind::Formula) ||
        (at >= 1 && (words.is(at - 1, Kind::Formula) || words.is(at - 1, Kind::Reign)) &&
         !words.parted(at)))
        return words.size();
    YearCount count = YearCount::Unmarked;
    std::size_t i = at;
    for (; i < at + 6 && words.is(i, Kind::Formula) && (i == at || !words.parted(i)); ++i)
        count = MoreExact(count, words.classOf(i).formula);
    return count != YearCount::Unmarked && words.is(i, Kind::Anno) && !words.parted(i)
               ? i
               : words.size();
}

YearCount FormulaCount(const Words &words, std::size_t from, std::size_t to) {
    YearCount count = YearCount::Unmarked;
    for (std::size_t i = from; i < to; ++i)
        count = MoreExact(count, words.classOf(i).formula);
    return count;
}

} // namespace

void FormulaYearRule(const Words &words, std::size_t at, Phrases &phrases) {
    // (an "a." before the formula is its "anno" cut short: a. gr. 1243, a. dni MCCC)
    const bool annoCut = words.is(at, Kind::A) && words[at].dotted &&
                         words.is(at + 1, Kind::Formula) && !words.parted(at + 1);
    if (words.is(at, Kind::Anno) || annoCut) {
        // anno [ab incarnatione Domini | salutis | a Christo nato ...] N
        std::size_t i = at + 1;
        YearCount count = YearCount::Unmarked;
        // anno in Christi nomine quarto: the Lombard notaries' invocation names no era, and the
        // year after it is a king's
        if (words.is(i, Kind::In) && i + 2 < words.size() && words[i + 2].key == "nomine" &&
            !words.parted(i + 1) && !words.parted(i + 2))
            i += 3;
        // (anno domino: the scribe's slip for domini; "anno ab eius nativitate", "a nativitate
        // eius": his, the Lord's named before, within the formula)
        const auto his = [&words](std::size_t k) {
            return k + 1 < words.size() && IsOneOf(words[k].key, {"eius", "eiusdem", "ipsius"}) &&
                   ((words.is(k + 1, Kind::Formula) && !words.parted(k + 1)) ||
                    (words.is(k - 1, Kind::Formula) && !words.parted(k) &&
                     words.classOf(k - 1).formula != YearCount::Unmarked));
        };
        // ("ab incarnatione dominica": the Lord's, no Sunday)
        const auto lords = [&words](std::size_t k) {
            return k < words.size() && words[k].key == "dominica" && !words.parted(k) &&
                   words.is(k - 1, Kind::Formula);
        };
        // (not to an "a." past a comma right after "anno": in "dicto anno; a. d. XVII Kal." the
        // "a. d." is ante diem, no formula; "anno, etc., 1546" goes on)
        for (; i < at + 8 && !(i == at + 1 && words.parted(i) && words.is(i, Kind::A)) &&
               (words.is(i, Kind::Formula) || words.is(i, Kind::Connective) ||
                (i == at + 1 && i < words.size() && words[i].key == "domino") ||
                (i > at + 1 && (his(i) || lords(i))));
             ++i)
            count = MoreExact(count, words.classOf(i).formula);
        if (words.is(i, Kind::Reign) || words.is(i, Kind::World) || words.is(i, Kind::AsAbove))
            return; // the year of a reign, of the world, or the one above: their own rules
        bool formulaBefore = false;
        for (std::size_t b = at; b > 0 && b + 6 > at && !formulaBefore; --b)
            formulaBefore = FormulaBefore(words, b - 1) == at;
        const std::size_t added = phrases.size();
        AddYears(words, at, i, count, phrases, formulaBefore);
        // "dicto anno a. d. III Kal. Januarii": the "a. d." may be ante diem, the count after it
        // the named day's, and "anno" the year above; read so too
        if (words.is(at + 1, Kind::A) && words.is(at + 2, Kind::D) && !words.parted(at + 3))
            for (const NumberRead &n : CountsFrom(words, at + 3))
                if (words.is(n.end, Kind::Reference) && !words.parted(n.end)) {
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Anno, at, at + 1));
                    break;
                }
        // "anno domini etc. L. octavo": the thousand and hundreds left out with the etc., as
        // late medieval scribes wrote 1458; never the year 58
        if (i > at + 1 && words[i - 1].key == "etc")
            for (std::size_t k = added; k < phrases.size(); ++k)
                if (Phrase &p = phrases[k]; p.kind == PhraseKind::Year && p.year > 0 &&
                                            p.year < 1000 && p.fault == PhraseFault::None) {
                    p.fault = PhraseFault::Year;
                    p.faultBegin = static_cast<std::uint8_t>(i);
                    p.faultEnd = p.end;
                }
        return;
    }
    // "die 29 m. Iunii, a. 1950", as the Holy See's acts print it: "a." before a number in a
    // year's own form is "anno" cut short
    if (words.is(at, Kind::A) && words[at].dotted && !words[at].capital && !words.parted(at + 1) &&
        (words.digitsOf(at + 1) >= 1000 || words.numeralOf(at + 1) >= 1000))
        for (const YearNumber &number : YearNumbersFrom(words, at + 1))
            if (number.yearForm)
                phrases.push_back(
                    YearPhrase(at, number.end, number, YearCount::Unmarked, number.value));
    const std::size_t anno = FormulaBefore(words, at);
    if (anno < words.size())
        AddYears(words, at, anno + 1, FormulaCount(words, at, anno), phrases);
    // incarnationis dominice M°.C°.L°.III°.: the Incarnation or the Nativity named, and its
    // year with no "anno"
    if (at >= 1 && words.is(at - 1, Kind::Formula) && !words.parted(at))
        return;
    std::size_t end = at;
    while (end < at + 4 && words.is(end, Kind::Formula) && (end == at || !words.parted(end)))
        ++end;
    // (and "sub domini millesimo ...": the "anno" of "sub anno domini" left out)
    const YearCount count = FormulaCount(words, at, end);
    const bool sub = at >= 1 && words.is(at - 1, Kind::Sub) && !words.parted(at);
    if ((count == YearCount::Incarnation || count == YearCount::Nativity ||
         (count == YearCount::Christian && sub)) &&
        !words.parted(end) && (words.isNumber(end) || words.numeralOf(end) > 0))
        for (const YearNumber &number : YearNumbersFrom(words, end))
            if (number.yearForm)
                phrases.push_back(YearPhrase(at, number.end, number, count, number.value));
}

void EraYearRule(const Words &words, std::size_t at, Phrases &phrases) {
    // A. D. 1524: an era before the number. "a. d." and "ad" are also ante diem: before a count
    // that a named day follows (a. d. XIX Kal., a. d. tertio decimo Kal., ad bis VI Kal.) they
    // are no era. "d. C." (dopo Cristo) follows its number, as Italian writes it: before one,
    // its letters are a numeral's, "m. d. c. xv." is no AD 15.
    if (const std::optional<EraRead> era = EraFrom(words, at);
        era && !words.parted(era->end) && words[at].key.front() != 'd') {
        std::size_t count = era->end;
        while (count < era->end + 3 && !words.parted(count) &&
               (words.isNumber(count) || words.numeralOf(count) > 0 || words.ordinalOf(count) > 0 ||
                words.is(count, Kind::Bis)))
            ++count;
        // (with the letters of ante diem and a count, even past a comma: "a. d. xv; K. Maias" is
        // no AD 15)
        const std::size_t n = era->end;
        const int small = std::max({words.numeralOf(n), words.digitsOf(n), words.ordinalOf(n)});
        // (but a count of days is never past 31: "A. D. 1248. IV. Non." is the year 1248)
        const bool countsDays = (small >= 1 && small <= 31) || words.is(n, Kind::Bis);
        const bool anteDiem = (words[at].key == "a" || words[at].key == "ad") && countsDays;
        if (!(words.is(count, Kind::Reference) && countsDays && (!words.parted(count) || anteDiem)))
            for (const YearNumber &number : YearNumbersFrom(words, era->end)) {
                Phrase p = YearPhrase(at, number.end, number, CountOf(era->era),
                                      YearInEra(number.value, era->era));
                if (!words.parted(number.end) && EraFrom(words, number.end))
                    p.fault = PhraseFault::Year; // A.D. 1524 a.C.
                phrases.push_back(p);
                // "A. C. 500", "a. Chr. n. 500" before the number: ante Christum (natum), or
                // anno Christi (nati), as Latin writes the year of the Lord; the two are told
                // apart by nothing written
                if (era->era == Era::BeforeChrist && words[at].key == "a") {
                    p.count = CountOf(Era::Christian);
                    p.year = YearInEra(number.value, Era::Christian);
                    phrases.push_back(p);
                }
            }
    }
}

void SpanishEraRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Era) || words.parted(at + 1))
        return;
    const std::size_t begin =
        at >= 1 && words.is(at - 1, Kind::Sub) && !words.parted(at) ? at - 1 : at;
    // (era Domini DXLVIII, as some Visigothic epitaphs write it)
    const std::size_t from =
        at + 1 < words.size() && words[at + 1].key == "domini" && !words.parted(at + 2) ? at + 2
                                                                                        : at + 1;
    for (const YearNumber &number : YearNumbersFrom(words, from))
        phrases.push_back(YearPhrase(begin, number.end, number, YearCount::SpanishEra,
                                     number.value - SpanishEraAhead));
}

void NumberYearRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.mayBeNumber(at))
        return; // a letter alone, a. d., begins none
    for (const YearNumber &number : YearNumbersFrom(words, at)) {
        if (number.minus) { // -44: no AD 44, and no year we can tell
            phrases.push_back(YearPhrase(at, number.end, number, YearCount::Unmarked, 0));
            continue;
        }
        // "MCCCL era", "anno MCCCL erae": the Era of Spain named after its number
        if (words.is(number.end, Kind::Era) && !words.parted(number.end))
            phrases.push_back(YearPhrase(at, number.end + 1, number, YearCount::SpanishEra,
                                         number.value - SpanishEraAhead));
        // 1524 AD, DCCX a.u.c., 44 a.C.: an era after the number.
        if (!words.parted(number.end))
            if (const std::optional<EraRead> era = EraFrom(words, number.end)) {
                Phrase p = YearPhrase(at, era->end, number, CountOf(era->era),
                                      YearInEra(number.value, era->era));
                if (!words.parted(era->end) && EraFrom(words, era->end))
                    p.fault = PhraseFault::Year; // 1524 a.C. AD
                phrases.push_back(p);
            }
        // 1524, MDXXIV: a year by its form alone, where it stands next to the date. Not from
        // "mi" in small letters, a word more often than MI ("S. mi d. n.", Sanctissimi domini
        // nostri: the ending of an abbreviation).
        const bool word = !words.isNumber(at) && words[at].text.size() >= 2 &&
                          HasNumeralLettersOnly(words[at].text);
        if (!number.yearForm || number.lone || word)
            continue;
        Phrase p = YearPhrase(at, number.end, number, YearCount::Unmarked, number.value);
        p.bare = true;
        phrases.push_back(p);
    }
    // "Viennae 18 Novembris 89", "Francofurti XV Augusti veteris XCII": the year without its
    // century, as letters of the sixteenth century write it, last in the clause (its sentence
    // ended) right after the date, or after the calendar it is counted in. Which century, the words
    // do not say: the date has no year. Not, after a named day, a number that may be its count, as
    // Danish charters write it there ("kalendas iunii xviº").
    // (a numeral, past any day's count, of two letters or more: "18 Novembris XI" may be an
    // indiction or a king's year, "Id. Mart. L." the initial of a consul's name)
    const bool digits = words.digitsOf(at) > 0;
    const int value = digits ? words.digitsOf(at) : words.numeralOf(at);
    const bool yearsShape =
        digits ? words[at].text.size() == 2 : value >= 32 && words[at].text.size() >= 2;
    bool afterNamedDay = false; // kalendas mensis iunii stilo veteri xvi
    for (std::size_t i = at; i > 0 && i + 5 > at; --i)
        afterNamedDay = afterNamedDay || words.is(i - 1, Kind::Reference);
    const std::size_t next = at + 1;
    if (value >= (afterNamedDay ? 20 : 10) && value <= 99 && yearsShape && at >= 1 &&
        !words.parted(at) && !words[at].gloss && !words.mayBeNumber(at - 1) &&
        words.numeralOf(at - 1) == 0 &&
        (next == words.size() || words.is(next, Kind::Calendar) || words.is(next, Kind::Style) ||
         (words[at].dotted && words[next].capital))) {
        Phrase p = ElsewherePhrase(YearElsewhere::NoCentury, at, next);
        p.bare = true;
        phrases.push_back(p);
    }
}

void EditorsYearRule(const Words &words, std::size_t at, Phrases &phrases) {
    // "a. 707 (47)": editors write the year of the city after an "a."; AD 707 is as likely
    // for a reader who does not know the edition, unless the gloss gives the year BC.
    // (A. in capitals is Augustus's, in the consuls' names: Theodosio A. VII. Without its full
    // stop, "a" is a footnote's letter or a word: "(a) XV Kal. Oct." counts the days.)
    if (!words.is(at, Kind::A) || words[at].capital || !words[at].dotted ||
        words.is(at + 1, Kind::D) || words.is(at + 1, Kind::I) || words.parted(at + 1) ||
        (at >= 1 && words.is(at - 1, Kind::Anno)))
        return;
    // After a pontificate's or a reign's word "a." is its year: "pont. n. a. secundo"; and
    // "p. n. a. XIX", "p. a. septimo" are pontificatus (nostri) anno, as the calendars of papal
    // registers cut them.
    const bool ours =
        at >= 2 && words[at - 1].text == "n" && words[at - 1].dotted && !words.parted(at - 1);
    if (at >= 1 && !words.parted(at) &&
        (words.is(at - 1, Kind::Reign) || (ours && words.is(at - 2, Kind::Reign))))
        return;
    const std::size_t p = ours ? at - 2 : at - 1;
    if (at >= 1 && words[p].text == "p" && words[p].dotted && !words.parted(at)) {
        for (const YearNumber &number : YearNumbersFrom(words, at + 1))
            if (MayBeAReignsYear(number))
                phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, p, number.end));
        return;
    }
    for (const YearNumber &number : YearNumbersFrom(words, at + 1)) {
        if (number.yearForm || number.later > 0)
            continue;
        const int city = YearInEra(number.value, Era::City);
        bool glossed = false;
        for (std::size_t i = 0; i < words.size(); ++i)
            glossed = glossed || (words[i].gloss && DigitsValue(words[i].text) > 0 &&
                                  DigitsValue(words[i].text) == (city < 1 ? 1 - city : city));
        phrases.push_back(YearPhrase(at, number.end, number, YearCount::City, city));
        if (!glossed)
            phrases.push_back(ElsewherePhrase(YearElsewhere::Anno, at, number.end));
    }
}

} // namespace tempidex
