#include "feast_names.h"

#include "letters_apart.h"
#include "misread_numbers.h"

#include "calendar/church_year.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <span>
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

// Words as their stems and declensions, worked out once.
struct StemOf {
    std::string stem;
    unsigned declensions;
};

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

// What follows a saint's name and says which of the saint's feasts is meant (Martini
// aestivalis, Petri ad vincula, Mariae ad nives), or which saint (Thome Becket): a name that
// one of these follows and that is not read with it is no feast the reader knows. The saint's
// epithets are skipped before them.
constexpr auto Qualifiers = std::to_array<std::string_view>({"ad",
                                                             "annotini",
                                                             "ante",
                                                             "de",
                                                             "maioris",
                                                             "minoris",
                                                             "apparitionis",
                                                             "conversionis",
                                                             "decollationis",
                                                             "dedicationis",
                                                             "depositionis",
                                                             "elevationis",
                                                             "aestivalis",
                                                             "estivalis",
                                                             "in",
                                                             "inventionis",
                                                             "ordinationis",
                                                             "passionis",
                                                             "translationis",
                                                             "octava",
                                                             "octavis",
                                                             "octabis",
                                                             "octavas",
                                                             "octabas",
                                                             "vigilia",
                                                             "crastino"});
constexpr auto Epithets = std::to_array<std::string_view>(
    {"abbatis", "apostoli", "archiepiscopi", "baptistae", "confessoris", "diaconi", "doctoris",
     "episcopi", "evangelistae", "levitae", "martyris", "martyrum", "papae", "presbyteri", "regis",
     "sociorum", "virginum",
     // the rest of an Introit's first words: Laetare Ierusalem, Oculi mei
     "ierusalem", "mei"});

struct NameWord;
bool IsEpithet(const NameWord &word);
bool IsCutShort(const Token &word);

} // namespace

bool SentenceEndsBefore(const Words &words, std::size_t i) {
    // (a letter with its stop is an initial or a title, s. Ignoti)
    if (words[i - 1].dotted && words[i - 1].key.size() >= 2 && !IsCutShort(words[i - 1]))
        return true;
    // the mark right after the word: an editor's "(!)" or "(?)" ends no sentence
    const std::string_view span = words.written(i - 1, i + 1);
    const std::size_t before = words[i - 1].written.size(), after = words[i].written.size();
    return span.size() > before + after && (span[before] == '!' || span[before] == '?');
}

