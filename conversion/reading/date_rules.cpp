// The rules that read the date itself: a Roman date and a day of the month.
#include "letters_apart.h"
#include "month_names.h"
#include "number_phrases.h"
#include "rules.h"

namespace tempidex {
namespace {

// Whether the number right before word `at` can go on with `value` as a year goes on: MCCCLXX
// with quarto (its last place a ten), but not VI, nor a word that is no number.
bool YearGoesOnWith(const Words &words, std::size_t at, int value) {
    if (at == 0 || words.parted(at))
        return false;
    const std::size_t before = at - 1;
    const int written = words.ordinalOf(before) > 0   ? words.ordinalOf(before)
                        : words.numeralOf(before) > 0 ? words.numeralOf(before)
                                                      : words.digitsOf(before);
    int place = 1; // the largest power of ten that divides it
    while (written > 0 && place < 1000 && written % (place * 10) == 0)
        place *= 10;
    return written > 0 && value < place;
}

// No named day is counted to from further back than this: a. d. XIX Kal.
constexpr int MostDaysCounted = 19;

// A month's name cut short or declined that is also a word of its own: a number before it with
// no "die" or "mensis" counts things, not the month's days. "XX sex" is twenty-six, "octo"
// eight, "qui" who; "Heinrico IV Augusto" an emperor, "XX marcis" marks of silver,
// "more maiorum" the forefathers'.
bool IsAlsoAWord(std::string_view key) {
    return IsOneOf(key, {"augusta", "augustae", "augustam", "augusto", "augustum", "augustus",
                         "decem", "genua", "maiorum", "nouem", "octo", "qui", "quin", "quinti",
                         "septem", "sex", "sexti"});
}

// The month named by word i, and whether it was read from a misspelling; 0 for none. A
// misspelt name is read only where a month must stand.
struct MonthRead {
    int month = 0;
    bool misspelt = false;
};

MonthRead MonthAt(const Words &words, std::size_t i, bool mustBeMonth) {
    if (i >= words.size() || words[i].gloss || words[i].pause)
        return {};
    // (but a month's name cut short that is also a word, before another month: "IX Kal. decem
    // Feb.", "mensis decem maii" are ten, not December)
    if (const int month = words.monthOf(i))
        return IsAlsoAWord(words[i].key) && words.monthOf(i + 1) != 0 && !words.parted(i + 1)
                   ? MonthRead{}
                   : MonthRead{month, false};
    if (!mustBeMonth || words.classOf(i).kinds != 0 || words.isNumber(i))
        return {};
    // (not where the month itself follows: "Kal. Martinus Feb." has a name before its month;
    // nor St Martin's name, a letter from Martius; nor a word a letter from "martis", which is
    // also Tuesday's name: "die marbis" may be "die martis", and "marcis" are marks of silver)
    if (words.monthOf(i + 1) != 0 || words[i].key.starts_with("martin") ||
        OneLetterApart(words[i].key, "martis"))
        return {};
    const int near = MonthNear(words[i].key);
    return {near, near != 0};
}

Phrase DatePhrase(std::size_t begin, std::size_t end, const LatinDate &date, std::size_t month,
                  const MonthRead &read) {
    Phrase p;
    p.kind = PhraseKind::Date;
    p.begin = static_cast<std::uint8_t>(begin);
    p.end = static_cast<std::uint8_t>(end);
    p.date = date;
    p.misspeltMonth = read.misspelt ? static_cast<std::uint8_t>(month + 1) : 0;
    return p;
}

// Whether a named day is written in the ablative (kalendis, nonis, idibus): on that day itself,
// which no count goes with.
bool NamesTheDayItself(std::string_view key) {
    return key.ends_with("is") || key.ends_with("ibus");
}

// "a. d.", "ante diem" or "ad" ending just before word `end`: where it begins, or `end`.
std::size_t AnteDiemBefore(const Words &words, std::size_t end) {
    if (end >= 2 && !words[end].pause && !words[end - 1].pause &&
        ((words.is(end - 2, Kind::A) && words.is(end - 1, Kind::D)) ||
         (words.is(end - 2, Kind::Ante) && words.is(end - 1, Kind::Diem))))
        return end - 2;
    return end >= 1 && !words[end].pause && words.is(end - 1, Kind::AD) ? end - 1 : end;
}

// "die" or "sub die" ending just before word `end`: where it begins, or `end`.
std::size_t DieBefore(const Words &words, std::size_t end) {
    if (end == 0 || words.parted(end) || !words.is(end - 1, Kind::Die))
        return end;
    return end >= 2 && !words[end - 1].pause && words.is(end - 2, Kind::Sub) ? end - 2 : end - 1;
}

// A named day whose month is wrong, words [monthAt, end): it stands, and the reading that
// takes it fails.
Phrase MonthFault(std::size_t at, std::size_t monthAt, std::size_t end) {
    Phrase p = DatePhrase(at, end, {}, monthAt, {});
    p.fault = PhraseFault::Month;
    p.faultBegin = static_cast<std::uint8_t>(monthAt);
    p.faultEnd = static_cast<std::uint8_t>(end);
    return p;
}

// Whether word i, between a number and a named day, is none that a date or what stands beside
// it puts there: a connective (quarto autem Kal.), "in" (in Kal.), "die" (octavo die
// kalendarum), "a. d.", "bis", "pridie"; a weekday's (III feria Kal.), a year's or a reign's
// (quarto anno Kal.), an indiction's, a month's.
bool StandsApartFromACount(const Words &words, std::size_t i) {
    constexpr std::uint64_t besideADate =
        KindsOf({Kind::Connective, Kind::In,        Kind::Die,     Kind::Diem,     Kind::A,
                 Kind::D,          Kind::AD,        Kind::Ante,    Kind::Bis,      Kind::Pridie,
                 Kind::Postridie,  Kind::Feria,     Kind::DayName, Kind::Anno,     Kind::Reign,
                 Kind::Reigning,   Kind::Indiction, Kind::Consul,  Kind::EraStart, Kind::Reference,
                 Kind::Number,     Kind::Capital});
    return !words[i].gloss && (words.kindsOf(i) & besideADate) == 0 && words.monthOf(i) == 0 &&
           !words.mayBeNumber(i) && words.numeralOf(i) == 0;
}

// The month of "mense Februario", "mensis martii" before word `at`, or 0.
int MonthNamedBefore(const Words &words, std::size_t at) {
    for (std::size_t i = at; i >= 2; --i)
        if (words.is(i - 2, Kind::Mensis) && !words.parted(i - 1) && words.monthOf(i - 1) != 0)
            return words.monthOf(i - 1);
    return 0;
}

} // namespace

void RomanDateRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Reference))
        return;
    const auto named = static_cast<Reference>(words.classOf(at).reference);
    std::size_t monthAt = at + 1;
    if (words.is(monthAt, Kind::Mensis) && !words.parted(monthAt)) // septimo idus mensis maii
        ++monthAt;
    MonthRead read = MonthAt(words, monthAt, true);
    // "mense Februario, XI. kalendes eiusdem mensis": the month named before, whose own days
    // the date is among; the Calends counted to are the next month's
    if (read.month == 0 && !words.parted(monthAt) && monthAt < words.size() &&
        words[monthAt].key == "eiusdem")
        if (const int month = MonthNamedBefore(words, at); month != 0) {
            read.month = named == Reference::Calends ? month % 12 + 1 : month;
            if (words.is(monthAt + 1, Kind::Mensis) && !words.parted(monthAt + 1))
                ++monthAt;
        }
    if (read.month == 0) {
        // "Kal. XIII Junii", "Kal. VI. Sextilis": the count in a numeral between the named day
        // and its month, as humanists wrote it (not after "nonis", the day itself). Else the
        // named day stands alone: its month is what is wrong.
        if (!words.parted(at + 1) && words.numeralOf(at + 1) > 0 && words.digitsOf(at + 1) == 0 &&
            !NamesTheDayItself(words[at].key))
            for (const NumberRead &count : CountsFrom(words, at + 1))
                if (const MonthRead month = MonthAt(words, count.end, false);
                    month.month != 0 && count.value >= 2 && count.value <= MostDaysCounted) {
                    LatinDate date;
                    date.day = {count.value, false, false, named, month.month};
                    phrases.push_back(
                        DatePhrase(DieBefore(words, at), count.end + 1, date, count.end, month));
                }
        return;
    }
    std::size_t end = monthAt + 1;
    bool leap = false;
    if (words.is(end, Kind::A) && words.is(end + 1, Kind::I) && !words[end + 1].pause) {
        leap = true;
        end += 2;
    } else if (words.is(end, Kind::AI)) {
        leap = true;
        end += 1;
    }
    // "Kal. Ianuarius Maius": two months named, the second written out.
    if (!leap && words.monthOf(end) != 0 && words.classOf(end).wholeMonth && !words.parted(end)) {
        phrases.push_back(MonthFault(at, monthAt, end + 1));
        return;
    }
    // "Kalendarum Iuniarum die": the day of the Calends, in the genitive.
    if (!leap && words.is(end, Kind::Die) && words[at].key.ends_with("rum") &&
        !words.is(end + 1, Kind::Mensis) && CountsFrom(words, end + 1).empty())
        end += 1;
    LatinDate date;
    date.day = {1, false, false, named, read.month};
    date.leapYear = leap;
    // "die idus ian.", "sub die Kalendarum Iuniarum": the named day itself.
    Phrase named1 = DatePhrase(DieBefore(words, at), end, date, monthAt, read);
    if (leap && read.month != 3) { // (a. i.) belongs to the March Calends alone
        named1.fault = PhraseFault::Month;
        named1.faultBegin = static_cast<std::uint8_t>(monthAt);
        named1.faultEnd = static_cast<std::uint8_t>(end);
    }
    // A word between a number and the named day that no way of writing a date puts there: "v
    // quidem kalendas", "xviii Ulmi kal.", "x. et kalendas", "v. luna idus". The number may
    // count the days before it, or end what stands before (a year, a king's number): the named
    // day alone is no reading of these words.
    if (named1.fault == PhraseFault::None && at >= 2 && !words.parted(at) &&
        !words.parted(at - 1) && StandsApartFromACount(words, at - 1))
        for (const NumberRead &count : CountsEndingAt(words, at - 1))
            if (count.value >= 2 && count.value <= MostDaysCounted) {
                named1.fault = PhraseFault::Designation;
                named1.faultBegin = static_cast<std::uint8_t>(count.begin);
                named1.faultEnd = static_cast<std::uint8_t>(at + 1);
            }
    phrases.push_back(named1);
    // "idus augusti septimo", "kalendas nouembris nono": the count after the month, as Danish
    // scribes wrote it, an ordinal in words ("kalendas iunii quinto anno regni" is read, as
    // two ways, by the words after it). Not after "kalendis", "idibus": the day itself.
    if (!leap && !words.parted(end) && words.ordinalOf(end) > 0 &&
        !NamesTheDayItself(words[at].key))
        for (const NumberRead &count : CountsFrom(words, end))
            if (count.value >= 2 && count.value <= MostDaysCounted) {
                Phrase p = named1;
                p.end = static_cast<std::uint8_t>(count.end);
                p.date.day.count = count.value;
                p.pridieAsII = count.value == 2;
                phrases.push_back(p);
            }

    // "anno MCC octavo, idus novembris": what stands before a comma is no count, unless it
    // stands alone, after a comma or a place: "Datum Laterani, II, idus novembris", "Data Rome
    // III, Idus Septembris", "apud Sanctum Petrum tertio, nonas Septembris".
    const bool comma = words[at].pause;
    const auto alone = [&words](std::size_t begin) {
        return begin == 0 || words[begin].pause || words.nameLike(begin - 1);
    };
    // A word between the count and the named day: "quarto decimo autem Kalendas Iulii".
    const std::size_t before =
        at >= 1 && words.is(at - 1, Kind::Connective) && !words[at - 1].pause ? at - 1 : at;
    if (comma) {
        if (before != at) // a word between the count and the named day, after a comma
            return;
        for (const NumberRead &count : CountsEndingAt(words, at))
            if (count.value >= 2 && count.value <= MostDaysCounted &&
                (words.numeralOf(count.begin) > 0 || words.ordinalOf(count.begin) > 0) &&
                count.end == at && alone(count.begin)) {
                Phrase p = named1;
                p.begin = static_cast<std::uint8_t>(count.begin);
                p.date.day.count = count.value;
                p.pridieAsII = count.value == 2;
                phrases.push_back(p);
            }
        return;
    }
    if (before >= 1 &&
        (words.is(before - 1, Kind::Pridie) || words.is(before - 1, Kind::Postridie))) {
        Phrase p = named1;
        p.begin = static_cast<std::uint8_t>(DieBefore(words, before - 1));
        if (words.is(before - 1, Kind::Pridie))
            p.date.day.count = 2;
        else
            p.date.day.dayAfter = true;
        phrases.push_back(p);
        return;
    }
    // "a. d. VI bis Kal.": the doubled day written the wrong way round.
    const bool bisAfter = before >= 1 && words.is(before - 1, Kind::Bis);
    for (const NumberRead &count : CountsEndingAt(words, bisAfter ? before - 1 : before)) {
        const std::size_t last = count.end - 1;
        const bool inWords = words.ordinalOf(last) > 0;
        std::size_t begin = count.begin;
        const bool doubled = begin >= 1 && !words[begin].pause && words.is(begin - 1, Kind::Bis);
        begin -= doubled ? 1 : 0;
        const std::size_t anteDiem = AnteDiemBefore(words, begin);
        const bool saysAnteDiem = anteDiem < begin;
        // "mcccclxx quarto. Idus": an ordinal ended by a full stop ends the year before the date,
        // where that year can go on with it; after "mº cccº viº" or no number, it is the count.
        if (inWords && words[last].dotted && YearGoesOnWith(words, count.begin, count.value))
            continue;
        begin = DieBefore(words, anteDiem);
        // A number past 19 counts no days (M. D. XXIX. Calendis Aprilis: a year), unless
        // "ante diem" says it is meant as a count.
        if (count.value > MostDaysCounted && !saysAnteDiem)
            continue;
        Phrase p = named1;
        p.begin = static_cast<std::uint8_t>(begin);
        p.date.day.count = count.value;
        p.date.day.doubled = doubled;
        p.pridieAsII = count.value == 2 && !doubled;
        const bool listed = count.value >= 2 && count.value <= MostDaysCounted &&
                            (!doubled || count.value == 6) && !bisAfter;
        if (!listed && p.fault == PhraseFault::None) {
            p.fault = PhraseFault::Designation;
            p.faultBegin = static_cast<std::uint8_t>(begin);
            p.faultEnd = static_cast<std::uint8_t>(before);
        }
        phrases.push_back(p);
    }
}

