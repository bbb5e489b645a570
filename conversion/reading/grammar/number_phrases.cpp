#include "number_phrases.h"

#include "reading/words/numbers.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace tempidex {
namespace {

constexpr int MostDays = 31;

// A day's number in one word: XIX, xiiio, 19, tertio; 0 for none, and for a number in an
// editor's gloss: "die [Jouis 2a] mensis" is the editor's, and may not be the day's count.
int DayNumberOf(const Words &words, std::size_t i) {
    if (i < words.size() && words[i].gloss)
        return 0;
    const int value = words.ordinalOf(i) > 0  ? words.ordinalOf(i)
                      : words.digitsOf(i) > 0 ? words.digitsOf(i)
                                              : words.numeralOf(i);
    return value <= MostDays ? value : 0;
}

// Two ordinals that make one number of days: septimo decimo, decimo septimo, vicesimo primo.
int CompoundDays(int first, int second) {
    const int ten = std::max(first, second), unit = std::min(first, second);
    if (ten == 10 && unit >= 3 && unit <= 9)
        return ten + unit;
    if (first == 20 && second >= 1 && second <= 9)
        return first + second;
    return first == 30 && second == 1 ? 31 : 0;
}

// Ordinals of the words i and i + 1 (no comma between) as one count; 0 for none.
int CompoundAt(const Words &words, std::size_t i) {
    if (i + 1 >= words.size() || words[i + 1].pause)
        return 0;
    const int first = words.ordinalOf(i), second = words.ordinalOf(i + 1);
    return first > 0 && second > 0 ? CompoundDays(first, second) : 0;
}

// "primo et vicesimo": a unit and a ten with "et" between, from word i.
int UnitAndTenAt(const Words &words, std::size_t i) {
    if (i + 2 >= words.size() || words[i + 1].pause || words[i + 2].pause ||
        !words.is(i + 1, Kind::Et))
        return 0;
    const int unit = words.ordinalOf(i), ten = words.ordinalOf(i + 2);
    return unit >= 1 && unit <= 9 && (ten == 20 || (ten == 30 && unit == 1)) ? ten + unit : 0;
}

// The largest power of ten that divides a number: a year's next part must stay below it, so
// that MCCC can go on with septimo decimo, and MCCCXLII with nothing.
int SmallestPlace(int value) {
    int place = 1;
    while (place < 1000 && value % (place * 10) == 0)
        place *= 10;
    return place;
}

// One part of a year in words or numerals at word i: its value and how many words it takes.
struct Part {
    int value;
    std::size_t words;
};

// Every part that can begin at word i: a numeral (MCCC, M°, cc., xxmo), an ordinal (millesimo,
// septimo decimo), "bis millesimo", "mille".
Few<Part, 6> PartsAt(const Words &words, std::size_t i) {
    Few<Part, 6> parts;
    if (const int numeral = words.numeralOf(i))
        parts.push_back({numeral, 1});
    // A numeral written in two or three words, its letters run on: "lº xxiº" is LXXI.
    const bool runsOn = i + 1 < words.size() && words.numeralOf(i + 1) > 0 && !words[i + 1].pause;
    std::array<char, 24> letters{};
    std::size_t used = 0;
    // (Letters in small letters do not run on into capitals: "mccccxxxi V. Idus" is 1431.)
    for (std::size_t j = i;
         runsOn && j < i + 3 && j < words.size() && words.numeralOf(j) > 0 && !words[j].gloss &&
         (j == i || !words[j].pause) && words[j].capital == words[i].capital;
         ++j) {
        // its ending off, as the word's own value reads it (Mmo is M and "mo", not MM and "o");
        // or whatever ending it has: xxiº, xma
        std::string_view text = words[j].text;
        if (RomanValue(text) == 0 && !MarkedNumeral(text).empty())
            text = MarkedNumeral(text);
        while (!text.empty() && RomanValue(text) == 0)
            text.remove_suffix(1);
        // more than an ending off (mocccc, parts run together): no numeral to run on
        if (text.empty() || words[j].text.size() - text.size() > 2 ||
            used + text.size() > letters.size())
            break;
        // Nor does a word of two letters or more go on with the letter the word before ended
        // with: "Mº CCº CCº" is a word written twice, as copyists and scans double one, more
        // likely than CCCC cut in two; "MCC CC", "vi. ii." two numbers. A letter does, each
        // marked as a word of its own: "cºcºcº" is CCC; unmarked, it may be a word ("xxii j
        // crastino": j for in, as Danish scribes wrote it).
        if (j > i && text.front() == letters[used - 1] &&
            (text.size() >= 2 || (text == "i" && !words[j].marked && !words[j].dotted)))
            break;
        std::copy(text.begin(), text.end(), letters.begin() + static_cast<std::ptrdiff_t>(used));
        used += text.size();
        // No one wrote a year from 2000 on in pieces: "Mº Mº CCº", "MM CC" are a word written
        // twice or a slip, where "MMCC" may be a year.
        const int value = j > i ? RomanValue({letters.data(), used}) : 0;
        if (value >= 2000)
            break;
        if (value > 0)
            parts.push_back({value, j - i + 1});
    }
    if (const int ordinal = words.ordinalOf(i)) {
        parts.push_back({ordinal, 1});
        if (const int teen = CompoundAt(words, i); teen > 10 && teen < 20)
            parts.push_back({teen, 2});
    }
    if (i + 1 < words.size() && words.is(i, Kind::Bis) && words.ordinalOf(i + 1) == 1000)
        parts.push_back({2000, 2});
    if (words.is(i, Kind::Thousand))
        parts.push_back({1000, 1});
    return parts;
}

// Whether word i is an ordinal in words with a feminine ending: tertia, tertiam, tertiae.
bool IsFeminineOrdinal(const Words &words, std::size_t i) {
    const std::string_view key = words[i].key;
    return words.ordinalOf(i) > 0 && words.numeralOf(i) == 0 && words.digitsOf(i) == 0 &&
           (key.ends_with('a') || key.ends_with("am") || key.ends_with("ae") ||
            key.ends_with("as"));
}

void ReadParts(const Words &words, std::size_t i, int total, std::size_t count,
               YearNumbers &found) {
    if (i >= words.size() || words[i].gloss || count >= 8)
        return;
    // A comma ends the number, unless the scribe marked the parts on both sides of it as a
    // year's (mº, cccº xlº; mº cccº, quadragesimo quinto) and its tens or hundreds follow: a
    // unit or a ten below twenty may count the days (MCCº, tertio Kal.; decimo tertio Kal.).
    const auto marked = [&words](std::size_t j) {
        return words[j].marked || words.ordinalOf(j) > 0 ||
               (words.numeralOf(j) > 0 && RomanValue(words[j].text) == 0);
    };
    // (A unit or a ten below twenty goes on too where no count of days can follow it:
    // "Millesimo, Sexcentesimo, decimo Quinto. Regnorum nostrorum")
    const auto dayFollows = [&words](std::size_t j) {
        return words.is(j, Kind::Reference) || words.is(j, Kind::Die) ||
               words.is(j, Kind::Mensis) || words.monthOf(j) > 0;
    };
    const bool goesOn = count > 0 && total % 10 == 0 && total >= 1000 && marked(i - 1) &&
                        marked(i) &&
                        (std::max(words.ordinalOf(i), words.numeralOf(i)) >= 20 ||
                         (!dayFollows(i + 1) && (!words.mayBeNumber(i + 1) || !dayFollows(i + 2))));
    if (count > 0 && words[i].pause && !goesOn)
        return;
    // "ccc. o secundo": a superscript o written as a word of its own marks the numeral before it;
    // so does the "mo" of an ordinal's ending, "mcclxx mo sexto" (septuagesimo sexto), but not
    // before a count of days, which "mcclxx sexto kal." may be: no ending settles that
    // (after a pause no "mo" is the year's ending)
    if (count > 0 && i + 1 < words.size() && !words[i + 1].pause &&
        (words[i].text == "o" ||
         (words[i].text == "mo" && !words[i].pause && words.numeralOf(i - 1) > 0 &&
          !(dayFollows(i + 2) && !words.parted(i + 2)))))
        ++i;
    if (!words.mayBeNumber(i) && words.numeralOf(i) == 0 && !words.is(i, Kind::Bis) &&
        !words.is(i, Kind::Et) && !words.is(i, Kind::Thousand))
        return;
    // An ordinal in the feminine goes with no year, "anno" being masculine: "MCCC tertiam
    // partem", "MCCC prima vice", "MCCC vicesima secunda mensis Maii" (the day's)
    if (count > 0 && IsFeminineOrdinal(words, i))
        return;
    // "millesimo ducentesimo et quinquagesimo"
    if (count > 0 && words.is(i, Kind::Et) && i + 1 < words.size() && !words[i + 1].pause)
        if (words.ordinalOf(i + 1) > 0)
            ++i;
    // Nor does a year from 2000 on go on in numerals of words of their own ("MM CC XXVIII"), as
    // it may in words: "bis millesimo vicesimo".
    if (count > 0 && total >= 2000 && words.numeralOf(i) > 0)
        return;
    const int below = count == 0 ? 1 << 20 : SmallestPlace(total);
    for (const Part &part : PartsAt(words, i)) {
        if (part.value >= below)
            continue;
        const int value = total + part.value;
        const std::size_t end = i + part.words;
        found.push_back({value, end, value >= 1000, false, false, 0});
        ReadParts(words, end, value, count + 1, found);
    }
}

// The later year of a double year: 1195-6 is 1196, 1620/21 is 1621; nothing unless it is the
// year after.
std::optional<int> LaterYear(int first, std::string_view second) {
    if (second.empty() || second.size() > 4)
        return std::nullopt;
    int power = 1;
    for (std::size_t i = 0; i < second.size(); ++i)
        power *= 10;
    int later = first - first % power + DigitsValue(second);
    if (later <= first)
        later += power;
    return later == first + 1 ? std::optional(later) : std::nullopt;
}

} // namespace

