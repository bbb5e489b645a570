#include "name_words.h"

#include "feast_names.h"

#include "calendar/church_year.h"
#include "letters_apart.h"
#include "misread_numbers.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tempidex {
namespace {

// The titles before a saint's name and among its words, skipped: sancti, beatae, gloriosae
// virginis, and their initials (S. Petri, BB. Petri et Pauli); dominicae (of the Lord's
// Ascension) likewise. Episcopi, papae, abbatis tell saints of one name apart (Martini, Martini
// papae) and are compared.
constexpr auto Titles = std::to_array<std::string_view>(
    {"b", // and BB., as stems keep one of two letters alike
     "s",         "beatae",       "beati",    "beatissimae",    "beatissimi",    "beatorum",
     "divae",     "divi", // the humanists' title: in festo divi Thomae
     "dominicae", "gloriosae",    "gloriosi", "gloriosissimae", "gloriosissimi", "sacrae",
     "sacri",     "sacratissimi", "sanctae",  "sancti",         "sanctissimae",  "sanctissimi",
     "sanctorum", "virginis"});

// What follows a saint's name and says which of the saint's feasts is meant (Martini
// aestivalis, Petri ad vincula, Mariae ad nives), or which saint (Thome Becket): a name that
// one of these follows and that is not read with it is no feast the reader knows. The saint's
// epithets are skipped before them.
constexpr auto Qualifiers = std::to_array<std::string_view>(
    {"ad", "annotini", "ante", "de", "maioris", "minoris", "apparitionis", "conversionis",
     "decollationis", "dedicationis", "depositionis", "elevationis", "aestivalis", "estivalis",
     "hiemalis", "hyemalis", "in", "inventionis", "ordinationis", "passionis", "translationis",
     "octava", "octavis", "octabis", "octavas", "octabas", "vigilia", "crastino",
     // another saint of the name, or another of his feasts: Martini estivi, Ruperti
     // autumpnalis, Iohannis Baptistae conceptionis, Iacobi fratris Domini, Iacobi iusti,
     // Nicolai peregrini, Elisabeth reginae Portugaliae
     "aestivi", "estivi", "autumnalis", "autumpnalis", "conceptionis", "fratris", "iusti",
     "peregrini", "reginae"});
constexpr auto Epithets = std::to_array<std::string_view>(
    {"abbatis", "apostoli", "archiepiscopi", "baptistae", "confessoris", "diaconi", "doctoris",
     "episcopi", "evangelistae", "levitae", "martiris", "martirum", "martyris", "martyrum", "papae",
     "presbyteri", "regis", "sociorum", "virginum",
     // the rest of an Introit's first words: Laetare Ierusalem, Oculi mei
     "ierusalem", "mei"});

// Whether an epithet says for certain which saint is meant: a pope's, a king's, a duke's, an
// archbishop's. (A bishop's or an abbot's the feasts' names do not always hold: "Botulphi
// abbatis", "Dunstani episcopi".)
bool TellsForCertain(std::string_view stem) {
    return stem == NameStem("papae") || stem == NameStem("regis") || stem == NameStem("ducis") ||
           stem == NameStem("archiepiscopi");
}

// Whether a feast's names hold an epithet's stem (Martini episcopi, Stephani papae).
bool NamesHold(int feast, std::string_view stem) {
    const std::string_view names = Feasts()[static_cast<std::size_t>(feast)].names;
    for (std::size_t from = 0; from < names.size();) {
        const std::size_t end = std::min(names.find_first_of(" |", from), names.size());
        if (end > from && NameStem(names.substr(from, end - from)) == stem)
            return true;
        from = end + 1;
    }
    return false;
}

} // namespace

std::vector<StemOf> StemsOfWords(std::span<const std::string_view> words) {
    std::vector<StemOf> stems;
    for (const std::string_view word : words) {
        std::string key(word);
        for (char &c : key)
            c = c == 'v' ? 'u' : c;
        stems.push_back({NameStem(key), DeclensionsOf(key)});
    }
    return stems;
}

