#include "latin_names.h"

namespace tempidex {
std::string MonthAdjective(int month, bool ablative) {
    const MonthName &name = MonthNames[static_cast<std::size_t>(month - 1)];
    const std::string_view ending =
        name.thirdDeclension ? (ablative ? "ibus" : "es") : (ablative ? "is" : "as");
    return std::string(name.stem).append(ending);
}

} // namespace tempidex
