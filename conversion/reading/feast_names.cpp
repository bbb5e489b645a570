#include "feast_names.h"

#include "calendar/church_year.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <vector>

namespace tempidex {
namespace {

// The case endings taken off a word, the longest first: what is left is compared.
constexpr auto Endings =
    std::to_array<std::string_view>({"orum", "arum", "ibus", "is", "em", "en", "es", "um", "us",
                                     "am", "as", "os", "e", "i", "o", "a"});

// The titles before a saint's name and among its words, skipped: sancti, beatae, gloriosae
// virginis, episcopi et confessoris; dominicae (of the Lord's Ascension) likewise.
constexpr auto Titles = std::to_array<std::string_view>(
    {"abbatis", "beati", "beatissimi", "confessoris", "dominicae", "doctoris", "episcopi",
     "gloriosi", "gloriosissimi", "papae", "sancti", "sanctissimi", "virginis"});

// Words as their stems, worked out once.
std::vector<std::string> StemsOfWords(std::span<const std::string_view> words) {
    std::vector<std::string> stems;
    for (const std::string_view word : words) {
        std::string key(word);
        for (char &c : key)
            c = c == 'v' ? 'u' : c;
        stems.push_back(NameStem(key));
    }
    return stems;
}

bool IsOneOf(const std::vector<std::string> &stems, std::string_view stem) {
    return std::find(stems.begin(), stems.end(), stem) != stems.end();
}

bool IsTitle(std::string_view stem) {
    static const std::vector<std::string> titles = StemsOfWords(Titles);
    return IsOneOf(titles, stem);
}

// What follows a saint's name and says which of the saint's feasts is meant (Martini
// aestivalis, Petri ad vincula, Mariae ad nives): a name that one of these follows and that is
// not read with it is no feast the reader knows. The saint's epithets are skipped before them.
constexpr auto Qualifiers = std::to_array<std::string_view>(
    {"ad", "ante", "apparitionis", "conversionis", "decollationis", "dedicationis", "depositionis",
     "elevationis", "aestivalis", "estivalis", "in", "inventionis", "ordinationis", "passionis",
     "translationis"});
constexpr auto Epithets = std::to_array<std::string_view>(
    {"apostoli", "evangelistae", "et", "martyris", "regis", "baptistae"});

bool QualifiedAfter(const Words &words, std::size_t end) {
    static const std::vector<std::string> qualifiers = StemsOfWords(Qualifiers),
                                          epithets = StemsOfWords(Epithets);
    for (std::size_t i = end; i < words.size() && !words[i].pause && !words[i].gloss; ++i) {
        const std::string stem = NameStem(words[i].key);
        if (IsTitle(stem) || IsOneOf(epithets, stem))
            continue;
        return IsOneOf(qualifiers, stem);
    }
    return false;
}

// Every name of every feast, its words' stems joined by spaces, with the feast it names; a
// name two feasts share names neither (-1).
struct NameIndex {
    std::map<std::string, int, std::less<>> names;
    std::size_t longest = 0; // words in the longest name
};

std::vector<std::string> StemsOf(std::string_view name) {
    std::vector<std::string> stems;
    std::string key;
    const auto flush = [&] {
        if (!key.empty()) {
            std::string stem = NameStem(key);
            if (!IsTitle(stem))
                stems.push_back(std::move(stem));
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
    return stems;
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
            const std::vector<std::string> stems = StemsOf(name);
            if (stems.empty())
                continue;
            std::string joined;
            for (const std::string &stem : stems)
                joined.append(joined.empty() ? "" : " ").append(stem);
            const auto [at, added] = index.names.emplace(joined, static_cast<int>(f));
            if (!added && at->second != static_cast<int>(f))
                at->second = -1;
            index.longest = std::max(index.longest, stems.size());
        }
    }
    return index;
}

bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

} // namespace

std::string NameStem(std::string_view key) {
    std::string folded;
    for (std::size_t i = 0; i < key.size(); ++i) {
        char c = key[i];
        if (c == 'p' && i + 1 < key.size() && key[i + 1] == 'h') {
            folded.push_back('f');
            ++i;
            continue;
        }
        if (c == 'h')
            continue;
        c = c == 'y' ? 'i' : c == 'k' ? 'c' : c;
        if (c == 'e' && !folded.empty() && (folded.back() == 'a' || folded.back() == 'o')) {
            folded.back() = 'e';
            continue;
        }
        if (c == 't' && !folded.empty() && folded.back() == 'p' && folded.size() >= 2 &&
            folded[folded.size() - 2] == 'm')
            folded.back() = 't'; // assumptio, assumtio
        else
            folded.push_back(c);
    }
    for (std::size_t i = 0; i + 2 < folded.size(); ++i)
        if (folded[i] == 't' && folded[i + 1] == 'i' && IsVowel(folded[i + 2]) && i > 0)
            folded[i] = 'c';
    for (const std::string_view ending : Endings)
        if (folded.size() >= ending.size() + 3 && folded.ends_with(ending)) {
            folded.resize(folded.size() - ending.size());
            break;
        }
    folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
    return folded;
}

std::optional<FeastRead> FeastAt(const Words &words, std::size_t at) {
    static const NameIndex index = BuildNames();
    // The stems of the words from `at`, titles skipped, and the word after each.
    std::vector<std::pair<std::string, std::size_t>> stems;
    for (std::size_t i = at; i < words.size() && stems.size() < index.longest; ++i) {
        if (words[i].gloss || (i > at && words[i].pause))
            break;
        std::string stem = NameStem(words[i].key);
        if (IsTitle(stem))
            continue;
        stems.emplace_back(std::move(stem), i + 1);
    }
    for (std::size_t n = stems.size(); n > 0; --n) {
        std::string joined;
        for (std::size_t k = 0; k < n; ++k)
            joined.append(k == 0 ? "" : " ").append(stems[k].first);
        if (const auto found = index.names.find(joined); found != index.names.end()) {
            if (QualifiedAfter(words, stems[n - 1].second))
                return std::nullopt;
            return FeastRead{found->second, stems[n - 1].second};
        }
    }
    return std::nullopt;
}

} // namespace tempidex