bool IsOneOf(const std::vector<StemOf> &stems, std::string_view stem, unsigned declensions) {
    return std::any_of(stems.begin(), stems.end(), [&](const StemOf &s) {
        return s.stem == stem && (s.declensions & declensions) != 0;
    });
}

// A title agrees with its saint: dominicae (of the Lord's) is one, Dominici (St Dominic) none.
bool IsTitle(std::string_view stem, unsigned declensions) {
    static const std::vector<StemOf> titles = StemsOfWords(Titles);
    return IsOneOf(titles, stem, declensions);
}

bool IsEpithet(std::string_view stem, unsigned declensions) {
    static const std::vector<StemOf> epithets = StemsOfWords(Epithets);
    return IsOneOf(epithets, stem, declensions);
}

// The epithets many saints share, which tell none apart: "Nicolai confessoris" is St Nicholas's
// as "Nicolai" is. One that does, "papae", "abbatis", "episcopi", may be another saint's than
// the one the table found.
bool IsCommonEpithet(std::string_view stem, unsigned declensions) {
    static const std::vector<StemOf> common = StemsOfWords(std::to_array<std::string_view>(
        {"confessoris", "martiris", "martirum", "martyris", "martyrum", "sociorum", "virginum"}));
    return IsOneOf(common, stem, declensions);
}

// Whether a word is cut short: its full stop after letters that end in no case ending
// (Mich., Assumpt., Mart.; Michaelis. and Martini. are written out).
bool IsCutShort(const Token &word) {
    return word.dotted && word.key.size() >= 2 && DeclensionsOf(word.key) == Any &&
           std::all_of(word.key.begin(), word.key.end(),
                       [](char c) { return c >= 'a' && c <= 'z'; });
}

// Words that begin the sentences after a dating clause: its amen, the witnesses, the notary's
// subscription, the sanction of a bull, a letter's farewell.
bool BeginsTheNextSentence(std::string_view key) {
    return IsOneOf(key, {"amen",         "coram", "ego",    "hii",   "hiis",        "huius",
                         "interfuerunt", "item",  "nos",    "nulli", "presentibus", "praesentibus",
                         "quod",         "si",    "signum", "teste", "testes",      "testibus",
                         "ualete",       "uale",  "ut"});
}

bool SentenceEndsBefore(const Words &words, std::size_t i) {
    // (a letter with its stop is an initial or a title, s. Ignoti)
    if (words[i - 1].dotted && words[i - 1].key.size() >= 2 && !IsCutShort(words[i - 1]))
        return true;
    // the mark right after the word: an editor's "(!)" or "(?)" ends no sentence; a stop set
    // apart, as French editions print it, does ("Virginis . Amen")
    const std::string_view gap = words.marksAfter(i - 1);
    return !gap.empty() &&
           (gap[0] == '!' || gap[0] == '?' || gap.find(" .") != std::string_view::npos);
}

bool IsPlaceInTheLocative(const Words &words, std::size_t i) {
    const std::string_view key = words[i].key;
    return words.nameLike(i) && !words[i].dotted &&
           (key.ends_with('e') || key.ends_with('i') || key.ends_with("is") ||
            key.ends_with("orum"));
}

std::size_t EpithetsEnd(const Words &words, std::size_t end) {
    const auto at = [&](std::size_t i, bool title) {
        if (i >= words.size() || words[i].pause || words[i].gloss ||
            (words[i].capital && SentenceEndsBefore(words, i)))
            return false;
        const std::string stem = NameStem(words[i].key);
        const unsigned declensions = DeclensionsOf(words[i].key);
        return IsCommonEpithet(stem, declensions) || (title && IsTitle(stem, declensions));
    };
    for (;;) {
        // (and "et" before another epithet, "et eius" before "sociorum", as QualifiedAfter
        // reads them, or "eius" after it)
        const std::size_t next =
            end + 1 < words.size() && words[end + 1].key == "eius" ? end + 2 : end + 1;
        if (end < words.size() && words[end].key == "et" && at(next, false))
            end = next + 1;
        else if (end < words.size() && words[end].key == "eius" && end >= 1 &&
                 NameStem(words[end - 1].key) == NameStem("sociorum") && !words[end].pause)
            ++end; // (et sociorum eius)
        else if (at(end, true))
            ++end;
        else
            return end;
    }
}

