// The explanation of a day named by the church year: the feast, its day that year (and
// Easter's, for a movable one), how the clause relates its day to the feast, and the other days
// the feast was kept.
#include "explanation.h"
#include "modern_writing.h"

#include "calendar/church_year.h"

#include <array>

namespace tempidex {
namespace {

// Weekdays after "il primo" or "l'ultimo": "il primo venerdì".
constexpr std::array<std::string_view, 7> WeekdaysAfterArticle{
    "domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"};

const Feast &FeastOf(const ChurchDay &day) {
    return Feasts()[static_cast<std::size_t>(day.feast)];
}

// What a relation to a feast means: "la vigilia, il giorno prima".
std::string RelationText(const ChurchDay &day) {
    const std::string weekday(
        day.weekday >= 0 ? WeekdaysAfterArticle[static_cast<std::size_t>(day.weekday)] : "");
    switch (day.relation) {
    case FeastRelation::On:
        return DaysOfFeast(FeastOf(day)) > 1 ? "i tre giorni insieme" : "il giorno della festa";
    case FeastRelation::Eve:
        return day.pridie ? "il giorno prima (pridie)" : "la vigilia, il giorno prima";
    case FeastRelation::Morrow:
        return "il giorno dopo (in crastino)";
    case FeastRelation::Octave:
        return "l'ottava, sette giorni dopo";
    case FeastRelation::WithinOctave:
        return "i sette giorni dopo (infra octavam)";
    case FeastRelation::Quindene:
        return "la quindena, quattordici giorni dopo";
    case FeastRelation::WithinQuindene:
        return "i quattordici giorni dopo (infra quindenam)";
    case FeastRelation::WeekdayAfter:
        if (day.days > 0) { // "la 2ª domenica dopo la festa"
            const std::string nth = std::to_string(day.days / 7 + 1);
            return (day.weekday == 0 ? "la " + nth + "ª " : "il " + nth + "° ") + weekday +
                   " dopo la festa";
        }
        return (day.weekday == 0 ? "la prima " : "il primo ") + weekday + " dopo la festa";
    case FeastRelation::WeekdayBefore:
        return (day.weekday == 0 ? "l'ultima " : "l'ultimo ") + weekday + " prima della festa";
    case FeastRelation::EmberDay:
        return "il " + weekday +
               " delle quattro tempora, nella settimana del primo mercoledì dopo la festa";
    case FeastRelation::DayOfTheFeast:
        return "il " + std::to_string(day.days + 1) + "° giorno, contando quello della festa";
    case FeastRelation::DaysAfter:
        return std::to_string(day.days) + (day.days == 1 ? " giorno dopo" : " giorni dopo");
    case FeastRelation::WeeksAfter:
        return "la " + std::to_string(day.days / 7) + "ª domenica dopo";
    }
    return {};
}

} // namespace

// "la festa di «Martini» (11 Novembre)", "Pasqua (16 Aprile 1256)": the feast, its day that year.
std::string FeastText(const ChurchDay &day, std::optional<int> year, Reckoning reckoning) {
    const Feast &feast = FeastOf(day);
    if (!feast.movable())
        return "la festa " + std::string(feast.latin) + " (" + DateText(feast.day) + ")";
    std::string text(feast.italian);
    if (!year)
        return text;
    const Date date = DateFromFixed(FixedOfFeast(feast, *year, reckoning), reckoning);
    text += " (" + DateText(DayOfMonth{date.month, date.day}, date.year);
    if (feast.anchor == FeastAnchor::Easter && feast.offset != 0)
        text += ", " + std::to_string(feast.offset < 0 ? -feast.offset : feast.offset) +
                (feast.offset < 0 ? " giorni prima di Pasqua, " : " giorni dopo Pasqua, ") +
                On(EasterOf(*year, reckoning)); // (l'11 Aprile)
    return text + ")";
}

std::string KeptElsewhereText(const Dating &d) {
    const ChurchDay &church = d.reading.date.church;
    const Reckoning reckoning = d.options.reckoning;
    // The year of the feast the day was counted from: a day after it may fall in the next.
    std::optional<int> feastYear;
    if (d.year && d.outcome == Outcome::Day && church.relation != FeastRelation::On) {
        const long day = FixedFromDate({*d.year, d.day.month, d.day.day}, reckoning);
        for (const int year : {*d.year, *d.year - 1, *d.year + 1})
            if (!feastYear && FixedOfChurchDay(church, year, reckoning) == day)
                feastYear = year;
    }
    // Without a year, a day some days from the feast is named too, counted in a common year as
    // the answer is: the octave of St George kept on the 24th is 1 May. (A weekday's needs the
    // year; so does the eve, moved off a Sunday.)
    const bool counted =
        church.relation == FeastRelation::Morrow || church.relation == FeastRelation::Octave ||
        church.relation == FeastRelation::Quindene || church.relation == FeastRelation::DaysAfter ||
        church.relation == FeastRelation::DayOfTheFeast;
    constexpr int ACommonYear = 1001;
    const bool counts = feastYear || (!d.year && d.outcome == Outcome::Day && counted);
    const int year = feastYear ? *feastYear : ACommonYear;
    std::string text;
    for (const KeptDay &kept : DaysKeptElsewhere(FeastOf(church))) {
        // "15 Luglio (Costanza)"
        text.append(text.empty() ? "" : "; ")
            .append(std::to_string(kept.day.day))
            .append(" ")
            .append(ItalianMonthName(kept.day.month))
            .append(" (")
            .append(kept.where)
            .append(")");
        if (!counts)
            continue;
        if (const std::optional<long> fixed =
                FixedOfChurchDayKeptOn(church, kept.day, year, reckoning)) {
            const Date date = DateFromFixed(*fixed, reckoning);
            text += ", che dà " +
                    On({date.month, date.day}, feastYear ? std::optional(date.year) : std::nullopt);
        }
    }
    return text;
}

std::string ExplainChurchDay(const Dating &d) {
    const ChurchDay &day = d.reading.date.church;
    std::string text = FeastText(day, d.year, d.options.reckoning) + ": ";
    if (day.octave > 0)
        text += "contando dalla sua ottava, sette giorni dopo, ";
    text += RelationText(day);
    if (day.bound == day.feast && day.boundOctave > 0 && day.octave == 0) {
        text += " e prima della sua ottava"; // feria tertia infra octavam
    } else if (day.bound >= 0) { // "e l'ultimo venerdì prima della festa Iohannis Baptistae"
        const ChurchDay bound = BoundOf(day);
        std::string feast = FeastText(bound, d.year, d.options.reckoning);
        if (feast.starts_with("la festa "))
            feast.erase(0, 9);
        text += " e " + RelationText(bound) + " " + feast;
    }
    if (d.outcome == Outcome::Day)
        text += ", " + On(d.day, d.year);
    if (!FeastOf(day).also.empty())
        text += "; la festa si teneva altrove anche: " + KeptElsewhereText(d);
    return text;
}

} // namespace tempidex
