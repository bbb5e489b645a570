// The eras a year is written in, and how they are spelt: the letters of their words run
// together, as "a. u. c.", "A.D.", "AUC" and "ab urbe condita" are written alike.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tempidex {

enum class Era : std::uint8_t { Christian, BeforeChrist, City };

struct EraSpelling {
    std::string_view letters; // the words' letters run together
    Era era;
};

inline constexpr auto EraSpellings = std::to_array<EraSpelling>({
    {"ad", Era::Christian},
    {"dc", Era::Christian}, // dopo Cristo
    {"pcn", Era::Christian},
    {"postchristumnatum", Era::Christian},
    {"auc", Era::City},
    {"uc", Era::City},
    {"aburbecondita", Era::City},
    {"urbisconditae", Era::City},
    {"ac", Era::BeforeChrist}, // avanti Cristo
    {"acn", Era::BeforeChrist},
    {"avc", Era::BeforeChrist},
    {"bc", Era::BeforeChrist},
    {"bce", Era::BeforeChrist},
    {"achr", Era::BeforeChrist},
    {"achrn", Era::BeforeChrist},
    {"antechristum", Era::BeforeChrist},
    {"antechristumnatum", Era::BeforeChrist},
    {"aec", Era::BeforeChrist}, // ante aeram Christianam
});

// Whether some era's spelling begins with `letters`, and the era they spell whole, if any.
struct EraLetters {
    bool begins = false;
    bool whole = false;
    Era era = Era::Christian;
};

// `letters`: the words' letters run together, as folded (V kept: a. v. c. is no a. u. c.).
constexpr EraLetters EraOfLetters(std::string_view letters) {
    EraLetters found;
    for (const EraSpelling &s : EraSpellings) {
        // the first two letters tell most spellings apart without comparing the rest
        if (s.letters.size() < letters.size() || s.letters[0] != letters[0] ||
            (letters.size() > 1 &&
             (s.letters[1] != letters[1] || s.letters.substr(0, letters.size()) != letters)))
            continue;
        found.begins = true;
        if (s.letters.size() == letters.size()) {
            found.whole = true;
            found.era = s.era;
        }
    }
    return found;
}

// An era read from the words from some word on, and where its words end.
struct EraRead {
    Era era = Era::Christian;
    std::size_t end = 0;
};

inline constexpr int YearsOfTheCityAtAD1 = 754; // AD 1 is the 754th year of the city

// The astronomical year of a number written in an era.
constexpr int YearInEra(int value, Era era) {
    return era == Era::BeforeChrist ? 1 - value
           : era == Era::City       ? value - (YearsOfTheCityAtAD1 - 1)
                                    : value;
}

// Every way an era's spelling begins, as words are folded: a, ad, p, post, urbis... A word
// that is one is classified as Kind::EraStart.
inline std::vector<std::string_view> EraBeginnings() {
    std::vector<std::string_view> beginnings;
    for (const EraSpelling &s : EraSpellings)
        for (std::size_t size = 1; size <= s.letters.size(); ++size)
            beginnings.push_back(s.letters.substr(0, size));
    return beginnings;
}

} // namespace tempidex
