// The answers as JSON Lines (--json): one object per line read, for programs that call the
// command line and should not parse Italian sentences. Its members:
//   input        the line as read
//   answer       the answer as the plain output writes it, or null for a blank line
//   error        the error text where the line gave one, else null
//   day, month   the day, or null
//   year         the year from 1 January, astronomical (0 is 1 BC), or null
//   calendar     "julian", "gregorian", "pre-julian" (before 45 BC), or null without a year
//   iso          the day in ISO 8601, proleptic Gregorian ("-0043-03-13"), or null
//   julian       the same day in the Julian calendar where it was reckoned in it, or null
//   styles       the year each other style gives, where it differs: {"florentine": 1524}
//   weekday      0 Sunday to 6 Saturday, or null
//   checks       {"weekday": true|false|null, "indiction": true|false|null}: whether the
//                weekday and indiction the clause writes agree; null where it writes none
//   explanation  why: how the days were counted, or why there is no such day
//   warnings     what the answer cannot say, a string each
// With --to-latin: input, answer, error and explanation.
#pragma once

#include "writing/answers.h"

#include <string>
#include <string_view>

namespace tempidex {

std::string JsonLine(std::string_view input, const DatedAnswer &answer);
std::string JsonLatinLine(std::string_view input, const Answer &answer);

} // namespace tempidex