// `sharedBy`: whether saints of other feasts share the name matched (Thome: the Apostle,
// Becket, Aquinas). Then an epithet the table did not read with the name may be another's
// (Thome episcopi is Becket's), and the name is no feast the reader knows.
bool QualifiedAfter(const Words &words, std::size_t end, bool sharedBy) {
    static const std::vector<StemOf> qualifiers = StemsOfWords(Qualifiers),
                                     epithets = StemsOfWords(Epithets),
                                     qualifiersAfterIn =
                                         StemsOfWords(std::to_array<std::string_view>(
                                             {"vinculis", "monte", "periculo", "pincis", "nivibus",
                                              "maio", "estate", "aestate", "roma", "antiochia",
                                              // Iohannis Baptistae in decollatione, Iohannis
                                              // evangelistae in oleo (ante portam Latinam)
                                              "decollatione", "oleo"}));
    for (std::size_t i = end; i < words.size() && !words[i].pause && !words[i].gloss; ++i) {
        // A capital after a word written out with a stop, or after "!" or "?", begins the next
        // sentence: "in festo sancti Martini. Testes", "in die Innocentum! Nulli ergo" name
        // St Martin, the Innocents. (An epithet or a word that says which feast is read as
        // one all the same: the stop may be an abbreviation's.)
        const bool ends = words[i].capital && SentenceEndsBefore(words, i);
        const std::string stem = NameStem(words[i].key);
        const unsigned declensions = DeclensionsOf(words[i].key);
        if (IsTitle(stem, declensions)) {
            if (ends)
                return false;
            continue;
        }
        if (IsOneOf(epithets, stem, declensions)) {
            if (sharedBy && !IsCommonEpithet(stem, declensions))
                return true;
            continue;
        }
        // "Gregorii septimi", "Bonifacii quarti pape": a pope's or a king's number in the
        // genitive says which saint of the name, as no name the table keeps does
        if (words.ordinalOf(i) > 0 && words.numeralOf(i) == 0 && words.digitsOf(i) == 0 &&
            words[i].key.ends_with('i') && !ends)
            return true;
        // "octava die mensis octobris": the day of the month that follows, no octave
        if (words.ordinalOf(i) > 0 && i + 2 < words.size() && words[i + 1].key == "die" &&
            !words.parted(i + 1) && (words.is(i + 2, Kind::Mensis) || words.monthOf(i + 2) > 0))
            return false;
        // "et": another epithet follows (abbatis et confessoris), or another saint, a pair
        // the table did not read (Iacobi et Philippi)
        if (words[i].key == "et") {
            if (ends)
                return false;
            // (et ante festum ...: the next phrase's)
            if (i + 1 < words.size() && !words[i + 1].pause &&
                (words[i + 1].key == "ante" || words[i + 1].key == "post"))
                return false;
            // (et eius sociorum: "his", then the epithet)
            const std::size_t next =
                i + 1 < words.size() && words[i + 1].key == "eius" ? i + 2 : i + 1;
            const std::string nextStem = next < words.size() ? NameStem(words[next].key) : "";
            const unsigned nextDeclensions =
                next < words.size() ? DeclensionsOf(words[next].key) : 0;
            const bool epithet =
                next < words.size() && IsOneOf(epithets, nextStem, nextDeclensions);
            if (!epithet || (sharedBy && !IsCommonEpithet(nextStem, nextDeclensions)))
                return true;
            i = next - 1;
            continue;
        }
        // A name the table does not know after the saint's (Thome Becket, Martini Turonensis)
        // may be another saint of the name, or another of his feasts; so may one run on to
        // the word before it, the space lost ("Tymothei etApollinaris").
        // (not the words that begin the sentence after a dating clause, its stop there or not:
        // "in festo sancti Martini. Amen.", "... Michaelis Testibus hiis")
        const bool unknownName =
            (words.nameLike(i) || CapitalAfterSmall(words[i].written, false) != 0) &&
            !words.mayBeNumber(i) && !BeginsTheNextSentence(words[i].key);
        // "ante" says which feast only before the Latin Gate (Iohannis ante portam Latinam);
        // before a feast it is the next phrase's: "post Trinitatem ante nativitatem Iohannis"
        if (words[i].key == "ante" && i + 1 < words.size() && !words[i + 1].pause &&
            !words[i + 1].key.starts_with("port") && MayBeginFeast(words[i + 1].key))
            return false;
        // "in" begins another feast's name only before the words those names go on with
        // (Petri in vinculis, Michaelis in monte); "in presencia nostra", "in castro" are not.
        if (words[i].key == "in")
            return !ends && i + 1 < words.size() && !words[i + 1].pause &&
                   IsOneOf(qualifiersAfterIn, NameStem(words[i + 1].key),
                           DeclensionsOf(words[i + 1].key));
        // (and a word a letter from one, as a scan or a copyist garbles it: Martini ectivalis,
        // Iohannis ance portam Latinam)
        const auto garbled = [&words, i](std::string_view qualifier) {
            return qualifier.size() >= 4 && OneLetterApart(words[i].key, AsKey(qualifier));
        };
        // (or cut short: Martini est., estiv.)
        const auto cut = [&words, i](std::string_view qualifier) {
            return words[i].dotted && words[i].key.size() >= 3 &&
                   AsKey(qualifier).starts_with(words[i].key);
        };
        // (the sentence's end is taken as one only where no other saint has the name: "Thome.
        // Becket" may be Becket's name after a stop an editor or a scan put there)
        return (unknownName && (!ends || sharedBy)) || IsOneOf(qualifiers, stem, declensions) ||
               std::any_of(Qualifiers.begin(), Qualifiers.end(), garbled) ||
               std::any_of(Qualifiers.begin(), Qualifiers.end(), cut);
    }
    return false;
}

