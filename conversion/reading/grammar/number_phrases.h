// Numbers as they run over several words of a clause, each read every way it can be: a count
// of days (XIX, tertio, septimo decimo, primo et vicesimo), a year (M. D. XXX., M°CCC°XL°II°,
// millesimo CC. LX nono, MCCC septimo decimo, 1195-6, 1 348), and an era written around a year
// (A. D., a. u. c., P. C. N., B. C.). The rules (rules.h) build their phrases on these.
#pragma once

#include "reading/few.h"
#include "reading/words/words.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tempidex {

struct NumberRead {
    int value;
    std::size_t begin, end; // its words: [begin, end)
};

// Every count of days (1 to 31) that ends just before word `end`, or begins at word `begin`:
// one word, or two or three as ordinals write them. None crosses a comma.
using Counts = Few<NumberRead, 4>;
Counts CountsEndingAt(const Words &words, std::size_t end);

// Whether word i is the ordinal mark of the numeral before it written apart as a word: the "o"
// of "xij. o Kal. Aprilis", read with the count.
bool IsOrdinalMarkApart(const Words &words, std::size_t i);
Counts CountsFrom(const Words &words, std::size_t begin);

struct YearNumber {
    int value;
    std::size_t end;
    bool yearForm; // four digits, a numeral from M up, or words from millesimo
    bool minus;    // -44
    bool lone;     // one letter alone: L, C, M, an initial as often as a number
    int later;     // 1195-6: the later year; 0 for none
};

// Every number a year can be written with that begins at word `begin`: each reading that ends
// on a whole number, the longest last.
using YearNumbers = Few<YearNumber, 16>;
YearNumbers YearNumbersFrom(const Words &words, std::size_t begin);

// The era spelt by the words from `begin` (a. u. c., A.D., P. C. N., B.C., ab urbe condita): the
// spelling of the most words; nothing for none. Worked out once for each word (words.h).
inline std::optional<EraRead> EraFrom(const Words &words, std::size_t begin) {
    return words.eraAt(begin);
}

} // namespace tempidex
