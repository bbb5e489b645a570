// What a word is by itself, before the line around it is looked at: the keywords and month it
// is, its value as a numeral, in digits or as an ordinal, the numbers a scan or a copyist may
// have run on to it or garbled in it (Words::Classify); and what a word no table knows may be
// as an ordinal (Words::UnknownOf). words.cpp reads each word with its neighbours.
#include "words.h"

#include "letters_apart.h"
#include "misread_numbers.h"
#include "numbers.h"
#include "unknown_numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace tempidex {
namespace {

// Latin words written with the numerals' letters alone: read as numbers only where a rule
// finds a date in them.
bool IsLatinWord(std::string_view text) {
    return text == "di" || text == "dii" || text == "mi" || text == "vi";
}

// Latin words written as a numeral with an ordinal's ending (cum, dum, modo, die: with, while,
// only, day): never numerals. "die" left alone, as in "in die sancto", was DI and an ending.
bool IsWordLikeAMarkedNumeral(std::string_view text) {
    return text == "cum" || text == "dum" || text == "modo" || text == "die";
}

// What a word's letters say it may be, read once: how many of its first letters are the
// numerals' (i, v, x, l, c, d, m), and whether it holds a digit.
struct Spelling {
    std::size_t numeralLetters = 0;
    bool digit = false;
};

Spelling SpellingOf(std::string_view text) {
    Spelling spelling;
    while (spelling.numeralLetters < text.size() &&
           HasNumeralLettersOnly(text.substr(spelling.numeralLetters, 1)))
        ++spelling.numeralLetters;
    spelling.digit = HasDigit(text.substr(spelling.numeralLetters));
    return spelling;
}

// Whether a word is surely a number, one the clause must account for; `digit`, whether it
// holds one; `numeral`, its value as a Roman numeral written with no ordinal ending, and
// `marked`, with one (xiio, IIIIto).
bool IsNumber(const Token &t, const WordClass &c, bool digit, int numeral, int marked) {
    if (c.cardinal || digit)
        return true;
    if (c.ordinal > 0)
        return t.text != "secundum"; // also "according to"
    if (numeral > 0)
        return t.marked || (t.text.size() == 1 ? t.capital : t.capitals || !IsLatinWord(t.text));
    if (marked > 0) // but "do", "mo": a word, or a letter and its ending
        return t.capital || t.text.size() >= 3;
    // A count of days written wrong, a capital in it (IIX, XVX, IIIII, VIllI): never a word;
    // nor a numeral of two capitals and more, misread in a letter (MCMLXlII, MXLlIII).
    return t.capital && t.text.size() >= 2 &&
           t.text.find_first_not_of(t.innerCapital ? "ivxlcdm" : "ivxl") == std::string::npos;
}

// A small l among a numeral's capitals, before a capital or last after capitals alone: lII,
// XlI, Xl. A scan reads I so as often as L: XlI is XII or XLI. Only where the letters' cases
// are mixed inside the word (which a batch never keeps: word_memo.h) are the written letters
// looked at; else the capitals' flags say all: Xl is the only such word.
bool SmallLAmongCapitals(const Token &t) {
    if (!t.innerCapital || t.capitals)
        return t.capital && !t.capitals && !t.innerCapital && t.text.size() == 2 &&
               t.text[1] == 'l';
    std::string letters; // the ASCII letters as written, brackets and marks left out
    for (const char c : t.written)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            letters.push_back(c);
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    for (std::size_t i = letters.find('l'); i != std::string::npos; i = letters.find('l', i + 1)) {
        const std::string_view before = std::string_view(letters).substr(0, i);
        const std::string_view after = std::string_view(letters).substr(i + 1);
        if (std::any_of(after.begin(), after.end(), capital) ||
            (!before.empty() && after.empty() &&
             std::all_of(before.begin(), before.end(), capital)))
            return true;
    }
    return false;
}

// The indiction's word with one letter misread, as scans give it (iudictione, indictiane):
// its number is then the indiction's, checked against the year, not a number unaccounted for.
bool IsIndictionMisspelt(std::string_view key) {
    return key.size() >= 9 && key.starts_with("i") &&
           (OneLetterApart(key, "indictione") || OneLetterApart(key, "indictionis") ||
            OneLetterApart(key, "indictionem"));
}

// Whether a word is a numeral's letters with one other among them that a scan or a copyist
// wrote for a numeral's: a y for a v, an x or ij (yxi, xyj, lyv); with a scribe's ending or
// its mark, an h for li, a u for ii (hiº, xho, lvuº, xvuio, uiito; "hic", "mihi", "cum" are
// words); with its mark, an e for c (ecº). `marked`: an ordinal mark after it.
bool IsNumeralWithAnOddLetter(std::string_view text, bool marked) {
    bool ending = false;
    for (const std::string_view e : {"mo", "to", "no", "do", "o"})
        if (!ending && text.size() > e.size() && text.ends_with(e)) {
            text.remove_suffix(e.size());
            ending = true;
        }
    const auto count = [text](char c) { return std::count(text.begin(), text.end(), c); };
    const bool odd = count('y') + ((ending || marked) ? count('h') + count('u') : 0) +
                         (marked ? count('e') : 0) ==
                     1;
    return odd && text.size() <= 8 && (text.size() >= 2 || marked) &&
           text.find_first_not_of("ivxlcdmyhue") == std::string_view::npos;
}

// Whether a word is a numeral's letters with a scribe's ending that make no numeral with it: an
// i a scan read as l (viilo, xvlio, iiljo), a t that ends no count of three (liiito). Words
// are spelt so with fewer letters before their ending: mixto, mino. And four with the end of
// quattuor (iiiior), a cardinal no year's units take: "lxxx iiiior" is 1384, not 1380.
bool IsNoNumeralWithAnEnding(std::string_view text) {
    if (text.size() >= 4 && text.ends_with("or") &&
        HasNumeralLettersOnly(text.substr(0, text.size() - 2)))
        return true;
    for (const std::string_view ending : {"mo", "to", "no", "vo", "uo", "do", "o"}) {
        const std::string_view letters = text.substr(0, text.size() - ending.size());
        if (text.size() < ending.size() + 2 || !text.ends_with(ending) ||
            !HasNumeralLettersOnly(letters))
            continue;
        return ending.size() == 1 || ending == "uo"
                   ? RomanValue(letters) == 0
                   : letters.size() >= 4 && MarkedNumeral(text).empty();
    }
    return false;
}

// Whether a word's letters but its o are a numeral's: "CO" (as folded, small).
bool NumeralLettersBesideO(std::string_view text) {
    std::string letters;
    for (const char c : text)
        if (c != 'o')
            letters.push_back(c);
    return HasNumeralLettersOnly(letters);
}

// Whether a word names things a sum or a number counts, the units of money, measure and men of
// the charters: florenos, libras, lire, scudi, modios, militibus, testes.
bool CountsThings(std::string_view key) {
    constexpr auto stems = std::to_array<std::string_view>(
        {"aureis",  "aureorum", "aureos", "bisant",   "bononin", "boues",    "bouum",
         "bracc",   "denar",    "ducat",  "equit",    "fiorin",  "floren",   "florin",
         "grossor", "grossos",  "homin",  "imperial", "iuger",   "librar",   "libras",
         "libre",   "libris",   "lire",   "marcar",   "marcas",  "marce",    "marcis",
         "milit",   "modiis",   "modior", "modios",   "oues",    "ouium",    "passuum",
         "pedit",   "perper",   "scud",   "soldi",    "solidi",  "solidor",  "solidos",
         "staia",   "sterling", "testes", "testibus", "testium", "turonens", "uncia"});
    return std::any_of(stems.begin(), stems.end(),
                       [key](std::string_view stem) { return key.starts_with(stem); });
}

} // namespace

