// What the reader of an answer should know but the answer cannot say, one line each for
// standard error: a year the other styles count differently, a weekday or an indiction that does
// not agree, a line that reads two ways, a year of a reign taken for none of ours, a day a leap
// year would move, an era that does not agree with the year.
#pragma once

#include "result/dating.h"

#include <string>
#include <string_view>

namespace tempidex {

// Appends each warning about `line` as "«line»: warning" and a newline; without the quoted
// line where `quoteLine` is false (a spreadsheet's row, a JSON object, which hold the line).
void AppendWarnings(std::string &out, std::string_view line, const Dating &dating,
                    bool quoteLine = true);

} // namespace tempidex
