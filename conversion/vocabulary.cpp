#include "vocabulary.h"

#include <cassert>

namespace tempidex {

std::string DayLabel(int day) {
    assert(day >= FirstDay && day <= LastDay);
    return {static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10), ' '};
}

} // namespace tempidex
