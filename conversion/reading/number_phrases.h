// Numbers as they run over several words of a clause, each read every way it can be: a count
// of days (XIX, tertio, septimo decimo, primo et vicesimo), a year (M. D. XXX., M°CCC°XL°II°,
// millesimo CC. LX nono, MCCC septimo decimo, 1195-6, 1 348), and an era written around a year
// (A. D., a. u. c., P. C. N., B. C.). The rules (rules.h) build their phrases on these.
#pragma once

#include "words.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tempidex {

// A few values, as many as a reading can give: kept where they are made, never allocated.
template <typename T, std::size_t N> class Few {
public:
    void push_back(const T &value) {
        if (m_size < N)
            m_items[m_size++] = value;
    }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    const T &operator[](std::size_t i) const { return m_items[i]; }
    const T &front() const { return m_items[0]; }
    T &front() { return m_items[0]; }
    const T *begin() const { return m_items.data(); }
    const T *end() const { return m_items.data() + m_size; }
    T *begin() { return m_items.data(); }
    T *end() { return m_items.data() + m_size; }

private:
    std::array<T, N> m_items; // only the first m_size are ever set
    std::size_t m_size = 0;
};

struct NumberRead {
    int value;
    std::size_t begin, end; // its words: [begin, end)
};

// Every count of days (1 to 31) that ends just before word `end`, or begins at word `begin`:
// one word, or two or three as ordinals write them. None crosses a comma.
using Counts = Few<NumberRead, 4>;
Counts CountsEndingAt(const Words &words, std::size_t end);
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

// Every way an era's spelling begins, as words are folded: a, ad, p, post, urbis... A word
// that is one is classified as Kind::EraStart.
std::vector<std::string_view> EraBeginnings();

// The era spelt by the words from `begin` (a. u. c., A.D., P. C. N., B.C., ab urbe condita): the
// spelling of the most words; nothing for none. Worked out once for each word (words.h).
inline std::optional<EraRead> EraFrom(const Words &words, std::size_t begin) {
    return words.eraAt(begin);
}

} // namespace tempidex
