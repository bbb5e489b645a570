#include "must_read.h"

#include "reading/words/letters_apart.h"
#include "reading/words/numbers.h"

#include <algorithm>
#include <string>

namespace tempidex {
namespace {

// Whether a short word is a numeral as a scan or a copyist garbles it: its letters, with u for
// v or ii, or but for an n, an h or a y where ii, li or v stood (xvn, xvh, xyi, xvu); or but for
// one other letter which, a numeral's, makes a count of days (zv, ziv, tiii; a y alone, a V).
// Words spelt so (cum, dum, duci, diu, ex, vel; qui and sui, though a q or an s could be a
// misread x: "Petrus qui Kalendis Maii") are words.
bool LooksLikeAGarbledCount(std::string_view key) {
    const auto numeral = [](char c) {
        return std::string_view("ivxlcdmu").find(c) != std::string_view::npos;
    };
    if (key == "y")
        return true;
    if (key.size() < 2 || key.size() > 5 ||
        IsOneOf(key, {"ciu", "cui", "cum", "diu", "duc", "duci", "dum", "ex", "qui", "sui", "uel"}))
        return false;
    const auto odd = std::find_if_not(key.begin(), key.end(), numeral);
    if (odd == key.end())
        return key.find('u') != std::string_view::npos;
    if (std::find_if_not(odd + 1, key.end(), numeral) != key.end())
        return false;
    if (numeral(key[0]) && std::string_view("nhy").find(*odd) != std::string_view::npos)
        return true;
    std::string count(key); // the key's u is a v
    std::replace(count.begin(), count.end(), 'u', 'v');
    for (const char letter : std::string_view("ivx")) {
        count[static_cast<std::size_t>(odd - key.begin())] = letter;
        const int value = RomanValue(count);
        if (value >= 1 && value <= 31)
            return true;
    }
    return false;
}

// Whether a word is an ordinal with its middle left out, as diplomatic editions keep the
// scribe's abbreviation: "qto" (quarto or quinto), "pmo", "qrto", "scdo", and "qtº" with its
// mark; consonants and a final o, which no Latin word is (a name is none: Brno).
bool IsAnOrdinalCutShort(const Words &words, std::size_t i) {
    const Token &t = words[i];
    const std::string key = std::string(t.key) + (t.marked ? "o" : "");
    return !(t.capital && !t.capitals) && key.size() >= 3 && key.size() <= 6 && key.back() == 'o' &&
           key.substr(0, key.size() - 1).find_first_of("aeiouy") == std::string::npos;
}

// Whether word i is the first part of an ordinal cut short whose ending is written apart, right
// before a named day: "q to kal.", "q'to", "qu'to", "p'mo" (no year's "mº" there).
bool BeginsAnOrdinalApart(const Words &words, std::size_t i) {
    const std::string_view key = words[i].key;
    // (a letter alone whatever else it may be: p. of p. c., post consulatum)
    return i + 2 < words.size() && key.size() <= 3 &&
           (words.classOf(i).kinds == 0 || key.size() == 1) && words.numeralOf(i) == 0 &&
           !words.mayBeNumber(i) && !words.parted(i + 1) && !words.parted(i + 2) &&
           words.is(i + 2, Kind::Reference) && IsAnOrdinalEndingApart(words[i + 1].key) &&
           key.find_first_of("aeioy") == std::string_view::npos;
}

// Whether a word is a count in numerals with an ordinal's ending no table reads, or a count in
// words no rule reads: "IIIto", "iijto", "XIIIcio", "XVIIma", "duodeviginti". Before a named day
// it is its count, which passed over would leave the named day itself.
bool IsACountWithAnEnding(std::string_view key) {
    if (IsOneOf(key, {"duodeuiginti", "undeuiginti", "duodeuicesimo", "undeuicesimo"}))
        return true;
    for (std::size_t ending = 1; ending <= 3 && ending < key.size(); ++ending) {
        std::string numeral(key.substr(0, key.size() - ending)); // (the key's u is a v)
        std::replace(numeral.begin(), numeral.end(), 'u', 'v');
        const int value = HasNumeralLettersOnly(numeral) ? RomanValue(numeral) : 0;
        if (value >= 1 && value <= 31 &&
            IsOneOf(key.substr(key.size() - ending), {"to", "tio", "cio", "mo", "ma", "ta", "no",
                                                      "na", "do", "da", "us", "um", "o", "a"}))
            return true;
    }
    return false;
}

// Whether a word is a letter from the name of a named day as charters write it in full.
bool IsOneLetterFromANamedDay(std::string_view key) {
    for (const std::string_view day :
         {"kalendas", "kalendis", "kalendarum", "kalende", "kalendes", "calendas", "calendis",
          "nonas", "nonis", "nonarum", "nones", "idus", "idibus", "iduum"})
        if (OneLetterApart(key, day))
            return true;
    return false;
}

// Whether a word no table knows has a number run on to it where its neighbours make the number
// matter (words.h's RunOnPart), besides one run on anywhere (Words::runOn).
bool RunOnMustBeRead(const Words &words, std::size_t i) {
    if (words.runOn(i))
        return true;
    if (!words.runOnPart(i, Words::AnyRunOnPart) || words.classOf(i).kinds != 0)
        return false;
    // (nor before the rest of the count: Datatertio decimo kalendas)
    if (!words.parted(i + 1) && words.mayBeNumber(i + 1) && words.runOnPart(i, Words::OrdinalAtEnd))
        return true;
    // the same before the Sunday or feria it counts: intercia dominica
    if (!words.parted(i + 1) && (words.is(i + 1, Kind::Weekday) || words.is(i + 1, Kind::Feria)) &&
        words.runOnPart(i, Words::FeminineOrdinalAtEnd))
        return true;
    // A number run on to a word: a year's last part after the year (sextopontificatus,
    // lxxxiijpontificatus), a day's after "die" (quintain); anywhere, a year after "anno"
    // (annomcccc), a year in capitals before a name (MDXXIIIIRagusii), a named day run on to a
    // place (TragurioKal.): read as a word, the date or the year would lose a part or be passed
    // over.
    return i >= 1 && !words.parted(i) &&
           (words.mayBeNumber(i - 1) || words.numeralOf(i - 1) > 0 || words.is(i - 1, Kind::Die)) &&
           words.runOnPart(i, Words::NumberAtStart);
}

} // namespace

bool IsAnOrdinalEndingApart(std::string_view key) {
    return IsOneOf(key, {"to", "mo", "do", "no", "uo"});
}

std::size_t MonthBeside(const Words &words, std::size_t i) {
    if (words.monthOf(i) == 0)
        return words.size();
    // (or both cut short after a count: "iii Nou. Iun." is the Nones a scan misread, no 3
    // November)
    const auto beside = [&words, i](std::size_t j) {
        const std::size_t first = std::min(i, j);
        const bool counted = first >= 1 && !words.parted(first) &&
                             (words.mayBeNumber(first - 1) || words.numeralOf(first - 1) > 0);
        return words.monthOf(j) != 0 && !words.parted(std::max(i, j)) &&
               (words.classOf(i).wholeMonth || words.classOf(j).wholeMonth || counted);
    };
    if (i >= 1 && beside(i - 1))
        return i - 1;
    return i + 1 < words.size() && beside(i + 1) ? i + 1 : words.size();
}

bool MustRead(const Words &words, std::size_t i) {
    if (words[i].gloss)
        return false;
    // A cardinal between plain words counts things, not days or years: "Quinque ecclesiis"
    // (Pécs), "duo machtiern". Beside a number or a word of a date it may be part of one.
    const auto plain = [&words](std::size_t j) { return j >= words.size() || words.plain(j); };
    if (words.classOf(i).cardinal && plain(i + 1) && (i == 0 || plain(i - 1)))
        return false;
    // "millesimo quadringentesimo uno": one, after a year's number, is its units (in the case
    // of "anno": "una cum sigillo" is the sealing's)
    if (words[i].key == "uno" && i >= 1 && !words.parted(i) && words.isNumber(i - 1))
        return true;
    if (words.isNumber(i) || words.is(i, Kind::Reference) || words.is(i, Kind::Anno) ||
        words.is(i, Kind::Pridie) || words.is(i, Kind::Postridie) || words.is(i, Kind::Bis) ||
        words.is(i, Kind::Feria) || words.is(i, Kind::Indiction) || words.is(i, Kind::Consul) ||
        words.is(i, Kind::Era)) // (the Era of Spain: "anno MCCCL de la era" is no year of ours)
        return true;
    if (MonthBeside(words, i) < words.size())
        return true;
    // "die XII. anno ducis Oatilonis VIII": a day's count before "anno", which no phrase may take
    // for a reign's year and pass "die" over ("mensis septemb. die XII. anno ... VIII, item XV
    // Kal. Octobris" names two days)
    if (words.is(i, Kind::Die) && i + 2 < words.size() && !words.parted(i + 1) &&
        !words.parted(i + 2) && !words[i + 1].gloss &&
        (words.mayBeNumber(i + 1) || words.numeralOf(i + 1) > 0) && words.is(i + 2, Kind::Anno))
        return true;
    // "die mensis Augusti": a day of the month whose count is read with something else, a year's
    // last ordinal ("quinquagesimo primo die mensis Augusti"), where none follows the month
    // ("die mensis aprilis xviii")
    if (words.is(i, Kind::Die) && !words.parted(i + 1) && words.is(i + 1, Kind::Mensis) &&
        !words.parted(i + 2) && words.monthOf(i + 2) != 0 &&
        (words.parted(i + 3) || !(words.mayBeNumber(i + 3) || words.numeralOf(i + 3) > 0)))
        return true;
    // A month's name cut short, in small letters right after a number, or right before a count,
    // that no phrase reads with it: "M°CC°XL° sept." may be the year's units or September,
    // "dec. octaua die mensis Julij" a count or December, "Quint. decimo kal. Jun." is XV Kal.
    // Jun.; never passed over (die XX sept. reads it).
    if (words.monthOf(i) != 0 && words[i].dotted &&
        ((!words[i].capital && i >= 1 && !words.parted(i) &&
          (words.numeralOf(i - 1) > 0 || words.ordinalOf(i - 1) > 0)) ||
         (!words.parted(i + 1) && words.ordinalOf(i + 1) > 0 && words.numeralOf(i + 1) == 0 &&
          words.digitsOf(i + 1) == 0)))
        return true;
    // A word a letter from pridie or postridie right before a named day: the day before or
    // after it, misspelt (pridye Kal.), never the named day itself; nor one with a character no
    // letter of ours, a count in another alphabet's look-alikes (Cyrillic Х, Greek Ι: ХII Kal.).
    const auto foreign = [](std::string_view text) {
        return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
    };
    // (a scan's cl for d too: priclie)
    // (and cut with a mark over its p that the reading drops, or misread: "p̄die", "pͥdie",
    // "pndie", "postndie")
    const auto nearPridie = [](std::string_view key) {
        return OneLetterApart(key, "pridie") || OneLetterApart(key, "postridie") ||
               OneLetterApart(key, "prid") || IsOneOf(key, {"pridie", "postridie", "prid"}) ||
               (key.size() >= 4 && key.size() <= 9 && key.front() == 'p' && key.ends_with("die")) ||
               IsOneOf(key, {"pd", "prd"});
    };
    // (and its p set apart by the mark of the letters left out: "p'die kalendas maii")
    if (words[i].key == "p" && !words[i].capital && !words.parted(i + 1) &&
        words.is(i + 1, Kind::Die) && !words.parted(i + 2) && words.is(i + 2, Kind::Reference))
        return true;
    const std::size_t cl = words[i].key.find("cl");
    if (words.classOf(i).kinds == 0 && words.is(i + 1, Kind::Reference) && !words.parted(i + 1) &&
        (nearPridie(words[i].key) ||
         (cl != std::string_view::npos && nearPridie(std::string(words[i].key.substr(0, cl)) + "d" +
                                                     std::string(words[i].key.substr(cl + 2)))) ||
         foreign(words[i].text) || IsAnOrdinalCutShort(words, i) ||
         IsACountWithAnEnding(words[i].key) ||
         // (and an ordinal's ending set apart by an apostrophe: "sept'o Kal.")
         (words[i].key == "o" && i >= 1 && !words.parted(i) && words.classOf(i - 1).kinds == 0 &&
          words[i - 1].key.size() >= 3 && words.beginsACount(i - 1)) ||
         // (a name, a capital and small letters, is no numeral: Ulmi, Lucii; but capitals
         // inside are a numeral's: VIr)
         (!(words[i].capital && !words[i].capitals && !words[i].innerCapital) &&
          LooksLikeAGarbledCount(words[i].key)) ||
         // nor a place with the count run on to it: Lateraniiii kalendas, Capuaeiv K.
         words.runOnPart(i, Words::CountAtEnd) ||
         // (-vi in a name, a capital in mid-sentence, not a verb's perfect: Romevi kalendas)
         (words.runOnPart(i, Words::ViAtEnd) && words[i].capital && !words[i].capitals && i >= 1 &&
          !words[i - 1].dotted)))
        return true;
    if (RunOnMustBeRead(words, i) || BeginsAnOrdinalApart(words, i))
        return true;
    // A word a letter from a named day before a month: the named day misspelt (kalenuas
    // Aprilis), never a month passed over.
    if (words.classOf(i).kinds == 0 && !words.parted(i + 1) && words.monthOf(i + 1) != 0 &&
        IsOneLetterFromANamedDay(words[i].key))
        return true;
    // A capital alone that begins an era (A. D., P. C. N.): an initial or the era's, said which.
    if (words[i].text.size() == 1 && words[i].capital && words.is(i, Kind::EraStart))
        return true;
    // A numeral no rule reads: Aprilis mccccluij, m. o ccc. o xxu. o; u kalendas, xil kalendas
    const Words::Unreadable unreadable = words.unreadableNumeral(i);
    if (unreadable == Words::Unreadable::Anywhere)
        return true;
    const bool slip = unreadable != Words::Unreadable::No || words.garbledNumeral(i);
    if (words.numeralOf(i) == 0 && !slip)
        return false;
    const auto joined = [&words](std::size_t b) { // b follows the word before it, no comma
        return b < words.size() && !words[b].pause;
    };
    // (a numeral written wrong where a year stands: anno domini mccxdix, m. cc. rxiii, die ii
    // Januarii mddiiii; or marked as a number: occcmo, loxvº; or a year's thousand garbled,
    // anywhere: Februarii, MDXNVI)
    // (a garbled word of four letters with a scribe's ending is a year's only beside its other
    // numbers: "Kal. Iun. mino" is a word, "Aprilis mdnv" no word)
    const bool yearsSlip =
        unreadable != Words::Unreadable::No ||
        (words.garbledNumeral(i) && (words[i].text.size() >= 5 || !words[i].text.ends_with('o')));
    if ((yearsSlip && i >= 1 && joined(i) &&
         (words.is(i - 1, Kind::Anno) || words.is(i - 1, Kind::Formula) ||
          words.is(i - 1, Kind::Die) || words.monthOf(i - 1) != 0)) ||
        (slip && (words[i].marked || (i >= 1 && joined(i) && words.is(i - 1, Kind::Die)))) ||
        // (or after the mark of the number before, written as a word: "m. o ccc. o yvj. o")
        (slip && i >= 2 && joined(i) && words[i - 1].text == "o" &&
         (words.mayBeNumber(i - 2) || words.numeralOf(i - 2) > 0)) ||
        (yearsSlip && words.garbledNumeral(i) && words[i].text[0] == 'm'))
        return true;
    // (a numeral before a named day past a comma: "data vi, Kal. Decembr." may count its days,
    // as "data vi Kal." does)
    if (words.numeralOf(i) > 0 && words.parted(i + 1) && words.is(i + 1, Kind::Reference))
        return true;
    // (and past an editor's gloss: "v (1) kalendas maii", a note's mark between the count and
    // its day; a page's mark, "vi [fol. 3v] Kal. Dec.", is no word at all)
    std::size_t past = i + 1;
    while (past < words.size() && words[past].gloss)
        ++past;
    if (past > i + 1 && past < words.size() && words.is(past, Kind::Reference))
        return true;
    const auto number = [&words](std::size_t j) { return words.mayBeNumber(j); };
    // (and before "die": "in va die pentecostes" counts the feast's days)
    // (and before a month: "die vi novembris" is the sixth, not force)
    // (and before another numeral: "x v kal.", a count parted by a scan's space, is no V)
    return (joined(i + 1) &&
            (words.is(i + 1, Kind::Reference) || number(i + 1) ||
             (words.numeralOf(i + 1) > 0 && joined(i + 2) && words.is(i + 2, Kind::Reference)) ||
             words.is(i + 1, Kind::Die) || words.monthOf(i + 1) != 0)) ||
           (i >= 1 && joined(i) && number(i - 1)) ||
           // (and after a month: "idus ianuarii. vi." may count the date's days, as Danish
           // scribes put the count after the month)
           (i >= 1 && joined(i) && words.monthOf(i - 1) != 0 &&
            words[i].text.find_first_not_of("ivx") == std::string_view::npos);
}

} // namespace tempidex