namespace {

// `sharedBy`: whether saints of other feasts share the name matched (Thome: the Apostle,
// Becket, Aquinas). Then an epithet the table did not read with the name may be another's
// (Thome episcopi is Becket's), and the name is no feast the reader knows.
bool QualifiedAfter(const Words &words, std::size_t end, bool sharedBy) {
    static const std::vector<StemOf> qualifiers = StemsOfWords(Qualifiers),
                                     epithets = StemsOfWords(Epithets),
                                     qualifiersAfterIn =
                                         StemsOfWords(std::to_array<std::string_view>(
                                             {"vinculis", "monte", "periculo", "pincis", "nivibus",
                                              "maio"}));
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
            if (sharedBy)
                return true;
            continue;
        }
        // "octava die mensis octobris": the day of the month that follows, no octave
        if (words.ordinalOf(i) > 0 && i + 2 < words.size() && words[i + 1].key == "die" &&
            !words.parted(i + 1) && (words.is(i + 2, Kind::Mensis) || words.monthOf(i + 2) > 0))
            return false;
        // "et": another epithet follows (abbatis et confessoris), or another saint, a pair
        // the table did not read (Iacobi et Philippi)
        if (words[i].key == "et") {
            if (ends)
                return false;
            // (et eius sociorum: "his", then the epithet)
            const std::size_t next =
                i + 1 < words.size() && words[i + 1].key == "eius" ? i + 2 : i + 1;
            const bool epithet = next < words.size() && IsOneOf(epithets, NameStem(words[next].key),
                                                                DeclensionsOf(words[next].key));
            if (!epithet || sharedBy)
                return true;
            i = next - 1;
            continue;
        }
        // A name the table does not know after the saint's (Thome Becket, Martini Turonensis)
        // may be another saint of the name, or another of his feasts; so may one run on to
        // the word before it, the space lost ("Tymothei etApollinaris").
        const bool unknownName =
            (words.nameLike(i) || CapitalAfterSmall(words[i].written, false) != 0) &&
            !words.mayBeNumber(i);
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

// A word of a feast's name as compared: its stem and the declensions of its ending.
struct NameWord {
    std::string stem;
    unsigned declensions;
};

// Every name of every feast by its words' stems, joined by spaces: each with its feast and
// the declensions of its words.
struct Name {
    int feast;
    std::vector<unsigned> declensions;
};

// A name's words as written (in small letters, i for j and u for v) beside their stems: a word
// cut short is compared with the letters written, which folding the whole word changes
// (Mich. with Michaelis, whose stem is "misel").
struct WrittenName {
    std::vector<std::string> written, stems;
    int feast;
};

struct NameIndex {
    std::multimap<std::string, Name, std::less<>> names;
    std::vector<WrittenName> written;
    std::set<std::string, std::less<>> firstWords; // the stem each name begins with
    std::size_t longest = 0;                       // words in the longest name
};

NameWord ReadNameWord(std::string_view key) {
    return {NameStem(key), DeclensionsOf(key)};
}

bool IsEpithet(const NameWord &word) {
    static const std::vector<StemOf> epithets = StemsOfWords(Epithets);
    return IsOneOf(epithets, word.stem, word.declensions);
}

// The feasts of the Virgin's life, named by their event: Nativitatis, Assumptionis...
bool IsMarysFeast(const NameWord &word) {
    static const std::vector<StemOf> events = StemsOfWords(std::to_array<std::string_view>(
        {"nativitatis", "assumptionis", "purificationis", "annuntiationis", "annunciationis",
         "conceptionis", "visitationis"}));
    return IsOneOf(events, word.stem, word.declensions);
}

// The words of a name but its titles; and, where asked, each as written.
std::vector<NameWord> WordsOfName(std::string_view name, std::vector<std::string> *written) {
    std::vector<NameWord> read;
    std::string key;
    const auto flush = [&] {
        if (!key.empty()) {
            NameWord word = ReadNameWord(key);
            if (!IsTitle(word.stem, word.declensions)) {
                read.push_back(std::move(word));
                if (written != nullptr)
                    written->push_back(key);
            }
        }
        key.clear();
    };
    for (const char c : name) {
        if (c == ' ' || c == '-') {
            flush();
            continue;
        }
        char k = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        k = k == 'j' ? 'i' : k == 'v' ? 'u' : k;
        key.push_back(k);
    }
    flush();
    return read;
}

std::string Joined(const std::vector<NameWord> &words, std::size_t count) {
    std::string joined;
    for (std::size_t k = 0; k < count; ++k)
        joined.append(k == 0 ? "" : " ").append(words[k].stem);
    return joined;
}

NameIndex BuildNames() {
    NameIndex index;
    const auto feasts = Feasts();
    for (std::size_t f = 0; f < feasts.size(); ++f) {
        std::string_view names = feasts[f].names;
        while (!names.empty()) {
            const std::size_t bar = names.find(" | ");
            const std::string_view name = names.substr(0, bar);
            names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 3);
            std::vector<std::string> written;
            const std::vector<NameWord> words = WordsOfName(name, &written);
            if (words.empty())
                continue;
            WrittenName &w = index.written.emplace_back();
            w.written = std::move(written);
            w.feast = static_cast<int>(f);
            for (const NameWord &word : words)
                w.stems.push_back(word.stem);
            Name entry{static_cast<int>(f), {}};
            for (const NameWord &word : words)
                entry.declensions.push_back(word.declensions);
            index.names.emplace(Joined(words, words.size()), std::move(entry));
            index.firstWords.insert(words.front().stem);
            index.longest = std::max(index.longest, words.size());
        }
    }
    return index;
}