bool IsOrdinalMarkApart(const Words &words, std::size_t i) {
    return i >= 1 && words[i].text == "o" && !words[i].capital && words.numeralOf(i - 1) > 0 &&
           !words[i - 1].marked;
}

Counts CountsEndingAt(const Words &words, std::size_t end) {
    Counts counts;
    if (end == 0 || end > words.size())
        return counts;
    const std::size_t last = end - 1;
    if (IsOrdinalMarkApart(words, last) && !words.parted(last) && !words[last].gloss) {
        for (NumberRead count : CountsEndingAt(words, last)) {
            count.end = end;
            counts.push_back(count);
        }
        return counts;
    }
    if (const int value = DayNumberOf(words, last))
        counts.push_back({value, last, end});
    if (last >= 1)
        if (const int value = CompoundAt(words, last - 1))
            counts.push_back({value, last - 1, end});
    if (last >= 2)
        if (const int value = UnitAndTenAt(words, last - 2))
            counts.push_back({value, last - 2, end});
    return counts;
}

Counts CountsFrom(const Words &words, std::size_t begin) {
    Counts counts;
    if (!words.mayBeNumber(begin) && words.numeralOf(begin) == 0)
        return counts;
    if (const int value = DayNumberOf(words, begin))
        counts.push_back({value, begin, begin + 1});
    if (const int value = CompoundAt(words, begin))
        counts.push_back({value, begin, begin + 2});
    if (const int value = UnitAndTenAt(words, begin))
        counts.push_back({value, begin, begin + 3});
    return counts;
}

