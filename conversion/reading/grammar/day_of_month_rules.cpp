// The rules that read a day of the month (die XV mensis Maii, mense Maii die 3, 14. Novembris)
// and a month named beside a date (mense Maio), checked against the date's.
#include "feast_phrases.h"
#include "month_words.h"
#include "number_phrases.h"
#include "rules.h"

#include "reading/words/name_stems.h"
#include "reading/words/name_words.h"

namespace tempidex {
namespace {

// The new calendar's day after `old` and a slash ("15/25", "XII/XXII"): ten to thirteen days
// later, as the Gregorian calendar ran ahead of the Julian from 1582 to 1923; 0 for none.
int OldAndNewDay(const Words &words, const NumberRead &old) {
    const std::size_t next = old.end;
    if (next + 1 >= words.size() || next != old.begin + 1 || words.parted(next) ||
        words[next].gloss)
        return 0;
    const std::string_view before = words[old.begin].written, after = words[next].written;
    const std::string_view between(before.data() + before.size(),
                                   static_cast<std::size_t>(after.data() - before.data()) -
                                       before.size());
    const int newer = words.digitsOf(next) > 0 ? words.digitsOf(next) : words.numeralOf(next);
    const int ahead = newer - old.value;
    return between == "/" && ahead >= 10 && ahead <= 13 && newer <= 31 ? newer : 0;
}

} // namespace

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
        Phrase p = DatePhrase(begin, end, date, monthAt, read);
        // "i. oct. Innoc.", as regests cut "in octava Innocentium": "oct." before a feast's
        // name may be its octave, no October; unless the feast is that day of October ("ix.
        // Oct. Dionysii")
        const std::optional<FeastNamed> feast =
            words[monthAt].key == "oct" && words[monthAt].dotted && !words.parted(monthAt + 1)
                ? FeastFrom(words, monthAt + 1)
                : std::nullopt;
        if (feast &&
            Feasts()[static_cast<std::size_t>(feast->feast)].day != DayOfMonth{10, count}) {
            p.fault = PhraseFault::Month;
            p.faultBegin = static_cast<std::uint8_t>(monthAt);
            p.faultEnd = static_cast<std::uint8_t>(monthAt + 2);
        }
        phrases.push_back(p);
    };
    // "mensis" or "mense" before the month, or "de mense" as Italian notaries write it: die
    // duodecimo de mense madii; "mensis" also after a comma: "Die 10, mensis iulii"; and "de"
    // before the month's name written out, as they and Spain's wrote it: die 5 de iulio
    const auto monthAfter = [&words](std::size_t i) {
        if (i < words.size() && words[i].key == "de" && !words.parted(i) &&
            words.is(i + 1, Kind::Mensis) && !words.parted(i + 1))
            return i + 2;
        if (i + 1 < words.size() && words[i].key == "de" && !words.parted(i) &&
            !words.parted(i + 1) && words.classOf(i + 1).month != 0 &&
            words.classOf(i + 1).wholeMonth)
            return i + 1;
        const bool mensis = words.is(i, Kind::Mensis) &&
                            (!words.parted(i) || IsOneOf(words[i].text, {"mensis", "mensi"}));
        return mensis ? i + 1 : i;
    };
    // Bologna's custom, the month's days counted in or out by the word at `i`: die tertio
    // intrante mense iunio, secunda die intrante aprili, die secundo exeunte. "stante" and
    // "astante" are read both ways: the chronologists give them to the month's first half in
    // some towns and to its last, counted back, in others, and the line is refused where the
    // two days differ.
    const auto addCountedIn = [&](std::size_t begin, int count, std::size_t i) {
        const std::string_view key = i < words.size() ? words[i].key : std::string_view{};
        const bool intrante = key == "intrante" || key == "introeunte" || key == "intrantis";
        const bool stante = key == "stante" || key == "astante";
        const bool exeunte = key == "exeunte" || key == "exeuntis";
        if ((intrante || stante || exeunte) && !words.parted(i) && !words.parted(i + 1)) {
            const std::size_t monthAt = monthAfter(i + 1);
            if (intrante || stante)
                add(begin, count, monthAt, monthAt + 1, true);
            const std::size_t before = phrases.size();
            if (exeunte || stante)
                add(begin, count, monthAt, monthAt + 1, true);
            if (phrases.size() > before)
                phrases.back().date.fromMonthEnd = true;
        }
    };
    // A month's name after a comma, as notaries' registers write it ("Die 27, septembris", "Die
    // 9 mensis, iulii"); but not a name that is also a word ("die X, septem") nor one in the
    // ablative, which may be a man's ("die XV, Iulio Caesare consule")
    const auto monthAfterComma = [&words](std::size_t m) {
        return m < words.size() && words[m].pause && !words[m].gloss &&
               !IsAlsoAWord(words[m].key) && !words[m].key.ends_with('o');
    };
    // The month's last day, or the day before it (penultima), said by word `last`; its month
    // at `i` or after "mensis" there, or after a comma (Die ultimo, septembris).
    const auto addLast = [&](std::size_t begin, std::size_t last, std::size_t i) {
        const std::size_t before = phrases.size();
        const std::size_t month = monthAfter(i);
        const bool comma = monthAfterComma(month) && (month == i || !words.parted(i));
        add(begin, words[last].key.starts_with("pen") ? 2 : 1, month, month + 1, true, comma);
        if (phrases.size() > before)
            phrases.back().date.fromMonthEnd = true;
    };
    // ultima ianuarii, as letters write it without "die"; ultima die aprilis (not the last
    // week, ten days or Sunday of the month: "hebdomada postrema Maii", "dominica ultima")
    const bool span =
        at >= 1 && !words.parted(at) &&
        ((words.kindsOf(at - 1) &
          KindsOf({Kind::Weekday, Kind::Feria, Kind::DayName, Kind::Church})) != 0 ||
         IsOneOf(words[at - 1].key, {"decade", "decada", "hebdomada", "ebdomada", "septimana",
                                     "hebdomade", "ebdomade", "dominica"}));
    if (words.is(at, Kind::Last) && (at == 0 || !words.is(at - 1, Kind::Die)) && !span &&
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
                const std::size_t month = monthAfter(count.end);
                add(begin, count.value, month, month + 1, true);
                if (monthAfterComma(month)) // Die 27, septembris; Die 9 mensis, iulii
                    add(begin, count.value, month, month + 1, true, true);
                // Bologna's custom: die tertio intrante mense iunio, die secundo exeunte
                addCountedIn(begin, count.value, count.end);
            }
        // MCCCCLI maii die xiiii: the month's name written out right before "die", as the
        // registers of letters write it (not a named day's month: "Kal. Maii die ...")
        if (at >= 1 && words.monthOf(at - 1) != 0 && words.classOf(at - 1).wholeMonth &&
            !words.parted(at) && !words.parted(from) &&
            !(at >= 2 && !words.parted(at - 1) && words.is(at - 2, Kind::Reference)))
            for (const NumberRead &count : CountsFrom(words, from))
                add(at - 1, count.value, at - 1, count.end, true, true);
        // die ultima mensis februarii, die ultimo Maii: the month's last day
        if (words.is(at + 1, Kind::Last) && !words.parted(at + 1))
            addLast(begin, at + 1, at + 2);
        // mensis februarii die penultima: the month named before its last day (not a named
        // day's month)
        if (at >= 1 && words.monthOf(at - 1) != 0 && words.classOf(at - 1).wholeMonth &&
            !words.parted(at) && words.is(at + 1, Kind::Last) && !words.parted(at + 1) &&
            !(at >= 2 && !words.parted(at - 1) && words.is(at - 2, Kind::Reference))) {
            const std::size_t first =
                at >= 2 && !words.parted(at - 1) && words.is(at - 2, Kind::Mensis) ? at - 2
                                                                                   : at - 1;
            const std::size_t before = phrases.size();
            add(first, words[at + 1].key.starts_with("pen") ? 2 : 1, at - 1, at + 2, true);
            if (phrases.size() > before)
                phrases.back().date.fromMonthEnd = true;
        }
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
    // Martii 11., Decembris 19, iunii 22. 1556, Iunii prima: the month first, in the genitive
    // or cut short, and its day in digits or an ordinal, as the humanists' letters write it.
    // Not a named day's month (Kal. Ian. 71), nor a saint's name ("post festum s. Mart. 2",
    // "Marci 25"), nor before a word that takes the number for its own (Maii XV kal. Iunii, Maii
    // 15 indictione, Martii quarta post Invocavit); and never a numeral, which after an
    // emperor's or a pope's name is his year or his number ("Ottonis augusti IX", "pontificatus
    // Iulii II"): after those two names only digits ("semper augusti primo", "Iulii tertii"
    // are an emperor's first year and a pope), and never after a reign's word or "semper", nor
    // after "in" or "festo" ("in oct. 8" may be an octave).
    const auto monthFirst = [&words](std::size_t m) {
        const std::string_view key = words[m].key;
        return words.monthOf(m) != 0 && key != "marci" &&
               (!words.classOf(m).wholeMonth || key.ends_with('i') || key.ends_with("is")) &&
               !(m >= 1 && !words.parted(m) &&
                 (words.is(m - 1, Kind::Reign) || words.is(m - 1, Kind::In) ||
                  words.is(m - 1, Kind::Church) || words[m - 1].key == "semper"));
    };
    if (at >= 1 && monthFirst(at - 1) && !words.parted(at) &&
        !(at >= 2 && !words.parted(at - 1) &&
          (words.is(at - 2, Kind::Reference) ||
           IsTitle(NameStem(words[at - 2].key), DeclensionsOf(words[at - 2].key))))) {
        // (July's and August's names first only where a dateline begins: alone, after its
        // place or its year; "Constitutio Iulii 2.", "tempore Iulii 2 papae" are Julius II's)
        const std::size_t m = at - 1;
        const bool dateline =
            m == 0 || words.parted(m) || words.mayBeNumber(m - 1) || words.is(m - 1, Kind::Given) ||
            (IsPlaceInTheLocative(words, m - 1) && (m == 1 || words.is(m - 2, Kind::Given)));
        const bool rulersName = words.monthOf(m) == 7 || words.monthOf(m) == 8;
        for (const NumberRead &count : rulersName && !dateline ? Counts{} : CountsFrom(words, at)) {
            const bool own =
                count.end < words.size() && !words.parted(count.end) &&
                ((words.kindsOf(count.end) &
                  KindsOf({Kind::Reference, Kind::Die, Kind::Mensis, Kind::Indiction, Kind::Hour,
                           Kind::Diei, Kind::Noctis, Kind::Computus, Kind::Feria, Kind::Weekday,
                           Kind::Reign})) != 0 ||
                 words.monthOf(count.end) != 0 ||
                 IsOneOf(words[count.end].key, {"post", "ante", "infra", "intra", "in"}) ||
                 (words[count.end].capital && words[count.end].dotted &&
                  words[count.end].key.size() <= 2)); // Iulii 2 P. M.
            const bool written = words.digitsOf(count.begin) > 0 ||
                                 (words.ordinalOf(count.begin) > 0 && !rulersName);
            if (!own && written)
                add(at - 1, count.value, at - 1, count.end, true, true);
        }
    }
    // The number of an hour, a feria, an indiction or the moon is theirs, never a day's: "hora
    // nona, mensis iulii" is the ninth hour of a day in July.
    if (at >= 1 && !words.parted(at) &&
        (words.kindsOf(at - 1) & KindsOf({Kind::Hour, Kind::Diei, Kind::Noctis, Kind::Feria,
                                          Kind::Indiction, Kind::Computus})) != 0)
        return;
    for (const NumberRead &count : CountsFrom(words, at)) {
        // "Francofurti 15/25 Oct. 1592", "Londini XII/XXII Augusti MDCI": the day in the old
        // calendar and in the new, as letters wrote it after the reform: the old one is read,
        // as "stilo veteri" is, the new one kept to be checked against it in that year
        if (const int newer = OldAndNewDay(words, count); newer > 0) {
            const std::size_t before = phrases.size();
            add(at, count.value, count.end + 1, count.end + 2, true);
            if (phrases.size() > before)
                phrases.back().value = newer;
            continue;
        }
        // (die vero sabbati vicesima sexta, mensis octobris: a comma before "mensis" parts
        // nothing)
        const bool mensisWord = words.is(count.end, Kind::Mensis) &&
                                IsOneOf(words[count.end].text, {"mensis", "mensi"});
        if (words.parted(count.end) && !mensisWord)
            continue;
        // xx. iiijo die: a ten and its units in two words
        if (count.value % 10 == 0 && count.value <= 30 && words[count.end - 1].dotted &&
            words.numeralOf(count.end) > 0 && words.numeralOf(count.end) < 10 &&
            words.is(count.end + 1, Kind::Die) && !words.parted(count.end + 1))
            add(at, count.value + words.numeralOf(count.end), monthAfter(count.end + 2),
                monthAfter(count.end + 2) + 1, true);
        // die lune secundo exeunte mense februarii: Bologna's count after the weekday (not an
        // ordinal in words after a number, which may end the year: "anno domini millesimo
        // quingentesimo vigesimo tertio exeunte iunio")
        const bool endsAYear = at >= 1 && !words.parted(at) && words.ordinalOf(count.begin) > 0 &&
                               words.numeralOf(count.begin) == 0 && words.digitsOf(at - 1) == 0 &&
                               (words.mayBeNumber(at - 1) || words.numeralOf(at - 1) > 0);
        if (!endsAYear)
            addCountedIn(at, count.value, count.end);
        // ad 21. diem aprilis: the day itself, as "ad diem 21. aprilis" is
        if (at >= 1 && words[at - 1].key == "ad" && !words.parted(at) &&
            words.is(count.end, Kind::Diem) && !words.parted(count.end + 1)) {
            add(at - 1, count.value, monthAfter(count.end + 1), monthAfter(count.end + 1) + 1,
                true);
            continue;
        }
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
        // (a year in digits it cannot end: "anno domini 1340 octavo Ianuarii")
        // (nor a unit after a unit, which already ended the year: "quadragesimo octavo octavo
        // marci" is 1348 and the 8th of March, or St Mark's octave)
        const auto unit = [](int value) { return value >= 1 && value <= 9; };
        const bool afterAUnit = at >= 1 && unit(words.ordinalOf(at - 1)) &&
                                words.numeralOf(at - 1) == 0 && unit(count.value);
        const bool afterNumber = at >= 1 && !words.parted(at) && words.digitsOf(at - 1) == 0 &&
                                 !afterAUnit &&
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
        // (after "mensis" a month must stand: "quarto decimo mensis octubris" is read, as it
        // is after "die", with a month misspelt by a letter; and so between a count and the
        // year: "xxv Jannuarij anno Domini 1531", "14. Setembris 1531")
        const bool yearAfter = words.is(monthAt + 1, Kind::Anno) ||
                               words.digitsOf(monthAt + 1) >= 1000 ||
                               words.numeralOf(monthAt + 1) >= 1000;
        add(adDiem ? at - 2 : at, count.value, monthAt, monthAt + 1, mensis || yearAfter);
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