const NameIndex &Names() {
    static const NameIndex index = BuildNames();
    return index;
}

// The word of a name that a word cut short stands for, as the k-th of a name after the words
// read before it (their stems): the one word of the names it begins (Mich. for Michaelis, whose
// feasts the words after it tell apart as they do after the word written out), or the first of
// several words that are all one feast's (Quasim. for Quasimodo or Quasimodogeniti). Nothing
// where it begins none, or the words of two feasts (Marg. is St Margaret's alone; Mart. is St
// Martin's, St Martha's...).
std::optional<std::string> WordCutShort(const NameIndex &index, const std::vector<NameWord> &before,
                                        std::string_view cut) {
    std::optional<std::string> word;
    bool several = false;
    int feast = -2; // none yet; -1 for two
    const std::size_t k = before.size();
    for (const WrittenName &name : index.written) {
        if (name.stems.size() <= k || !name.written[k].starts_with(cut))
            continue;
        bool same = true;
        for (std::size_t w = 0; w < k && same; ++w)
            same = name.stems[w] == before[w].stem;
        if (!same)
            continue;
        const std::string &stem = name.stems[k];
        feast = feast == -2 || feast == name.feast ? name.feast : -1;
        several = several || (word && *word != stem);
        if (!word || stem.size() < word->size())
            word = stem;
    }
    return several && feast < 0 ? std::nullopt : word;
}

// Whether a word is cut short: its full stop after letters that end in no case ending
// (Mich., Assumpt., Mart.; Michaelis. and Martini. are written out).
bool IsCutShort(const Token &word) {
    return word.dotted && word.key.size() >= 2 && DeclensionsOf(word.key) == Any &&
           std::all_of(word.key.begin(), word.key.end(),
                       [](char c) { return c >= 'a' && c <= 'z'; });
}

// Whether a word cut short may stand for a name's word: four letters or more, three after
// another word of the name (Corp. Chr.), which few names' words begin alike (Ass. may be
// Assumptionis or Assensionis, as scribes spell the Ascension); and no keyword, month or number
// (s. Aug. is refused, not read as St Augustine's).
bool MayStandForAName(const Words &words, std::size_t i, bool first) {
    return words[i].key.size() >= (first ? 4u : 3u) && words.classOf(i).kinds == 0 &&
           words.monthOf(i) == 0 && !words.mayBeNumber(i) && words.numeralOf(i) == 0;
}

// Whether a word, were it cut short, would begin the first word of a name.
bool MayBeFirstWordCut(std::string_view key) {
    return key.size() >= 3 &&
           std::any_of(Names().written.begin(), Names().written.end(),
                       [key](const WrittenName &name) { return name.written[0].starts_with(key); });
}

} // namespace

// The first word of a name, `word` as read from `key`; or the genitive of a name in -ius
// written with one i as the name with two (Laurenti, Vincenti), where no name begins as it is.
NameWord FirstNameWord(std::string_view key, NameWord word) {
    if (!Names().firstWords.contains(word.stem) && key.size() >= 5 && key.back() == 'i' &&
        !IsVowel(key[key.size() - 2]))
        if (NameWord doubled = ReadNameWord(std::string(key) + "i");
            Names().firstWords.contains(doubled.stem))
            return doubled;
    return word;
}

bool MayBeginFeast(std::string_view key) {
    const NameWord word = FirstNameWord(key, ReadNameWord(key));
    return Names().firstWords.contains(word.stem) || MayBeFirstWordCut(key) ||
           IsTitle(word.stem, word.declensions) || IsEpithet(word) || word.stem == "octau" ||
           word.stem == "octab" || word.stem == "fest" || word.stem == "fesiuitat" ||
           word.stem == "dominic" || word.stem == "dom";
}

