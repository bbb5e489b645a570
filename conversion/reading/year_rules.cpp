// The rules that read a year, and the years a clause names without giving one of ours: of a
// reign, of consuls, "as above".
#include "number_phrases.h"
#include "numbers.h"
#include "rules.h"

#include "calendar/roman_calendar.h"

#include <algorithm>

namespace tempidex {
namespace {

constexpr int SpanishEraAhead = 38; // the Era of Spain began in 38 BC

Phrase Spanning(PhraseKind kind, std::size_t begin, std::size_t end) {
    Phrase p;
    p.kind = kind;
    p.begin = static_cast<std::uint8_t>(begin);
    p.end = static_cast<std::uint8_t>(end);
    return p;
}

Phrase ElsewherePhrase(YearElsewhere elsewhere, std::size_t begin, std::size_t end) {
    Phrase p = Spanning(PhraseKind::Elsewhere, begin, end);
    p.elsewhere = elsewhere;
    return p;
}

// A year phrase; out of range, written 0 or with a minus sign, it stands as a fault.
Phrase YearPhrase(std::size_t begin, std::size_t end, const YearNumber &number, YearCount count,
                  int year) {
    Phrase p = Spanning(PhraseKind::Year, begin, end);
    p.year = year;
    p.count = count;
    if (number.later > 0)
        p.later = number.later;
    if (number.minus || number.value == 0 || year < FirstYear || year > LastYear)
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

// Where a second count joined to the one ending at `end` by "et" ends, each way it reads: the
// years of two reigns kept together (anno octavo et secundo regni nostri, Charlemagne's as
// king of the Franks and of the Lombards; anno pietatis eorum tertio decimo et quinto).
using Ends = Few<std::size_t, 16>;

Ends JoinedCountEnds(const Words &words, std::size_t end) {
    Ends ends;
    if (end + 1 < words.size() && words[end].text == "et" && !words[end].gloss &&
        !words.parted(end) && !words.parted(end + 1))
        for (const YearNumber &number : YearNumbersFrom(words, end + 1))
            if (!number.yearForm)
                ends.push_back(number.end);
    return ends;
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
            if ((after == YearCount::Incarnation || after == YearCount::Nativity) && !sentence &&
                !words.is(i, Kind::Anno) && (words.parted(i) || !words.is(i, Kind::Reign))) {
                counted = after;
                end = i;
            }
        }
        // anno XIII regni nostri: the year of a reign. A formula or a year's form says it is
        // ours: "anno incarnationis MDV pontificatus nostri anno secundo" has both.
        const bool reigns = counted == YearCount::Unmarked && !number.yearForm;
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
    if (words.is(at, Kind::Anno)) {
        // anno [ab incarnatione Domini | salutis | a Christo nato ...] N
        std::size_t i = at + 1;
        YearCount count = YearCount::Unmarked;
        // anno in Christi nomine quarto: the Lombard notaries' invocation names no era, and the
        // year after it is a king's
        if (words.is(i, Kind::In) && i + 2 < words.size() && words[i + 2].key == "nomine" &&
            !words.parted(i + 1) && !words.parted(i + 2))
            i += 3;
        // (anno domino: the scribe's slip for domini)
        for (; i < at + 8 && (words.is(i, Kind::Formula) || words.is(i, Kind::Connective) ||
                              (i == at + 1 && i < words.size() && words[i].key == "domino"));
             ++i)
            count = MoreExact(count, words.classOf(i).formula);
        if (words.is(i, Kind::Reign) || words.is(i, Kind::World) || words.is(i, Kind::AsAbove))
            return; // the year of a reign, of the world, or the one above: their own rules
        bool formulaBefore = false;
        for (std::size_t b = at; b > 0 && b + 6 > at && !formulaBefore; --b)
            formulaBefore = FormulaBefore(words, b - 1) == at;
        AddYears(words, at, i, count, phrases, formulaBefore);
        return;
    }
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
        if (!(words.is(count, Kind::Reference) && !words.parted(count)))
            for (const YearNumber &number : YearNumbersFrom(words, era->end)) {
                Phrase p = YearPhrase(at, number.end, number, CountOf(era->era),
                                      YearInEra(number.value, era->era));
                if (!words.parted(number.end) && EraFrom(words, number.end))
                    p.fault = PhraseFault::Year; // A.D. 1524 a.C.
                phrases.push_back(p);
            }
    }
}

void SpanishEraRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Era) || words.parted(at + 1))
        return;
    const std::size_t begin =
        at >= 1 && words.is(at - 1, Kind::Sub) && !words.parted(at) ? at - 1 : at;
    for (const YearNumber &number : YearNumbersFrom(words, at + 1))
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
}

