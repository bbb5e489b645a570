#include "unknown_numbers.h"

#include "letters_apart.h"
#include "numbers.h"
#include "tokens.h"
#include "word_table.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tempidex {
namespace {

// The ordinals' stems as words are read (V as U).
const std::vector<std::pair<std::string, int>> &OrdinalStems() {
    static const std::vector<std::pair<std::string, int>> stems = [] {
        std::vector<std::pair<std::string, int>> all;
        for (const Ordinal &o : Ordinals)
            all.emplace_back(AsKey(o.stem), o.value);
        return all;
    }();
    return stems;
}

// The parts of PartsRunTogether from `text` on: each numeral with the ending scribes wrote
// after it, the last part perhaps in words (mocccc is M° CCCC; moccccmolmo, modv). Two parts at
// least, each below the place of the one before, and an ending or a last part in words to tell
// them apart ("dixi" and "civi" are words, "diuo" and "lido" one numeral and an ending).
// `parts` read before it, the last of them below `place`; `told`, whether one had an ending.
int PartsFrom(std::string_view text, int place, int parts, bool told) {
    if (text.empty())
        return told && parts >= 2 ? 0 : -1;
    if (parts > 0) { // the last part in words: primo, decimoseptimo
        const int ordinal =
            ClassOf(text.find('v') == std::string_view::npos ? text : AsKey(text)).ordinal;
        if (ordinal > 0 && ordinal < place)
            return ordinal;
    }
    static constexpr std::array<std::string_view, 7> endings{"mo", "no", "to", "do", "uo", "o", ""};
    std::size_t letters = 0;
    while (letters < text.size() && HasNumeralLettersOnly(text.substr(letters, 1)))
        ++letters;
    for (std::size_t n = letters; n > 0; --n) {
        const int value = RomanValue(text.substr(0, n));
        // (mmo is a thousand and the "mo" of millesimo, as alone: "mmocccmo" is 1300, no 2300)
        if (value == 0 || value >= place ||
            (text.substr(0, n).ends_with("mm") && text.substr(n).starts_with('o')))
            continue;
        const int next = value >= 1000 ? 1000 : value >= 100 ? 100 : value >= 10 ? 10 : 1;
        for (const std::string_view ending : endings) {
            if (!text.substr(n).starts_with(ending) || (ending.empty() && n < letters))
                continue;
            const int rest =
                PartsFrom(text.substr(n + ending.size()), next, parts + 1, told || !ending.empty());
            if (rest >= 0)
                return value + rest;
        }
    }
    return -1;
}

} // namespace

// The ordinals of a number written in words run together, as charters write a year
// (septuagesimoprimo, millesimoquadringentesimosexagesimo, quingentesimodecimo): each part a
// stem with its ending, each smaller than the place of the one before; 0 for any other word.
int OrdinalsRunTogether(std::string_view key) {
    int total = 0, place = 1 << 20;
    while (!key.empty()) {
        int value = 0;
        std::size_t used = 0;
        for (const auto &[stem, stemValue] : OrdinalStems()) {
            if (stem[0] != key[0] || stem.size() <= used || !key.starts_with(stem))
                continue;
            for (const std::string_view ending : OrdinalEndings)
                if (key.substr(stem.size()).starts_with(ending) &&
                    stem.size() + ending.size() > used) {
                    value = stemValue;
                    used = stem.size() + ending.size();
                }
        }
        if (value == 0 || value >= place)
            return 0;
        total += value;
        place = value >= 1000 ? 1000 : value >= 100 ? 100 : value >= 10 ? 10 : 1;
        key.remove_prefix(used);
    }
    return total;
}

// An ordinal cut short and marked as one (millº, ducº, nonagº, septuagº): the value of the
// ordinals whose stems begin so, where they all have one; 0 for none, -1 for several (quinº:
// quintus, quinquagesimus, quingentesimus). `key` as ClassOf's.
int ShortenedOrdinal(std::string_view key) {
    if (key.size() < 3)
        return 0;
    int found = 0;
    for (const auto &[stem, value] : OrdinalStems()) {
        if (!std::string_view(stem).starts_with(key))
            continue;
        if (found != 0 && found != value)
            return -1;
        found = value;
    }
    return found;
}

