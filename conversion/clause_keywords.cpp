#include "clause_keywords.h"

#include "latin_names.h"
#include "numerals.h"
#include "words.h"
#include "years.h"

namespace tempidex {
namespace {

// The keywords by their first letter (V read as U, as words are), so that a word is compared
// with a dozen at most.
constexpr std::size_t MostPerLetter = 16;
constexpr auto KeywordsByLetter =
    IndexByFirstLetter<MostPerLetter>(Keywords, [](const Keyword &k) { return k.word; });

// The first letters of the eras' spellings: A. D., a. u. c., P. C. N., B. C., d. C.
constexpr auto EraFirstLetters = [] {
    std::array<bool, 26> first{};
    for (const EraSpelling &s : EraSpellings)
        first[static_cast<std::size_t>(NameLetterOf(s.letters[0]) - 'a')] = true;
    return first;
}();

} // namespace

WordKind Classify(std::string_view word) {
    WordKind kind{0, -1, -1, YearCount::Unmarked};
    bool digits = !word.empty(), roman = !word.empty();
    for (const char c : word) {
        digits = digits && c >= '0' && c <= '9';
        roman = roman && NumberLetters[static_cast<unsigned char>(c)] && (c < '0' || c > '9');
    }
    if (digits)
        kind.set(Key::Digits);
    if (roman)
        kind.set(Key::Roman);
    const char first = word.empty() ? '\0' : NameLetterOf(word[0]);
    if (first < 'a' || first > 'z')
        return kind;
    const auto letter = static_cast<std::size_t>(first - 'a');
    if (EraFirstLetters[letter] && word.size() <= 5) // urbis, achrn: no era begins longer
        kind.set(Key::EraStart);
    bool exactFormula = false;
    for (const std::uint8_t i : KeywordsByLetter[letter]) {
        if (i == UINT8_MAX)
            break;
        const Keyword &k = Keywords[i];
        const bool exact = Is(word, k.word, Letters.nameLetter);
        if (!exact && !(k.stem && BeginsWith(word, k.word, Letters.nameLetter)))
            continue;
        kind.set(k.key);
        if (k.key == Key::Weekday)
            kind.weekday = k.value;
        // An exact word of a formula ("nostri", "a") says more than a stem that begins it.
        if (k.key == Key::Formula && (exact || !exactFormula)) {
            kind.formula = static_cast<YearCount>(k.value);
            exactFormula = exactFormula || exact;
        }
    }
    if (kind.is(Key::Weekday)) // dominica: Sunday, not the Lord's year
        kind.keys &= ~(1u << static_cast<unsigned>(Key::Formula));
    if (const std::optional<Reference> reference = ReferenceOf(word))
        kind.reference = static_cast<std::int8_t>(*reference);
    return kind;
}

} // namespace tempidex