void EditorsYearRule(const Words &words, std::size_t at, Phrases &phrases) {
    // "a. 707 (47)": editors write the year of the city after an "a."; AD 707 is as likely
    // for a reader who does not know the edition, unless the gloss gives the year BC.
    // (A. in capitals is Augustus's, in the consuls' names: Theodosio A. VII.)
    if (!words.is(at, Kind::A) || words[at].capital || words.is(at + 1, Kind::D) ||
        words.is(at + 1, Kind::I) || words.parted(at + 1) ||
        (at >= 1 && words.is(at - 1, Kind::Anno)))
        return;
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

namespace {

// Primo anno regnante Karlo; V annum Hludowici regis; VI autem anno Stephani pape: a reign's
// year before "anno", the ruler and his title after it. The phrase ends before the title,
// which may begin a phrase of its own (pape V).
void YearBeforeAnno(const Words &words, std::size_t at, Phrases &phrases) {
    // The count begins here: "anno domini MCCCXL primo anno regni nostri" ends a year of the
    // Lord with "primo", and a reign's year that took it would leave 1340.
    if (at >= 1 && !words.parted(at) && words.mayBeNumber(at - 1))
        return;
    bool anno = false; // "anno" within a few words, no comma before it
    for (std::size_t i = at + 1; i < words.size() && i <= at + 4 && !words.parted(i) && !anno; ++i)
        anno = words.is(i, Kind::Anno);
    if (!anno)
        return;
    for (const YearNumber &number : YearNumbersFrom(words, at)) {
        if (number.yearForm)
            continue;
        // VIII et secundo anno regni nostri: two reigns' years before it
        Ends ends = JoinedCountEnds(words, number.end);
        ends.push_back(number.end);
        for (std::size_t i : ends) {
            if (words.is(i, Kind::Connective) && !words.parted(i))
                ++i;
            if (!words.is(i, Kind::Anno) || words.parted(i))
                continue;
            // The ruler's name and his title, in a few words: names are no keywords
            for (std::size_t end = i + 1; end < words.size() && end <= i + 4 && !words.parted(end);
                 ++end) {
                if (words.is(end, Kind::Reign) || words.is(end, Kind::Reigning) ||
                    words.is(end, Kind::Pope)) {
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
                    break;
                }
                if (words.kindsOf(end) != 0)
                    break;
            }
        }
    }
}

// A king of several kingdoms counts a year in each: "regnorum nostrorum anno Hungarie XXXVII,
// Romanorum XIII et Bohemie quarto". After the first, each kingdom's name (or "vero",
// "imperii", "etc.") and its year, to the last: every number a year of a reign, none ours.
void MoreKingdoms(const Words &words, std::size_t at, std::size_t from, Phrases &phrases) {
    const auto between = [&words](std::size_t i) {
        const std::uint64_t kinds = words.kindsOf(i) & ~KindsOf({Kind::Capital});
        return words.monthOf(i) == 0 && !words.mayBeNumber(i) && !words[i].gloss &&
               (kinds == 0 || words.is(i, Kind::Connective) || words.is(i, Kind::Et) ||
                words.is(i, Kind::Reign) || words[i].key == "etc");
    };
    for (std::size_t i = from; i < words.size();) {
        std::size_t number = i;
        while (number < words.size() && number < i + 3 && between(number))
            ++number;
        if (number == i || !words.mayBeNumber(number))
            return;
        std::size_t end = 0;
        for (const YearNumber &year : YearNumbersFrom(words, number))
            if (!year.yearForm && year.end > end)
                end = year.end;
        if (end == 0)
            return;
        phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
        i = end;
    }
}

} // namespace

void ReignRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (words.isNumber(at))
        return YearBeforeAnno(words, at, phrases);
    // pontificatus nostri anno decimo; anno pontificatus nostri quarto; regni nostri anno XIII;
    // anno domni Ludovici, regis Junioris, secundo; regnante domino nostro Ottone rege anno
    // XIII. The words between are names and titles.
    const bool anno = words.is(at, Kind::Anno);
    const bool reign = words.is(at, Kind::Reign);
    const bool reigning = words.is(at, Kind::Reigning);
    if (!anno && !reign && !reigning)
        return;
    // a reign named before the number; or the year of the one just named: anno eius septimo,
    // anno suo nono, anno sui regiminis sexto
    const std::string_view his = anno && at + 1 < words.size() ? words[at + 1].key : "";
    bool named = reign || reigning || his == "eius" || his == "suo" || his == "sui";
    const std::size_t most = reigning ? 10 : 8;
    const bool kingdoms = words[at].key == "regnorum"; // Regnorum nostrorum, Romani quarto, ...
    for (std::size_t i = at + 1; i < words.size() && i <= at + most; ++i) {
        if (words.parted(i) && reign && !kingdoms)
            return;
        if (words.is(i, Kind::Reference) || words.is(i, Kind::Given) ||
            (anno && words.is(i, Kind::Anno)))
            return;
        // "pontificatus nostri anno quarto, anno Domini MDXX": the year of the Lord is not ours
        if (words.is(i, Kind::Anno) && words.is(i + 1, Kind::Formula) &&
            words.classOf(i + 1).formula != YearCount::Unmarked)
            return;
        // anno domni Ludouuici III: a ruler named as "the lord" is a reign named too
        const bool lord = anno && i == at + 2 && words[i].capital && words.classOf(i).kinds == 0 &&
                          words.monthOf(i) == 0 && !words.mayBeNumber(i) &&
                          (words[i - 1].key == "domni" || words[i - 1].key == "domini" ||
                           words[i - 1].key == "domno");
        named = named || words.is(i, Kind::Reign) || words.is(i, Kind::Reigning) || lord;
        // Ottonis tertii, secundi Heinrici: the ruler's number, in the genitive of his name; a
        // year after "anno" agrees with it (tertio, octavo)
        const bool rulersNumber =
            words.ordinalOf(i) > 0 && words.numeralOf(i) == 0 && words[i].text.ends_with('i') &&
            (words[i - 1].capital || (i + 1 < words.size() && words[i + 1].capital));
        if ((!words.isNumber(i) && words.numeralOf(i) == 0) || rulersNumber)
            continue;
        if (!named)
            return; // anno MCCXX: no reign's
        // et Hlodhario in Baiouuaria regnante primo: the reign's year right after the word
        if (reigning && i == at + 1)
            for (const YearNumber &number : YearNumbersFrom(words, i))
                if (!number.yearForm)
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end));
        if (reigning && !words.is(i - 1, Kind::Anno)) {
            // regnante Hænrico rege xviii anno: the number right before "anno"; any other
            // number after "regnante" is no year of the reign
            for (const YearNumber &number : YearNumbersFrom(words, i))
                if (!number.yearForm && words.is(number.end, Kind::Anno) &&
                    !words.parted(number.end))
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end + 1));
            return;
        }
        for (const YearNumber &number : YearNumbersFrom(words, i)) {
            if (number.yearForm)
                continue;
            phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end));
            for (const std::size_t joined : JoinedCountEnds(words, number.end))
                phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, joined));
            if (kingdoms)
                MoreKingdoms(words, at, number.end, phrases);
        }
        return;
    }
}

void YearElsewhereRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (words.is(at, Kind::Anno)) {
        std::size_t i = at + 1;
        while (i < at + 4 && words.is(i, Kind::Formula) && !words.parted(i))
            ++i;
        // anno ut supra, anno quo supra, anno praedicto, anno eodem; and what else is dated
        // with the year: anno, indictione et pontificatu quibus supra
        std::size_t j = i;
        while (j < i + 4 && (j == i || !words.parted(j)) &&
               (words.is(j, Kind::Indiction) || words.is(j, Kind::Et) || words.is(j, Kind::Reign)))
            ++j;
        const bool ut =
            j < words.size() && !words.parted(j) &&
            (words[j].text == "ut" || words[j].text == "quo" || words[j].text == "quibus");
        if (words.is(j + (ut ? 1 : 0), Kind::AsAbove) && !words.parted(j + (ut ? 1 : 0)))
            phrases.push_back(ElsewherePhrase(YearElsewhere::AsAbove, at, j + (ut ? 2 : 1)));
        // anno mundi VIDCCC: a year of the world, not of ours
        if (words.is(i, Kind::World) && !words.parted(i))
            for (const YearNumber &number : YearNumbersFrom(words, i + 1))
                phrases.push_back(ElsewherePhrase(YearElsewhere::World, at, number.end));
    }
    // in ipso anno quo filius eius ... accepit, illo anno quando voluit rex Salomon Romam ire:
    // the year of an event the clause tells
    if (words.is(at, Kind::Anno) && at + 1 < words.size() &&
        (words[at + 1].key == "quo" || words[at + 1].key == "quando") && !words.parted(at + 1) &&
        !words.is(at + 2, Kind::AsAbove))
        phrases.push_back(ElsewherePhrase(YearElsewhere::Anniversary, at, at + 2));
    if (words.is(at, Kind::AsAbove) && words.is(at + 1, Kind::Anno) && !words.parted(at + 1))
        phrases.push_back(ElsewherePhrase(YearElsewhere::AsAbove, at, at + 2)); // eodem anno
    // decimo a Dogmatica Definitione: a count of years from an event
    const bool from =
        words.is(at + 1, Kind::A) || (at + 1 < words.size() && words[at + 1].text == "ab");
    if (words.ordinalOf(at) > 0 && from && at + 2 < words.size() && !words.parted(at + 1) &&
        words[at + 2].capital && words.classOf(at + 2).kinds == 0 && words.monthOf(at + 2) == 0)
        phrases.push_back(ElsewherePhrase(YearElsewhere::Anniversary, at, at + 2));
}

void ConsulsRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Consul))
        return;
    // "sub die consule quod est": the day, in the charters of Freising, and no consuls
    if (at >= 1 && words.is(at - 1, Kind::Die)) {
        const bool which = at + 2 < words.size() && words[at + 1].text == "quod" &&
                           (words[at + 2].text == "est" || words[at + 2].text == "facit");
        phrases.push_back(ElsewherePhrase(YearElsewhere::None, at - 1, which ? at + 3 : at + 1));
        phrases.back().kind = PhraseKind::Skip;
        return;
    }
    // A date's own words (its count too), an indiction's, a verb or a comma end the consuls'
    // names on either side: "mense Martio die XXVIII. Iustino et Eutharico conss."
    const auto ends = [&words](std::size_t i) { // (Augusto is a title, after a name)
        const bool dated = i >= 1 && !words.parted(i) &&
                           (words.is(i - 1, Kind::Die) || words.is(i - 1, Kind::Indiction));
        return words.is(i, Kind::Reference) || words.is(i, Kind::Die) ||
               words.is(i, Kind::Mensis) || words.is(i, Kind::Indiction) ||
               (dated && words.mayBeNumber(i)) ||
               (words.monthOf(i) != 0 && i >= 1 &&
                (words.is(i - 1, Kind::Reference) || words.is(i - 1, Kind::Mensis))) ||
               words.is(i, Kind::Given) || words.is(i, Kind::Received) ||
               words.is(i, Kind::Posted) || words.is(i, Kind::Anno) || words[i].gloss ||
               (words.is(i + 1, Kind::Reference) && !words.parted(i + 1));
    };
    // Honorio VIII et Theodosio III AA. conss.
    std::size_t begin = at;
    while (begin > 0 && !words.parted(begin) && !ends(begin - 1))
        --begin;
    if (begin < at)
        phrases.push_back(ElsewherePhrase(YearElsewhere::Consuls, begin, at + 1));
    // consulibus Honorio VIII et Theodosio III; post consulatum Lampadii et Orestis
    std::size_t end = at + 1;
    while (end < words.size() && !words.parted(end) && !ends(end))
        ++end;
    const std::size_t from =
        at >= 1 && words[at - 1].text == "post" && !words.parted(at) ? at - 1 : at;
    if (end > at + 1)
        phrases.push_back(ElsewherePhrase(YearElsewhere::Consuls, from, end));
}

} // namespace tempidex