// Whether a word's last four letters end some ordinal's form (-rtio, -simo): a word that ends
// otherwise ends with no ordinal, and its endings need not be looked up one by one.
bool MayEndAsAnOrdinal(std::string_view key) {
    static const std::vector<std::string> tails = [] {
        std::vector<std::string> all;
        ForEachOrdinalForm([&all](const std::string &form, int) {
            if (form.size() >= 4)
                all.push_back(form.substr(form.size() - 4));
        });
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return key.size() >= 4 &&
           std::binary_search(tails.begin(), tails.end(), key.substr(key.size() - 4));
}

bool MayBeginAsAnOrdinal(std::string_view key) {
    static const std::vector<std::string> heads = [] {
        std::vector<std::string> all;
        ForEachOrdinalForm([&all](const std::string &form, int) {
            if (form.size() >= 4)
                all.push_back(form.substr(0, 4));
        });
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return key.size() >= 4 && std::binary_search(heads.begin(), heads.end(), key.substr(0, 4));
}

int PartsRunTogether(std::string_view text) {
    return PartsFrom(text, 1 << 20, 0, false);
}

// Whether a word looks like part of an ordinal: -esim-, -decim-.
bool LooksLikeAnOrdinal(std::string_view key) {
    // (December with an i for its e, "decimbris", is no ordinal: none has -decimbr-)
    const std::size_t decim = key.find("decim");
    return key.find("esim") != std::string_view::npos ||
           (decim != std::string_view::npos && key.substr(decim + 5, 2) != "br") ||
           key.find("ecimo") != std::string_view::npos; // duodecimo with its d misprinted
}

namespace {

// Every ordinal's form, by its first letter and its length.
constexpr std::size_t LongestForm = 40;
using Forms = std::vector<std::pair<std::string, int>>;
const std::array<std::array<Forms, LongestForm + 2>, 26> &FormsByLetter() {
    static const std::array<std::array<Forms, LongestForm + 2>, 26> forms = [] {
        std::array<std::array<Forms, LongestForm + 2>, 26> byLetter;
        ForEachOrdinalForm([&byLetter](const std::string &form, int value) {
            if (form[0] >= 'a' && form[0] <= 'z' && form.size() <= LongestForm)
                byLetter[static_cast<std::size_t>(form[0] - 'a')][form.size()].emplace_back(form,
                                                                                            value);
        });
        return byLetter;
    }();
    return forms;
}

// Calls `each` with the value of every form that begins with `letter` and is a letter apart
// from `key`, while it returns true.
template <typename Each> void ForEachFormNear(std::string_view key, char letter, Each &&each) {
    const auto &byLength = FormsByLetter()[static_cast<std::size_t>(letter - 'a')];
    for (std::size_t length = key.size() - 1; length <= key.size() + 1; ++length)
        for (const auto &[form, value] : byLength[length])
            if (OneLetterApart(form, key) && !each(value))
                return;
}

bool IsKeyOfForms(std::string_view key, std::size_t shortest) {
    return key.size() >= shortest && key.size() < LongestForm && key[0] >= 'a' && key[0] <= 'z';
}

} // namespace

int OrdinalNear(std::string_view key) {
    if (!IsKeyOfForms(key, 5))
        return 0;
    // The first letter is kept, or written as Spanish and Catalan scribes wrote it (cuarto for
    // quarto) or as a scan reads a long s (fecundo for ſecundo).
    const char first = key[0] == 'c' ? 'q' : key[0] == 'q' ? 'c' : key[0] == 'f' ? 's' : key[0];
    int found = 0;
    bool several = false;
    for (const char letter : {key[0], first}) {
        ForEachFormNear(key, letter, [&](int value) {
            several = found != 0 && found != value;
            found = value;
            return !several;
        });
        if (several)
            return 0;
        if (first == key[0])
            break;
    }
    return found;
}

bool NearAnOrdinal(std::string_view key) {
    if (!IsKeyOfForms(key, 4))
        return false;
    bool near = false;
    for (char letter = 'a'; letter <= 'z' && !near; ++letter)
        ForEachFormNear(key, letter, [&near](int) { return !(near = true); });
    return near;
}

} // namespace tempidex
