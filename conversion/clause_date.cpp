#include "clause_reader.h"

#include "numerals.h"
#include "window_lists.h"

namespace tempidex::clause_reading {
namespace {

// A day's number as a numeral: XIX, 19, XIIo (with its ordinal mark); 0 for anything else.
int NumeralValue(std::string_view word) {
    if (word.empty() || !NumberLetters[static_cast<unsigned char>(word[0])])
        return 0;
    const int value = NumberValue(word);
    if (value == 0 && word.size() >= 2 && word.back() == 'o')
        return NumberValue(word.substr(0, word.size() - 1));
    return value;
}

} // namespace

// Whether "ante diem", "a. d." or "ad" stands before the number at `number`.
bool Reader::saysAnteDiem(Index number) const {
    return (number >= 1 && free(number - 1) && is(number - 1, Key::AD)) ||
           (number >= 2 && free(number - 2) && free(number - 1) &&
            ((is(number - 2, Key::A) && is(number - 1, Key::D)) ||
             (is(number - 2, Key::Ante) && is(number - 1, Key::Diem))));
}

// The number of days a designation counts, ending before `reference`: a number past 19 is
// a year's (M. D. XXIX. Calendis Aprilis) unless "ante diem" says it is meant as a count.
int Reader::designationBefore(Index reference, Index &begin) const {
    Index first = reference;
    const int counted = dayNumberBefore(reference, first);
    if (counted == 0 || (counted > MostDaysCounted && !saysAnteDiem(first)))
        return 0;
    begin = first;
    return counted;
}

// The designation before the reference day at `reference`, and the month after it.
bool Reader::romanCoreAt(Index reference, Core &core) const {
    if (!free(reference) || kind(reference).reference < 0 || !free(reference + 1))
        return false;
    const auto named = static_cast<Reference>(kind(reference).reference);
    const int month = monthOf(reference + 1);
    if (month == 0)
        return false;
    core = Core{};
    core.end = reference + 2;
    if (free(core.end) && free(core.end + 1) && is(core.end, Key::A) && is(core.end + 1, Key::I)) {
        core.leap = true;
        core.end += 2;
    } else if (free(core.end) && is(core.end, Key::AI)) {
        core.leap = true;
        core.end += 1;
    }
    if (free(core.end) && monthOf(core.end) != 0) { // Kal. Ianuarius Maius
        core.fault = LatinPart::Month;
        core.faultText = w.written(reference + 1, core.end);
        return true;
    }
    int days = 1;
    bool doubled = false, dayAfter = false;
    Index begin = reference;
    if (w[reference].pause) {
        // "feria tertia, Kal. Ian.": the number before the comma is another day's
    } else if (reference > 0 && free(reference - 1) && is(reference - 1, Key::Pridie)) {
        days = 2;
        begin = reference - 1;
    } else if (reference > 0 && free(reference - 1) && is(reference - 1, Key::Postridie)) {
        dayAfter = true;
        begin = reference - 1;
    } else if (const int counted = designationBefore(reference, begin); counted > 0) {
        days = counted;
        doubled = begin > 0 && free(begin - 1) && is(begin - 1, Key::Bis);
        begin -= doubled ? 1 : 0;
        if (begin >= 2 && free(begin - 2) &&
            ((is(begin - 2, Key::A) && is(begin - 1, Key::D)) ||
             (is(begin - 2, Key::Ante) && is(begin - 1, Key::Diem))))
            begin -= 2;
        else if (begin >= 1 && free(begin - 1) && is(begin - 1, Key::AD))
            begin -= 1;
        // a. d. II, as manuscripts write the day before
        core.pridieAsII = days == 2 && !doubled;
    }
    if (begin > 0 && free(begin - 1) && is(begin - 1, Key::Die))
        begin -= begin > 1 && free(begin - 2) && is(begin - 2, Key::Sub) ? 2 : 1;
    core.begin = begin;
    core.day = {days, doubled, dayAfter, named, month};
    if (core.leap && month != 3) { // "(a. i.)" belongs to March alone
        core.fault = LatinPart::Month;
        core.faultText = w.written(reference + 1, core.end - 1);
        return true;
    }
    const bool listed = days <= 2 ? !doubled
                                  : (!doubled || days == 6) &&
                                        EntryOf(DesignationMeaning{days, doubled}) != NotListed;
    if (!listed) {
        core.fault = LatinPart::Designation;
        core.faultText = w.written(begin, reference - 1);
    }
    return true;
}

// A day's number at `at`, in a numeral or ordinals (one word or two): its value, and where it
// ends. 0 for none.
int Reader::dayNumberAt(Index at, Index &end) const {
    if (!free(at))
        return 0;
    if (const int value = NumeralValue(text(at)); value > 0) {
        end = at + 1;
        return value;
    }
    if (!is(at, Key::Ordinal))
        return 0;
    if (free(at + 1) && is(at + 1, Key::Ordinal))
        if (const int value = DayOrdinalValue(text(at), text(at + 1)); value > 0) {
            end = at + 2;
            return value;
        }
    end = at + 1;
    return DayOrdinalValue(text(at));
}

// The same, ending just before `at`: where it begins. A number above 31 is no day's: a year;
// nor is the number of a weekday, an hour, an indiction or a year of a reign.
int Reader::dayNumberBefore(Index at, Index &begin) const {
    const auto countsAnother = [this](Index number) {
        if (number == 0)
            return false;
        const WordKind &before = kind(number - 1);
        return before.is(Key::Feria) || before.is(Key::Hour) || before.is(Key::Indiction) ||
               before.is(Key::Anno) || before.is(Key::Reign);
    };
    Index first = at;
    const int value = dayNumberBeforeAnything(at, first);
    if (value == 0 || countsAnother(first))
        return 0;
    begin = first;
    return value;
}

int Reader::dayNumberBeforeAnything(Index at, Index &begin) const {
    if (at == 0 || !free(at - 1))
        return 0;
    if (const int value = NumeralValue(text(at - 1)); value > 0) {
        begin = at - 1;
        return value <= 31 ? value : 0;
    }
    if (!is(at - 1, Key::Ordinal))
        return 0;
    if (at >= 2 && free(at - 2) && is(at - 2, Key::Ordinal))
        if (const int value = DayOrdinalValue(text(at - 2), text(at - 1)); value > 0) {
            begin = at - 2;
            return value;
        }
    begin = at - 1;
    return DayOrdinalValue(text(at - 1));
}

// "die XX mensis Maii", "die quinta Iunii", "sexto die mensis Iulii", "die primo Octobris",
// "die Lunae XXV mensis Augusti".
bool Reader::dayOfMonthCoreAt(Index die, Core &core) const {
    core = Core{};
    if (is(die, Key::Mensis)) {
        const int day = dayNumberBefore(die, core.begin);
        const int month = free(die + 1) ? monthOf(die + 1) : 0;
        if (day == 0 || day > 31 || month == 0)
            return false;
        core.end = die + 2;
        core.dayOfMonth = day;
        core.day = {1, false, false, Reference::Calends, month};
        return true;
    }
    if (!is(die, Key::Die))
        return false;
    Index after = die + 1, end = 0;
    int day = dayNumberAt(after, end);
    if (day > 0) {
        core.begin = die;
        after = end;
    } else if ((day = dayNumberBefore(die, core.begin)) == 0) {
        return false;
    }
    after += free(after) && is(after, Key::Mensis) ? 1 : 0;
    const int month = free(after) ? monthOf(after) : 0;
    if (month == 0 || day > 31)
        return false;
    core.end = after + 1;
    core.dayOfMonth = day;
    core.day = {1, false, false, Reference::Calends, month};
    return true;
}

} // namespace tempidex::clause_reading