// The epithets that tell a saint from others of the name, as the feasts' names hold them: a
// pope's, a king's, an abbot's, a bishop's. The stem of the one word i is, or nothing.
std::string_view TellingEpithet(const Words &words, std::size_t i) {
    static const std::array<std::string, 6> stems = {
        NameStem("papae"),   NameStem("regis"),    NameStem("ducis"),
        NameStem("abbatis"), NameStem("episcopi"), NameStem("archiepiscopi")};
    if (i >= words.size())
        return {};
    const std::string stem = NameStem(words[i].key);
    for (const std::string &s : stems)
        if (s == stem)
            return s;
    return {};
}

// Whether a pope's, a king's or a duke's title beside the name read, before it (at `before`) or
// after it (from `after`), says another saint of the name is meant than the feast found:
// "Innocentii pape", "sancti regis Laurentii".
bool NamesAnotherSaint(const Words &words, const std::vector<std::size_t> &before,
                       std::size_t after, int found) {
    for (const std::size_t i : before)
        if (const std::string_view stem = TellingEpithet(words, i);
            TellsForCertain(stem) && !NamesHold(found, stem))
            return true;
    for (std::size_t i = after; i < words.size() && i < after + 3; ++i) {
        if (const std::string_view stem = TellingEpithet(words, i);
            TellsForCertain(stem) && !NamesHold(found, stem))
            return true;
        const std::string stem = NameStem(words[i].key);
        if (words.parted(i) || !(IsTitle(stem, DeclensionsOf(words[i].key)) ||
                                 IsEpithet(stem, DeclensionsOf(words[i].key))))
            break;
    }
    return false;
}

} // namespace tempidex