void DayOfMonthRule(const Words &words, std::size_t at, Phrases &phrases) {
    // A day of the month at `begin`, counted `count`, and its month at `monthAt` ("die Martis"
    // is a Tuesday, never March).
    const auto add = [&](std::size_t begin, int count, std::size_t monthAt, std::size_t end,
                         bool mustBeMonth, bool afterComma = false) {
        const MonthRead read = afterComma ? MonthRead{words.monthOf(monthAt), false}
                                          : MonthAt(words, monthAt, mustBeMonth);
        if (read.month == 0 || words.is(monthAt, Kind::DayName))
            return;
        LatinDate date;
        date.day = {1, false, false, Reference::Calends, read.month};
        date.dayOfMonth = count;
        // die quarto mensis iunii exeunte: Bologna's count, after the month, is part of it
        const std::string_view after =
            end < words.size() && !words.parted(end) ? words[end].key : std::string_view{};
        if (after == "exeunte" || after == "exeuntis") {
            date.fromMonthEnd = true;
            ++end;
        } else if (after == "intrante" || after == "introeunte" || after == "intrantis") {
            ++end;
        }
        phrases.push_back(DatePhrase(begin, end, date, monthAt, read));
    };
    // "mensis" or "mense" before the month, or "de mense" as Italian notaries write it: die
    // duodecimo de mense madii; "mensis" also after a comma: "Die 10, mensis iulii"
    const auto monthAfter = [&words](std::size_t i) {
        if (i < words.size() && words[i].key == "de" && !words.parted(i) &&
            words.is(i + 1, Kind::Mensis) && !words.parted(i + 1))
            return i + 2;
        const bool mensis =
            words.is(i, Kind::Mensis) && (!words.parted(i) || words[i].text == "mensis");
        return mensis ? i + 1 : i;
    };
    // Bologna's custom, the month's days counted in or out by the word at `i`: die tertio
    // intrante mense iunio, secunda die intrante aprili, die secundo exeunte
    const auto addCountedIn = [&](std::size_t begin, int count, std::size_t i) {
        const std::string_view key = i < words.size() ? words[i].key : std::string_view{};
        const bool intrante = key == "intrante" || key == "introeunte" || key == "intrantis" ||
                              key == "stante" || key == "astante";
        if ((intrante || key == "exeunte" || key == "exeuntis") && !words.parted(i) &&
            !words.parted(i + 1)) {
            const std::size_t monthAt = monthAfter(i + 1);
            const std::size_t before = phrases.size();
            add(begin, count, monthAt, monthAt + 1, true);
            if (!intrante && phrases.size() > before)
                phrases.back().date.fromMonthEnd = true;
        }
    };
    // The month's last day, or the day before it (penultima), said by word `last`; its month
    // at `i` or after "mensis" there.
    const auto addLast = [&](std::size_t begin, std::size_t last, std::size_t i) {
        const std::size_t before = phrases.size();
        add(begin, words[last].key.starts_with("pen") ? 2 : 1, monthAfter(i), monthAfter(i) + 1,
            true);
        if (phrases.size() > before)
            phrases.back().date.fromMonthEnd = true;
    };
    // ultima ianuarii, as letters write it without "die"; ultima die aprilis
    if (words.is(at, Kind::Last) && (at == 0 || !words.is(at - 1, Kind::Die)) &&
        !words.parted(at + 1)) {
        addLast(at, at, at + 1);
        if (words.is(at + 1, Kind::Die) && !words.parted(at + 2))
            addLast(at, at, at + 2);
    }
    if (words.is(at, Kind::Die)) {
        const std::size_t begin = DieBefore(words, at + 1);
        // die XX mensis Maii; die vero XX Maii
        const std::size_t from =
            words.is(at + 1, Kind::Connective) && !words.parted(at + 1) ? at + 2 : at + 1;
        if (!words.parted(from))
            for (const NumberRead &count : CountsFrom(words, from)) {
                add(begin, count.value, monthAfter(count.end), monthAfter(count.end) + 1, true);
                // Die 27, septembris: the month's name after a comma, as notaries' registers
                // write it; but not a name that is also a word ("die X, septem") nor one in the
                // ablative, which may be a man's ("die XV, Iulio Caesare consule")
                if (count.end < words.size() && words[count.end].pause && !words[count.end].gloss &&
                    !IsAlsoAWord(words[count.end].key) && !words[count.end].key.ends_with('o'))
                    add(begin, count.value, count.end, count.end + 1, true, true);
                // Bologna's custom: die tertio intrante mense iunio, die secundo exeunte
                addCountedIn(begin, count.value, count.end);
            }
        // die ultima mensis februarii, die ultimo Maii: the month's last day
        if (words.is(at + 1, Kind::Last) && !words.parted(at + 1))
            addLast(begin, at + 1, at + 2);
        // die novembris septimo
        if (words.monthOf(at + 1) && !words.parted(at + 1) && !words.parted(at + 2))
            for (const NumberRead &count : CountsFrom(words, at + 2))
                add(begin, count.value, at + 1, count.end, true);
        // die mercurii x mensis augusti: a numeral of one small letter after the weekday, read
        // as it is after "die" (a longer number begins a day of its own, below)
        if ((words.is(at + 1, Kind::DayName) || words.is(at + 1, Kind::Weekday)) &&
            !words.parted(at + 1) && !words.parted(at + 2) && at + 2 < words.size() &&
            !words.mayBeNumber(at + 2))
            for (const NumberRead &count : CountsFrom(words, at + 2))
                add(at + 2, count.value, monthAfter(count.end), monthAfter(count.end) + 1, true);
    }
    // mense Maii die 3; mense februarii IIIº; and with a comma before "die": mense januario,
    // die sexto; quod fecit mensis martius, dies XV, as the St. Gallen charters write it
    if (words.is(at, Kind::Mensis) && !words.parted(at + 1)) {
        const bool die = words.is(at + 2, Kind::Die);
        if (die ? !words.parted(at + 3) : !words.parted(at + 2))
            for (const NumberRead &count : CountsFrom(words, at + (die ? 3 : 2)))
                add(at, count.value, at + 1, count.end, true);
        // in mense aprilis, .IIII. die mensis
        if (!die && words.parted(at + 2))
            for (const NumberRead &count : CountsFrom(words, at + 2))
                if (words.is(count.end, Kind::Die) && !words.parted(count.end)) {
                    const std::size_t end = count.end + 1;
                    add(at, count.value, at + 1,
                        end + (words.is(end, Kind::Mensis) && !words.parted(end) ? 1 : 0), true);
                }
    }
    // The number of an hour, a feria, an indiction or the moon is theirs, never a day's: "hora
    // nona, mensis iulii" is the ninth hour of a day in July.
    if (at >= 1 && !words.parted(at) &&
        (words.kindsOf(at - 1) & KindsOf({Kind::Hour, Kind::Diei, Kind::Noctis, Kind::Feria,
                                          Kind::Indiction, Kind::Computus})) != 0)
        return;
    for (const NumberRead &count : CountsFrom(words, at)) {
        // (die vero sabbati vicesima sexta, mensis octobris: a comma before "mensis" parts
        // nothing)
        const bool mensisWord =
            words.is(count.end, Kind::Mensis) && words[count.end].text == "mensis";
        if (words.parted(count.end) && !mensisWord)
            continue;
        // xx. iiijo die: a ten and its units in two words
        if (count.value % 10 == 0 && count.value <= 30 && words[count.end - 1].dotted &&
            words.numeralOf(count.end) > 0 && words.numeralOf(count.end) < 10 &&
            words.is(count.end + 1, Kind::Die) && !words.parted(count.end + 1))
            add(at, count.value + words.numeralOf(count.end), monthAfter(count.end + 2),
                monthAfter(count.end + 2) + 1, true);
        // die lune secundo exeunte mense februarii: Bologna's count after the weekday
        addCountedIn(at, count.value, count.end);
        if (words.is(count.end, Kind::Die)) { // sexto die mensis Iulii
            add(at, count.value, monthAfter(count.end + 1), monthAfter(count.end + 1) + 1, true);
            if (!words.parted(count.end + 1))
                addCountedIn(at, count.value, count.end + 1);
            continue;
        }
        // XXV mensis Augusti, decima mensis januarii, 14. Novembris, octavo junii: an ordinal
        // not after another number, which it might end ("septuagesimo primo mense augusti" ends
        // a year)
        const bool mensis = mensisWord && !words.parted(count.end + 1);
        const bool afterNumber = at >= 1 && !words.parted(at) &&
                                 (words.mayBeNumber(at - 1) || words.numeralOf(at - 1) > 0);
        if (words.ordinalOf(count.begin) > 0 && !mensis &&
            (afterNumber || words.is(count.end, Kind::Mensis)))
            continue;
        // xxviij. a Februarij: the ordinal's ending written apart
        const bool ending = !mensis && count.end < words.size() && words[count.end].text == "a" &&
                            !words[count.end].capital && !words.parted(count.end + 1) &&
                            words.monthOf(count.end + 1) > 0;
        if (!mensis && !ending && count.end < words.size() && IsAlsoAWord(words[count.end].key))
            continue;
        const std::size_t monthAt = mensis || ending ? count.end + 1 : count.end;
        // ad diem VIII Octobris, ad d. XXI. Octobris: the day itself, as letters of the 16th
        // century write their dateline ("usque ad diem" is another, and is refused)
        const bool adDiem = at >= 2 && !words.parted(at) && !words.parted(at - 1) &&
                            words[at - 2].key == "ad" &&
                            (words[at - 1].key == "diem" || words[at - 1].key == "d");
        add(adDiem ? at - 2 : at, count.value, monthAt, monthAt + 1, false);
    }
}

void MonthRule(const Words &words, std::size_t at, Phrases &phrases) {
    // mense Maio, mensis Iunii, beside a date that names its day otherwise (a feast, a
    // weekday after one): the month is checked; so is one misspelt by a letter (mensis
    // octubris), which is never passed over for a date of another month
    if (!words.is(at, Kind::Mensis) || words.parted(at + 1))
        return;
    if (const MonthRead read = MonthAt(words, at + 1, true); read.month > 0) {
        Phrase p;
        p.kind = PhraseKind::Month;
        p.begin = static_cast<std::uint8_t>(at);
        p.end = static_cast<std::uint8_t>(at + 2);
        p.value = read.month;
        phrases.push_back(p);
    }
}

} // namespace tempidex