YearNumbers YearNumbersFrom(const Words &words, std::size_t begin) {
    YearNumbers found;
    if (begin >= words.size() || words[begin].gloss ||
        (!words.mayBeNumber(begin) && words.numeralOf(begin) == 0 && !words.is(begin, Kind::Bis) &&
         !words.is(begin, Kind::Thousand)))
        return found;
    const Token &first = words[begin];
    if (HasDigit(first.text)) {
        const int value = words.digitsOf(begin);
        if (value == 0 && first.text.find_first_not_of('0') != std::string_view::npos)
            return found; // 15x4, 123456: no number of ours
        YearNumber number{value,       begin + 1, value >= 1000 && first.text[0] != '0',
                          first.minus, false,     0};
        const std::size_t next = begin + 1;
        if (next < words.size() && words[next].joined)
            if (const std::optional<int> later = LaterYear(value, words[next].text)) {
                number.later = *later;
                number.end = next + 1;
            }
        found.push_back(number);
        // "1 348": a year written in two groups of digits.
        if (next < words.size() && first.text.size() <= 2 && !words[next].pause &&
            !words[next].joined && words[next].text.size() == 3 &&
            words[next].text.find_first_not_of("0123456789") == std::string_view::npos) {
            const int grouped = value * 1000 + DigitsValue(words[next].text);
            found.push_back({grouped, next + 1, grouped >= 1000, first.minus, false, 0});
        }
        return found;
    }
    ReadParts(words, begin, 0, 0, found);
    if (!found.empty() && found.front().end == begin + 1 && first.text.size() == 1)
        found.front().lone = true;
    std::sort(found.begin(), found.end(),
              [](const YearNumber &a, const YearNumber &b) { return a.end < b.end; });
    return found;
}

} // namespace tempidex
