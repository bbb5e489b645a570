#include "json_lines.h"

#include "text_lines.h"

#include "writing/iso_dates.h"

#include <nlohmann/json.hpp>

namespace tempidex {
namespace {

using Json = nlohmann::ordered_json;

Json TextOrNull(std::string_view text) {
    return text.empty() ? Json() : Json(std::string(text));
}

std::string Dumped(const Json &object) {
    // The input is valid UTF-8 already (input_text.h); replace is there for safety alone.
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A day of a known year has a Julian date where it was reckoned in that calendar; before 45 BC
// it has no ISO date at all.
const char *CalendarName(const IsoDates &iso) {
    return iso.gregorian.empty() ? "pre-julian" : iso.julian.empty() ? "gregorian" : "julian";
}

} // namespace

std::string JsonLine(std::string_view input, const DatedAnswer &answer) {
    const Dating &d = answer.dating;
    const bool day = d.outcome == Outcome::Day;
    const bool dated = day && d.year.has_value();
    const IsoDates iso = IsoDatesOf(d);
    // (the second year an Easter year holds the day in goes apart: no style's year is lost)
    Json styles = Json::object(), styleDays = Json::object(), stylesAlso = Json::object(),
         styleDaysAlso = Json::object();
    for (std::size_t i = 0; dated && i < d.stylesDiffering; ++i) {
        const StyledYear &other = d.otherStyles[i];
        const std::string_view name = StyleOf(other.style).english;
        const bool second = other.also || styles.contains(name);
        (second ? stylesAlso : styles)[name] = other.year;
        if (other.day) // a movable feast, in another year, falls on another day
            (second ? styleDaysAlso : styleDays)[name] = {{"day", other.day->day},
                                                          {"month", other.day->month}};
    }
    const ClauseNotes &notes = d.reading.notes;
    const auto check = [](bool written, bool agrees) { return written ? Json(agrees) : Json(); };
    Json warnings = Json::array();
    ForEachLineOf(answer.warnings,
                  [&warnings](std::string_view warning) { warnings.push_back(warning); });
    const Json object = {
        {"input", std::string(input)},
        {"answer", d.outcome == Outcome::Blank ? Json() : Json(answer.text)},
        {"error", answer.failed ? Json(answer.text) : Json()},
        {"day", day ? Json(d.day.day) : Json()},
        {"month", day ? Json(d.day.month) : Json()},
        {"year", dated ? Json(*d.year) : Json()},
        {"calendar", dated ? Json(CalendarName(iso)) : Json()},
        {"iso", TextOrNull(iso.gregorian)},
        {"julian", TextOrNull(iso.julian)},
        {"styles", styles},
        {"styleDays", styleDays},
        {"stylesAlso", stylesAlso},
        {"styleDaysAlso", styleDaysAlso},
        {"weekday", day && d.weekday >= 0 ? Json(d.weekday) : Json()},
        {"checks",
         {{"weekday",
           check(day && notes.weekday >= 0 && d.weekday >= 0, notes.weekday == d.weekday)},
          {"indiction",
           check(day && notes.indiction > 0 && d.indiction > 0, notes.indiction == d.indiction)}}},
        {"explanation", TextOrNull(answer.explanation)},
        {"warnings", warnings},
    };
    return Dumped(object);
}

std::string JsonLatinLine(std::string_view input, const Answer &answer) {
    const std::size_t tab = answer.text.find('\t');
    const std::string text = answer.text.substr(0, tab);
    const Json object = {
        {"input", std::string(input)},
        {"answer", text.empty() ? Json() : Json(text)},
        {"error", answer.failed ? Json(text) : Json()},
        {"explanation", tab == std::string::npos ? Json() : Json(answer.text.substr(tab + 1))},
    };
    return Dumped(object);
}

} // namespace tempidex
