#include "misread_numbers.h"

#include "numbers.h"
#include "unknown_numbers.h"
#include "word_table.h"

namespace tempidex {

// A word with an m for the two letters at `at`, which a scan read for one (rn, in).
std::string WithMFor(std::string_view word, std::size_t at) {
    std::string m(word.substr(0, at));
    m += 'm';
    m += word.substr(at + 2);
    return m;
}

// Whether a word is an ordinal with its "in" read as an m (qumto for quinto).
bool IsOrdinalWithMForIn(std::string_view key) {
    for (std::size_t m = key.find('m', 1); m != std::string_view::npos; m = key.find('m', m + 1)) {
        std::string in(key.substr(0, m));
        in += "in";
        in += key.substr(m + 1);
        if (ClassOf(in).ordinal > 0)
            return true;
    }
    return false;
}

// A numeral with one letter of no numeral among its own, and maybe a scribe's ending (pxii,
// xxrii, FIII, MCMSCIV, ccclxeiido): left out or read as a numeral's letter, the letter leaves
// a numeral. A scan's or a copyist's slip, which no rule reads and none may pass over. (The
// Latin words spelt with the numerals' letters and one other leave none: dicti, ille, villa;
// nor is a short name a numeral.)
bool IsGarbledNumeral(const Token &t) {
    if (t.text.size() < 4 || t.text.size() > 16 ||
        (t.capital && !t.capitals && !t.innerCapital && t.text.size() < 6))
        return false;
    // (rn or in, as a scan reads an m: rnccxcix, inccxcix)
    for (const std::string_view twoForM : {"rn", "in"})
        if (const std::size_t at = t.text.find(twoForM); at != std::string_view::npos) {
            const std::string numeral = WithMFor(t.text, at);
            if (RomanValue(numeral) > 0 || MarkedRomanValue(numeral) > 0)
                return true;
        }
    std::string_view letters = t.text;
    for (const std::string_view ending : {"do", "mo", "to", "o"})
        if (letters.size() >= ending.size() + 3 && letters.ends_with(ending)) {
            letters.remove_suffix(ending.size());
            break;
        }
    std::size_t odd = letters.size();
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (!HasNumeralLettersOnly(letters.substr(i, 1))) {
            if (odd != letters.size())
                return false;
            odd = i;
        }
    // (a u is a V, and the numeral written so is read as one: xuiii)
    if (odd == letters.size() || letters[odd] == 'u')
        return false;
    std::string numeral(letters);
    numeral.erase(odd, 1);
    if (RomanValue(numeral) > 0)
        return true;
    numeral.insert(odd, 1, ' ');
    for (const char letter : std::string_view("ivxlcdm")) {
        numeral[odd] = letter;
        if (RomanValue(numeral) > 0)
            return true;
    }
    return false;
}

// An ordinal or a numeral run together with its parts, a letter of which is wrong or one too many
// (tricesemosecundo, quinquagesipoquarto, cdxxterrio, lxxozrimo): with that letter left out or
// put right, it reads.
bool IsGarbledRunTogether(std::string_view key, std::string_view text) {
    if (key.size() < 8 || key.size() > 24)
        return false;
    std::string edited;
    for (std::size_t at = 0; at < key.size(); ++at) {
        edited.assign(text).erase(at, 1);
        if (PartsRunTogether(edited) > 0 || OrdinalsRunTogether(AsKey(edited)) > 0)
            return true;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            if (letter == text[at] || letter == 'j' || letter == 'w' || letter == 'k')
                continue;
            edited.assign(text);
            edited[at] = letter;
            if (PartsRunTogether(edited) > 0 || OrdinalsRunTogether(AsKey(edited)) > 0)
                return true;
        }
    }
    return false;
}

} // namespace tempidex
