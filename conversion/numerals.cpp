#include "numerals.h"

#include <algorithm>

namespace tempidex {

std::string RomanNumeral(int value) {
    struct Symbol {
        int value;
        std::string_view text;
    };
    constexpr std::array<Symbol, 13> symbols{{{1000, "M"},
                                              {900, "CM"},
                                              {500, "D"},
                                              {400, "CD"},
                                              {100, "C"},
                                              {90, "XC"},
                                              {50, "L"},
                                              {40, "XL"},
                                              {10, "X"},
                                              {9, "IX"},
                                              {5, "V"},
                                              {4, "IV"},
                                              {1, "I"}}};
    std::string numeral;
    for (const Symbol &symbol : symbols)
        for (; value >= symbol.value; value -= symbol.value)
            numeral.append(symbol.text);
    return numeral;
}

std::string OrdinalWord(int value) {
    const auto stem = [](int v) {
        return std::find_if(Ordinals.begin(), Ordinals.end(),
                            [v](const Ordinal &o) { return o.value == v; })
            ->stem;
    };
    if (value > Ten + 2 && value < Ten + 8) // tertium decimum .. septimum decimum
        return std::string(stem(value - Ten)).append("um ").append(stem(Ten)).append("um");
    return std::string(stem(value)).append("um");
}

} // namespace tempidex