Words::Word Words::Classify(const Token &t) {
    Word w;
    w.word = ClassOf(t.key);
    if (w.word.kinds == 0 && w.word.month == 0 && IsIndictionMisspelt(t.key))
        w.word.kinds = std::uint64_t{1} << static_cast<unsigned>(Kind::Indiction);
    // Most words begin with no numeral's letter and hold no digit: they are no number.
    const Spelling spelling = SpellingOf(t.text);
    const bool numeralLetters = spelling.numeralLetters > 0;
    int numeral = spelling.numeralLetters == t.text.size() ? RomanValue(t.text) : 0;
    const bool misreadL = numeral > 0 && (t.capital || t.innerCapital) && SmallLAmongCapitals(t);
    if (misreadL)
        numeral = 0; // a number to account for, which no rule reads
    const bool word = IsWordLikeAMarkedNumeral(t.text);
    // A capital O with an ordinal mark after it is no ending, which the mark is: in
    // "M°CO°XX°VI°" it is a C misread, and the year is never 1126 read past it
    const bool capitalO = t.capitals && t.marked && t.text.find('o') != std::string_view::npos;
    // A word written as a name is, a capital and small letters, is a name where its numeral
    // counts units alone and needs a bare "o" after it: "Ivo presbiter" is no IV° (but "Lmo",
    // "Cco" are the tens and hundreds of a year so written, and "Vto" is quinto)
    const bool nameWithO = t.capital && !t.capitals && !t.innerCapital && t.text.size() >= 3 &&
                           !t.marked && t.text.ends_with('o') &&
                           HasNumeralLettersOnly(t.text.substr(0, t.text.size() - 1)) &&
                           MarkedRomanValue(t.text) < 10;
    w.numeral = numeral > 0 || t.text.size() < 2 || word || !numeralLetters || capitalO || nameWithO
                    ? numeral
                    : MarkedRomanValue(t.text);
    // mocdosecundo, mcdxxxprimo: a number no table knows, in parts run together; a word with
    // a capital is one only from its thousand on ("ex Dolio nostro" is a barrel, not D° LI°)
    const bool named = t.capital && !t.capitals && t.text[0] != 'm';
    const bool runTogether = w.numeral == 0 && !word && w.word.kinds == 0 && w.word.month == 0 &&
                             w.word.ordinal == 0 && t.text.size() >= 4 && numeralLetters &&
                             !named && !capitalO;
    // (but a capital after small letters begins another word, the space lost: in
    // "cccclxxxvjSeptimo Idus" the septimo counts the days, and no reading of it is sure)
    if (runTogether && CapitalAfterSmall(t.written, true) != 0)
        w.runOn = true;
    else if (runTogether)
        w.numeral = std::max(PartsRunTogether(t.text), 0);
    // (or contracted, the letters between the stem and the ending left out and the ending kept:
    // nonagmo, quingmo for nonagesimo, quingentesimo)
    const bool contracted = !t.marked && t.key.size() >= 6 && t.key.ends_with("mo");
    const int shortened =
        (t.marked || contracted) && w.numeral == 0 && w.word.kinds == 0 && w.word.ordinal == 0 &&
                !spelling.digit
            ? ShortenedOrdinal(contracted ? t.key.substr(0, t.key.size() - 2) : t.key)
            : 0;
    if (shortened > 0)
        w.word.ordinal = static_cast<std::int16_t>(shortened);
    if (spelling.digit) {
        w.digits = DigitsValue(t.text);
        // 3o, 2da, 1mo, 2DO: a scribe's ending; but "1I", "1ii" are a misread II or III
        const std::size_t ending = t.text.find_first_not_of("0123456789");
        const bool misread =
            ending != std::string_view::npos && HasNumeralLettersOnly(t.text.substr(ending));
        if (w.digits == 0 && !misread)
            w.digits = MarkedDigitsValue(t.text);
    }
    // A numeral written with U of three letters and more: no Latin word is spelt so but cui,
    // diu, ciu.; shorter, a numeral written wrong (xil, ccc xxil), or one of those: where a
    // numeral must be read.
    // (A capital U may begin a name: "Uto presbyter", "Ulli". Numerals in capitals are written
    // with V; but before a named day, "Uii Idus" is no name, and must be read as a numeral must.)
    const bool name = t.capital && !t.capitals && t.written.starts_with('U');
    if (w.numeral == 0 && IsNumeralWrittenWithU(t.text))
        w.unreadable =
            !name && t.text.size() >= 3 && t.text != "cui" && t.text != "diu" && t.text != "ciu"
                ? Unreadable::Anywhere
                : Unreadable::Beside;
    else if (w.numeral == 0 && numeralLetters &&
             (HasNumeralLettersOnly(t.text) || (capitalO && NumeralLettersBesideO(t.text))))
        w.unreadable = Unreadable::Beside;
    // (and hundreds with a feminine ending, which no hundred takes: "cce", a scan's ccc)
    else if (const std::string_view hundreds = t.text.substr(0, t.text.size() - 1);
             w.numeral == 0 && !word && hundreds.size() >= 2 &&
             (t.text.back() == 'a' || t.text.back() == 'e') &&
             std::string_view("cdm").find(hundreds.back()) != std::string_view::npos &&
             RomanValue(hundreds) >= 100)
        w.unreadable = Unreadable::Beside;
    // (and one with a y or an h, or with an ending that makes no numeral; but a name, a capital
    // and small letters: "Ivy", "Illo" the consul, "Lucio")
    else if (w.numeral == 0 && !(t.capital && !t.capitals) && !word &&
             (IsNumeralWithAnOddLetter(t.text, t.marked) || IsNoNumeralWithAnEnding(t.text)))
        w.unreadable = Unreadable::Beside;
    // What may have run on to a word no table knows (misread_numbers.h); a numeral's letters
    // alone, a numeral with its ending and digits are numbers by themselves, never worked out so.
    const bool unknown = w.word.kinds == 0 && w.word.month == 0 && !spelling.digit &&
                         w.numeral == 0 && !HasNumeralLettersOnly(t.text);
    if (unknown && t.key.size() >= 4)
        w.runOnParts = static_cast<std::uint8_t>(
            (EndsInACountRunOn(t.key, t.text, 3) || EndsInAMarkedTwo(t.written) ? CountAtEnd : 0) |
            (EndsInACountRunOn(t.key, t.text, 1) ? FeminineOrdinalAtEnd : 0) |
            (EndsInAnOrdinalRunOn(t.key) ? OrdinalAtEnd : 0) |
            (BeginsWithANumberRunOn(t.key, t.text) ? NumberAtStart : 0));
    if (unknown && EndsInVi(t.text))
        w.runOnParts |= ViAtEnd;
    w.runOn = w.runOn ||
              (unknown && (EndsInANumberRunOn(t.key, t.text) || IsNumeralRunOnToAWord(t.written) ||
                           EndsInANamedDayRunOn(t.written) ||
                           (t.innerCapital && HasANumberBeforeACapital(t.key, t.written))));
    w.garbled = w.word.kinds == 0 && w.word.month == 0 && w.word.ordinal == 0 && w.numeral == 0 &&
                !spelling.digit && IsGarbledNumeral(t);
    // a shortened ordinal that could be several is still a number to account for
    w.number = IsNumber(t, w.word, spelling.digit, numeral, numeral > 0 ? 0 : w.numeral) ||
               shortened < 0 || misreadL;
    // A letter alone in lower case (a. d., i) begins no number; within one, it goes on.
    w.mayBeNumber =
        w.number || w.digits > 0 || w.word.ordinal > 0 || (w.numeral > 0 && t.text.size() > 1);
    if (w.mayBeNumber)
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
    if (t.text.size() == 1 && t.capital)
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Capital);
    w.cutCount = static_cast<std::int8_t>(CutOrdinal(t.key));
    w.beginsACount = w.cutCount > 0 || BeginsAnOrdinal(t.key);
    w.countsThings = CountsThings(t.key);
    return w;
}

