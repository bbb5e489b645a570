// The rules that read the date itself: a Roman date and a day of the month.
#include "month_names.h"
#include "number_phrases.h"
#include "rules.h"

namespace tempidex {
namespace {

// No named day is counted to from further back than this: a. d. XIX Kal.
constexpr int MostDaysCounted = 19;

// The month named by word i, and whether it was read from a misspelling; 0 for none. A
// misspelt name is read only where a month must stand.
struct MonthRead {
    int month = 0;
    bool misspelt = false;
};

MonthRead MonthAt(const Words &words, std::size_t i, bool mustBeMonth) {
    if (i >= words.size() || words[i].gloss || words[i].pause)
        return {};
    if (const int month = words.monthOf(i))
        return {month, false};
    if (!mustBeMonth || words.classOf(i).kinds != 0 || words.isNumber(i))
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
    if (end == 0 || words[end].pause || !words.is(end - 1, Kind::Die))
        return end;
    return end >= 2 && !words[end - 1].pause && words.is(end - 2, Kind::Sub) ? end - 2 : end - 1;
}

} // namespace

void RomanDateRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Reference))
        return;
    const auto named = static_cast<Reference>(words.classOf(at).reference);
    const MonthRead read = MonthAt(words, at + 1, true);
    if (read.month == 0)
        return; // the named day stands alone: its month is what is wrong
    std::size_t end = at + 2;
    bool leap = false;
    if (words.is(end, Kind::A) && words.is(end + 1, Kind::I) && !words[end + 1].pause) {
        leap = true;
        end += 2;
    } else if (words.is(end, Kind::AI)) {
        leap = true;
        end += 1;
    }
    // "Kalendarum Iuniarum die": the day of the Calends, in the genitive.
    if (!leap && words.is(end, Kind::Die) && words[at].key.ends_with("rum") &&
        !words.is(end + 1, Kind::Mensis) && CountsFrom(words, end + 1).empty())
        end += 1;
    LatinDate date;
    date.day = {1, false, false, named, read.month};
    date.leapYear = leap;
    Phrase named1 = DatePhrase(at, end, date, at + 1, read);
    if (leap && read.month != 3) { // (a. i.) belongs to the March Calends alone
        named1.fault = PhraseFault::Month;
        named1.faultBegin = static_cast<std::uint8_t>(at + 1);
        named1.faultEnd = static_cast<std::uint8_t>(end);
    }
    phrases.push_back(named1);
    if (words[at].pause)
        return; // "feria tertia, Kal. Ian.": what stands before a comma is no designation

    // A word between the count and the named day: "quarto decimo autem Kalendas Iulii".
    const std::size_t before =
        at >= 1 && words.is(at - 1, Kind::Connective) && !words[at - 1].pause ? at - 1 : at;
    if (before >= 1 && (words.is(before - 1, Kind::Pridie) || words.is(before - 1, Kind::Postridie))) {
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
        if (words[count.end].pause)
            continue; // "Actum die tertio, Kal. Mai.": parted by a comma
        std::size_t begin = count.begin;
        const bool doubled = begin >= 1 && !words[begin].pause && words.is(begin - 1, Kind::Bis);
        begin -= doubled ? 1 : 0;
        const std::size_t anteDiem = AnteDiemBefore(words, begin);
        const bool saysAnteDiem = anteDiem < begin;
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
    const auto add = [&](std::size_t begin, const NumberRead &count, std::size_t monthAt,
                         bool mustBeMonth) {
        // "mensis" or "mense" may stand before the month.
        if (words.is(monthAt, Kind::Mensis) && !words[monthAt].pause) {
            ++monthAt;
            mustBeMonth = true;
        }
        const MonthRead read = MonthAt(words, monthAt, mustBeMonth);
        if (read.month == 0)
            return;
        LatinDate date;
        date.day = {1, false, false, Reference::Calends, read.month};
        date.dayOfMonth = count.value;
        phrases.push_back(DatePhrase(begin, monthAt + 1, date, monthAt, read));
    };
    if (words.is(at, Kind::Die)) { // die XX mensis Maii; die quinta Iunii
        const std::size_t begin = DieBefore(words, at + 1);
        if (at + 1 < words.size() && !words[at + 1].pause)
            for (const NumberRead &count : CountsFrom(words, at + 1))
                add(begin, count, count.end, true);
    }
    if (words.is(at, Kind::Mensis)) { // mense Maii die 3
        const MonthRead read = MonthAt(words, at + 1, true);
        if (read.month != 0 && words.is(at + 2, Kind::Die) && !words[at + 2].pause &&
            at + 3 < words.size() && !words[at + 3].pause)
            for (const NumberRead &count : CountsFrom(words, at + 3)) {
                LatinDate date;
                date.day = {1, false, false, Reference::Calends, read.month};
                date.dayOfMonth = count.value;
                phrases.push_back(DatePhrase(at, count.end, date, at + 1, read));
            }
    }
    for (const NumberRead &count : CountsFrom(words, at)) {
        if (count.end >= words.size() || words[count.end].pause)
            continue;
        if (words.is(count.end, Kind::Die)) // sexto die mensis Iulii
            add(at, count, count.end + 1, true);
        else // XXV mensis Augusti; 14. Novembris
            add(at, count, count.end, false);
    }
}

} // namespace tempidex
