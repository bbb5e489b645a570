#include "misread_numbers.h"

#include "numbers.h"
#include "unknown_numbers.h"
#include "word_table.h"

#include <algorithm>
#include <utility>

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

// Whether a word is an ordinal with one of its letters read as two, as scans read them: ii for
// u (qiiarto, seciindo), in for m (priino, deciina), cl for d (duoclecima).
bool IsOrdinalReadAsTwoLetters(std::string_view key) {
    for (const auto &[two, one] :
         {std::pair{"ii", "u"}, std::pair{"in", "m"}, std::pair{"cl", "d"}})
        for (std::size_t at = key.find(two); at != std::string_view::npos;
             at = key.find(two, at + 1)) {
            std::string read(key.substr(0, at));
            read += one;
            read += key.substr(at + 2);
            if (ClassOf(read).ordinal > 0)
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

bool EndsInACountRunOn(std::string_view key, std::string_view text, int least) {
    // (a verb's perfect, notavi, audivi, and proximo, proxima are words that end so)
    if (key.starts_with("prox") ||
        (text.size() >= 3 && text.ends_with("vi") &&
         std::string_view("aeiou").find(text[text.size() - 3]) != std::string_view::npos))
        return false;
    if (text.size() >= 4 && text.back() == 'v' && !HasNumeralLettersOnly(text.substr(0, 3)))
        return true;
    // (inpridie, Perusiipridie; datapr)
    for (const std::string_view before : {"pridie", "postridie", "prid", "pr"})
        if (text.size() >= before.size() + (before.size() > 4 ? 2 : 3) && text.ends_with(before))
            return true;
    // (a preposition before an ordinal: intercia dominica)
    for (std::size_t at = least > 1 ? 3 : 2; at + 2 <= text.size(); ++at) {
        const std::string_view tail = text.substr(at);
        const int numeral = least > 1 ? std::max(RomanValue(tail), MarkedRomanValue(tail)) : 0;
        // (before a Sunday or a feria, feminine as they are: Vernoni sabbato is a place)
        const int ordinal = least > 1 || tail.back() == 'a' ? ClassOf(key.substr(at)).ordinal : 0;
        if ((numeral >= least && numeral <= 19) || (ordinal >= least && ordinal <= 19))
            return true;
    }
    return false;
}

bool EndsInAMarkedTwo(std::string_view written) {
    return written.size() >= 6 && (written.ends_with("ijo") || written.ends_with("IJO")) &&
           written[written.size() - 4] != 'i' && written[written.size() - 4] != 'I';
}

bool EndsInAnOrdinalRunOn(std::string_view key) {
    for (std::size_t at = 3; at + 5 <= key.size(); ++at)
        if (const int ordinal = ClassOf(key.substr(at)).ordinal; ordinal >= 1 && ordinal <= 19)
            return true;
    return false;
}

bool BeginsWithANumberRunOn(std::string_view key, std::string_view text) {
    for (std::size_t at = 2; at + 2 <= key.size(); ++at) {
        const WordClass head = ClassOf(key.substr(0, at));
        const WordClass rest = ClassOf(key.substr(at));
        // (a keyword of two letters only after an ordinal's ending: quintain crastino)
        if (key.size() - at == 2 && !(rest.is(Kind::In) && key[at - 1] == 'a'))
            continue;
        const std::string_view numeral = text.substr(0, at);
        const int value = std::max(RomanValue(numeral), MarkedRomanValue(numeral));
        // a year's last part and a keyword: lxxxiijpontificatus, octauodie
        if ((rest.kinds != 0 || rest.month != 0) &&
            ((value >= 1 && value <= 999) || (head.ordinal >= 1 && head.ordinal <= 999)))
            return true;
        // an ordinal in the ablative and any word: septimoapostolica
        if (at >= 5 && key[at - 1] == 'o' && head.ordinal >= 1 && head.ordinal <= 99 &&
            key.size() - at >= 4)
            return true;
    }
    return false;
}

bool EndsInANumberRunOn(std::string_view key, std::string_view text) {
    for (std::size_t at = 3; at + 3 <= key.size(); ++at) {
        const WordClass head = ClassOf(key.substr(0, at));
        if (head.is(Kind::Anno) || head.is(Kind::Die) || head.is(Kind::Reference) ||
            head.is(Kind::Formula)) {
            const std::string_view rest = text.substr(at);
            const WordClass after = ClassOf(key.substr(at));
            // (and a named day with its month: kalendasmaii)
            if (HasNumeralLettersOnly(rest) || after.ordinal > 0 ||
                (head.is(Kind::Reference) && after.month != 0))
                return true;
        }
    }
    return false;
}

bool EndsInVi(std::string_view text) {
    return text.size() >= 5 && text.ends_with("vi") &&
           std::string_view("aeiou").find(text[text.size() - 3]) != std::string_view::npos;
}

std::size_t CapitalAfterSmall(std::string_view written, bool markAside) {
    for (std::size_t i = 1; i < written.size(); ++i)
        if (written[i] >= 'A' && written[i] <= 'Z' &&
            !HasNumeralLettersOnly(written.substr(i, 1)) && written[i - 1] >= 'a' &&
            written[i - 1] <= 'z' && !(markAside && written[i - 1] == 'o'))
            return i;
    return 0;
}

bool HasANumberBeforeACapital(std::string_view key, std::string_view written) {
    const std::size_t i = CapitalAfterSmall(written, false);
    if (i == 0 || i >= key.size())
        return false;
    const std::string_view head = key.substr(0, i);
    return ClassOf(head).ordinal > 0 || MarkedRomanValue(head) > 0;
}

bool EndsInANamedDayRunOn(std::string_view written) {
    for (std::size_t at = written.size(); at-- > 1;)
        if (written[at] >= 'A' && written[at] <= 'Z') {
            if (written[at - 1] < 'a' || written[at - 1] > 'z')
                return false;
            std::string rest(written.substr(at));
            for (char &c : rest)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            const WordClass named = ClassOf(AsKey(rest));
            return named.is(Kind::Reference) || named.wholeMonth;
        }
    return false;
}

bool IsNumeralRunOnToAWord(std::string_view written) {
    std::size_t capitals = 0;
    while (capitals < written.size() &&
           std::string_view("IVXLCDM").find(written[capitals]) != std::string_view::npos)
        ++capitals;
    const std::string_view rest = written.substr(capitals);
    if (capitals < 2 || rest.size() < 2)
        return false;
    // (a numeral with an ordinal's ending, IIIIo, is one word)
    std::string lower(written);
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (MarkedRomanValue(lower) > 0)
        return false;
    // (the rest a word: with a capital, a known word or four letters and more; not an ending,
    // IIIIti, IIIcio)
    if (!(rest.size() >= 4 || (rest[0] >= 'A' && rest[0] <= 'Z') ||
          ClassOf(AsKey(lower.substr(capitals))).kinds != 0))
        return false;
    // (a word in capitals throughout, CIVITATE, MILLESIMO, LIBENS, is one word; but not one
    // that begins with a numeral of three letters and more: XXIISACRI, an inscription's year
    // with its next word)
    const bool letters = std::all_of(rest.begin(), rest.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    const bool small =
        std::any_of(rest.begin(), rest.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    const bool numeralFirst = capitals >= 3 && RomanValue(lower.substr(0, capitals)) > 0;
    return letters && (small || (numeralFirst && rest.size() >= 4)) && !HasNumeralLettersOnly(rest);
}

} // namespace tempidex
