#include "feast_names.h"

#include "name_words.h"

#include "calendar/church_year.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tempidex {
namespace {

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

// The feasts of the Virgin's life, named by their event: Nativitatis, Assumptionis...
bool IsMarysFeast(const NameWord &word) {
    static const std::vector<StemOf> events = StemsOfWords(std::to_array<std::string_view>(
        {"nativitatis", "assumptionis", "purificationis", "annuntiationis", "annunciationis",
         "conceptionis", "visitationis"}));
    return IsOneOf(events, word.stem, word.declensions);
}

// Whether the Virgin is named in the few words from `from`, to a comma: "assumptionis domini
// nostre sancte Marie" is hers, the scribe's "domini" for "domine".
bool MaryNamedFrom(const Words &words, std::size_t from) {
    for (std::size_t i = from; i < words.size() && i < from + 4 && (i == from || !words.parted(i));
         ++i)
        if (NameStem(words[i].key) == NameStem("mariae"))
            return true;
    return false;
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

// Whether two feasts are fixed on one day.
bool SameFixedDay(int a, int b) {
    const Feast &first = Feasts()[static_cast<std::size_t>(a)];
    const Feast &second = Feasts()[static_cast<std::size_t>(b)];
    return !first.movable() && !second.movable() && first.day == second.day;
}

// Whether the saint of a feast read is called a confessor after the name where the feast's
// names call him a martyr, an apostle or a deacon (or another feast that day of the same name:
// Thomae, Thomae apostoli). "Thome confessoris", "Vincentii confessoris" are other saints
// (Aquinas or Cantilupe, Ferrer): never the apostle's or the deacon's day.
bool ConfessorNamedAMartyr(const Words &words, std::size_t from, std::size_t end, int feast) {
    const std::string confessor = ReadNameWord("confessoris").stem;
    bool called = false; // (cut short too: "Thome conf.")
    for (std::size_t i = from; i < std::max(end, from + 1) && i < words.size() && !called; ++i)
        called = ReadNameWord(words[i].key).stem == confessor ||
                 (words[i].dotted && IsOneOf(words[i].key, {"conf", "confes", "confess"}));
    if (!called || feast < 0)
        return false;
    // A name that calls the saint a martyr, a deacon, an evangelist, or an apostle right after
    // his name ("Thomae apostoli"; "Augustini Anglorum apostoli" was a confessor)
    const auto martyr = [](std::string_view names) {
        constexpr auto marks = std::to_array<std::string_view>(
            {" diacon", " evangelist", " levit", " martir", " martyr", " protomartyr"});
        for (std::string_view rest = names; !rest.empty();) {
            const std::size_t bar = rest.find(" | ");
            const std::string_view name = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 3);
            const std::size_t second = name.find(' ');
            if (second != std::string_view::npos &&
                (name.substr(second).starts_with(" apostol") ||
                 std::any_of(marks.begin(), marks.end(), [name](std::string_view mark) {
                     return name.find(mark) != std::string_view::npos;
                 })))
                return true;
        }
        return false;
    };
    const std::string_view names = Feasts()[static_cast<std::size_t>(feast)].names;
    const std::string_view first = names.substr(0, names.find_first_of(" |"));
    for (std::size_t other = 0; other < Feasts().size(); ++other)
        if ((static_cast<int>(other) == feast || SameFixedDay(feast, static_cast<int>(other))) &&
            Feasts()[other].names.starts_with(first) && martyr(Feasts()[other].names))
            return true;
    return false;
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
           IsTitle(word.stem, word.declensions) || IsEpithet(word.stem, word.declensions) ||
           word.stem == "octau" || word.stem == "octab" || word.stem == "fest" ||
           word.stem == "fesiuitat" || word.stem == "dominic" || word.stem == "dom";
}

std::optional<FeastRead> FeastAt(const Words &words, std::size_t at, std::string_view season) {
    if (!words.mayBeginFeast(at))
        return std::nullopt;
    const NameIndex &index = Names();
    // The words from `at`, titles skipped, and the word after each.
    std::vector<NameWord> read;
    std::vector<std::size_t> after;
    // Where epithets that tell saints apart stand before the name: sancti pape Martini.
    std::vector<std::size_t> before;
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
        else if (IsTitle(word.stem, word.declensions) ||
                 (read.empty() && IsEpithet(word.stem, word.declensions))) {
            womans = read.empty() && (word.declensions & Second) == 0 && word.stem.size() > 1;
            if (read.empty() && !TellingEpithet(words, i).empty())
                before.push_back(i);
            // "assumptionis dominicae" is the Lord's, the Ascension, never Mary's Assumption
            if (!read.empty() && read.front().stem == ReadNameWord("assumptionis").stem &&
                word.stem == ReadNameWord("dominicae").stem && !MaryNamedFrom(words, i + 1))
                return std::nullopt;
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
        // (A word after the first that no name goes on with, cut short, is read as written:
        // "dies." of "Isti sunt dies." ends the sentence, no word is cut.)
        if (!virgin && IsCutShort(words[i])) {
            std::optional<std::string> whole;
            if (MayStandForAName(words, i, read.empty()))
                whole = WordCutShort(index, read, words[i].key);
            if (whole)
                word = {std::move(*whole), Any};
            else if (read.empty())
                break;
        }
        // Most words after "in" begin no feast's name (in domo, in palatio): no more to read.
        if (read.empty() && !index.firstWords.contains(word.stem))
            return std::nullopt;
        read.push_back(std::move(word));
        after.push_back(i + 1);
    }
    // "sancti pape Martini", "beati regis Stephani": the name is looked up with its epithet
    // after it, as the feasts' names have it (Martini papae, Stephani regis)
    if (!read.empty())
        for (std::size_t k = 0; k < before.size(); ++k) {
            read.insert(read.begin() + static_cast<std::ptrdiff_t>(1 + k),
                        ReadNameWord(words[before[k]].key));
            after.insert(after.begin() + static_cast<std::ptrdiff_t>(1 + k), after[0]);
        }
    // "assumptionis domini" is the Lord's, the Ascension (Grotefend), or Mary's with the scribe's
    // "domini" for "domine" where her name follows: a name the table cannot tell, unless it does
    if (read.size() >= 2 && read[0].stem == ReadNameWord("assumptionis").stem &&
        read[1].stem == ReadNameWord("domini").stem && (read[1].declensions & Second) != 0 &&
        !MaryNamedFrom(words, after[1]))
        return std::nullopt;
    for (std::size_t n = read.size(); n > 0; --n) {
        int found = -2; // none yet; -1 for two feasts
        const std::string name =
            season.empty() ? Joined(read, n) : Joined(read, n) + " " + ReadNameWord(season).stem;
        const auto [first, last] = index.names.equal_range(name);
        for (auto entry = first; entry != last; ++entry) {
            bool meet = true;
            for (std::size_t k = 0; k < n && meet; ++k)
                meet = (entry->second.declensions[k] & read[k].declensions) != 0;
            if (meet)
                found = found == -2 || found == entry->second.feast ? entry->second.feast : -1;
        }
        if (found == -2)
            continue;
        if (!season.empty())
            return QualifiedAfter(words, after[n - 1], false)
                       ? std::nullopt
                       : std::optional(FeastRead{found, EpithetsEnd(words, after[n - 1])});
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
            const std::string_view first = rest.substr(0, rest.find(' '));
            bool goesOn = n < read.size() && !rest.empty() && first == read[n].stem;
            // (a name that goes on with "in" only where the next word is its next too:
            // "Michaelis in monte Tumba", not "Michaelis in presencia nostra")
            if (goesOn && first == "in" && rest.size() > 3) {
                const std::string_view second = rest.substr(3, rest.find(' ', 3) - 3);
                goesOn = n + 1 >= read.size() || read[n + 1].stem == second;
            }
            // (nor with "et" before the saint's own epithet: "Lucie virginis et martiris" is St
            // Lucy's, not Luciae et Geminiani's; but "et sociorum" may be the pair's companions)
            if (goesOn && first == "et" && n + 1 < read.size() &&
                read[n + 1].stem != NameStem("sociorum") &&
                IsEpithet(read[n + 1].stem, read[n + 1].declensions))
                goesOn = false;
            continued = continued || goesOn;
        }
        if (continued)
            return std::nullopt;
        // "beatorum Egidii et Lupi": two saints kept on one day, named together, name the day
        if (const std::size_t et = after[n - 1]; found >= 0 && et + 1 < words.size() &&
                                                 words[et].key == "et" && !words.parted(et) &&
                                                 !words.parted(et + 1) && season.empty())
            if (const std::optional<FeastRead> other = FeastAt(words, et + 1);
                other && other->feast >= 0 && SameFixedDay(found, other->feast))
                return FeastRead{found, other->end};
        if (QualifiedAfter(words, after[n - 1], shared))
            return std::nullopt;
        const std::size_t end = EpithetsEnd(words, after[n - 1]);
        if (found >= 0 && NamesAnotherSaint(words, before, after[n - 1], found))
            return std::nullopt;
        if (ConfessorNamedAMartyr(words, after[n - 1], end, found))
            return std::nullopt;
        return FeastRead{found, end};
    }
    return std::nullopt;
}

} // namespace tempidex