Words::Unknown Words::UnknownOf(std::string_view key) {
    Unknown u;
    u.read = true;
    // (and an m a scan read as rn, an in read as m, a u as ii: uicesirna, qumto, qiiarto)
    const std::size_t rn = key.find("rn");
    u.nearOne = NearAnOrdinal(key) ||
                (rn != std::string_view::npos && ClassOf(WithMFor(key, rn)).ordinal > 0) ||
                IsOrdinalWithMForIn(key) || IsOrdinalReadAsTwoLetters(key);
    u.looksLikeOne = LooksLikeAnOrdinal(key);
    if (key.size() < 5) // four letters: only these (nono written qono; esim)
        return u;
    int value = OrdinalsRunTogether(key);
    u.near = value == 0;
    if (value == 0)
        value = OrdinalNear(key);
    // hoctabo, hoctavo: the h that scribes put before a vowel
    if (value == 0 && key.size() > 4 && key[0] == 'h')
        value = ClassOf(key.substr(1)).ordinal;
    u.near = u.near && value > 0;
    u.ordinal = static_cast<std::int16_t>(value);
    // An ordinal after a numeral's letters or marks (cdxxtercio, onono); after other letters, it
    // ends a name: Barchinone, Barcinona (Barcelona) are no "none", "nona".
    if (value == 0 && MayEndAsAnOrdinal(key))
        for (std::size_t size = 4; size < key.size() && size <= 16; ++size)
            u.endsAsOrdinal = u.endsAsOrdinal ||
                              (key.substr(0, key.size() - size).find_first_not_of("ivxlcdmuo") ==
                                   std::string_view::npos &&
                               ClassOf(key.substr(key.size() - size)).ordinal > 0);
    return u;
}

} // namespace tempidex