std::optional<FeastRead> FeastAt(const Words &words, std::size_t at) {
    if (!words.mayBeginFeast(at))
        return std::nullopt;
    const NameIndex &index = Names();
    // The words from `at`, titles skipped, and the word after each.
    std::vector<NameWord> read;
    std::vector<std::size_t> after;
    bool womans = false; // the title before the name is a woman's: beatae, sancte
    for (std::size_t i = at; i < words.size() && read.size() < index.longest; ++i) {
        if (words[i].gloss || (i > at && words[i].pause))
            break;
        NameWord word = ReadNameWord(words[i].key);
        // nativitatis beatae virginis: the Virgin alone, after one of her feasts, is Mary
        const bool virgin =
            word.stem == "uirgin" && !read.empty() && IsMarysFeast(read.back()) &&
            (i + 1 >= words.size() || words[i + 1].pause || NameStem(words[i + 1].key) != "mari");
        if (virgin)
            word = ReadNameWord("mariae");
        // beati apostoli Iacobi: the titles, and an epithet before the name, are skipped
        else if (IsTitle(word.stem, word.declensions) || (read.empty() && IsEpithet(word))) {
            womans = read.empty() && (word.declensions & Second) == 0 && word.stem.size() > 1;
            continue;
        }
        // "sancte Luce", "beatae Lucae": a woman's title, and St Luke's name as St Lucy's is
        // often written. The reader cannot tell which saint is meant.
        if (read.empty() && womans && word.stem == "luc")
            return std::nullopt;
        // (Laurenti, Vincenti, Bonifati: a name's first word in the genitive with one i)
        if (read.empty())
            word = FirstNameWord(words[i].key, std::move(word));
        // A word cut short is the word of a name it begins, in any case (s. Mich., Corp. Chr.),
        // never a stem as a word written out is: "s. Mart." is no more St Martha's, whose stem
        // is "mart", than St Martin's
        if (!virgin && IsCutShort(words[i])) {
            std::optional<std::string> whole;
            if (MayStandForAName(words, i, read.empty()))
                whole = WordCutShort(index, read, words[i].key);
            if (!whole)
                break;
            word = {std::move(*whole), Any};
        }
        // Most words after "in" begin no feast's name (in domo, in palatio): no more to read.
        if (read.empty() && !index.firstWords.contains(word.stem))
            return std::nullopt;
        read.push_back(std::move(word));
        after.push_back(i + 1);
    }
    for (std::size_t n = read.size(); n > 0; --n) {
        int found = -2; // none yet; -1 for two feasts
        const auto [first, last] = index.names.equal_range(Joined(read, n));
        for (auto entry = first; entry != last; ++entry) {
            bool meet = true;
            for (std::size_t k = 0; k < n && meet; ++k)
                meet = (entry->second.declensions[k] & read[k].declensions) != 0;
            if (meet)
                found = found == -2 || found == entry->second.feast ? entry->second.feast : -1;
        }
        if (found == -2)
            continue;
        // Other feasts whose names begin as this one: the same saint's other feasts, or
        // another saint of the name.
        const std::string prefix = Joined(read, n);
        bool shared = false, continued = false;
        for (auto other = index.names.lower_bound(prefix);
             other != index.names.end() && other->first.starts_with(prefix); ++other) {
            if (other->second.feast == found ||
                (other->first.size() > prefix.size() && other->first[prefix.size()] != ' '))
                continue;
            shared = true;
            // Another feast's name goes on with the next word's stem, in another case: Pascha
            // florida is Palm Sunday's (Pascha floridum), never Easter.
            const std::string_view rest =
                other->first.size() > prefix.size()
                    ? std::string_view(other->first).substr(prefix.size() + 1)
                    : std::string_view{};
            continued = continued || (n < read.size() && !rest.empty() &&
                                      rest.substr(0, rest.find(' ')) == read[n].stem);
        }
        if (continued || QualifiedAfter(words, after[n - 1], shared))
            return std::nullopt;
        return FeastRead{found, after[n - 1]};
    }
    return std::nullopt;
}

} // namespace tempidex
