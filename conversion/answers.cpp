#include "answers.h"

#include "explanation.h"
#include "latin_text.h"
#include "modern_text.h"
#include "roman_date.h"
#include "vocabulary.h"

#include <vector>

namespace tempidex {
namespace {

// Appends the answer, and after a tab why, when asked: the reason is only worked out then.
// Whether the answer is a failure.
template <typename Why>
bool Answered(std::string &out, std::string_view text, bool failed, const LineOptions &options,
              Why &&why) {
    out.append(text);
    if (options.explain)
        out.append("\t").append(why());
    return failed;
}

// What the window shows for every combination of the three lists, worked out by the window's
// own conversion the first time it is needed: a batch of list texts then only looks it up.
const ConversionResult &WindowAnswer(const ListIndices &entries) {
    static const std::vector<ConversionResult> answers = [] {
        std::vector<ConversionResult> all;
        for (std::string_view designation : Designations)
            for (std::string_view reference : ReferenceDays)
                for (std::string_view month : MonthEntries)
                    all.push_back(ConvertRomanDate(designation, reference, month));
        return all;
    }();
    return answers[(entries.designation * ReferenceDays.size() + entries.reference) *
                       MonthEntries.size() +
                   entries.month];
}

} // namespace

bool ConvertLine(std::string_view line, const LineOptions &options, std::string &out) {
    const LatinDate date = ReadLatinDate(line);
    if (date.blank)
        return false;
    if (date.tooLong)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [] { return ExplainUnread(Unread::TooLong, {}); });
    const ListTexts &texts = date.texts;
    const bool understood =
        !texts.designation.empty() && !texts.reference.empty() && !texts.month.empty();
    const auto why = [&] {
        if (understood)
            return ExplainListTexts(texts.designation, texts.reference, texts.month);
        if (texts.designation.empty())
            return ExplainUnread(Unread::Designation, date.designationPart);
        if (texts.reference.empty())
            return ExplainUnread(Unread::Reference, date.referencePart);
        return ExplainUnread(Unread::Month, date.monthPart);
    };
    // The window's answer wherever it has something to say: a part that is not understood,
    // which it names, or a date with no year nor postridie.
    if (!understood) {
        const ConversionResult result =
            ConvertRomanDate(texts.designation, texts.reference, texts.month);
        return Answered(out, result.text, true, options, why);
    }
    if (date.yearReading == YearReading::None && !date.dayAfter) {
        const ConversionResult &result = WindowAnswer(date.entries);
        return Answered(out, result.text, result.focus != FocusTarget::None, options, why);
    }
    if (date.yearReading == YearReading::Wrong)
        return Answered(out, ErrorYearNotCorrect, true, options,
                        [&] { return ExplainUnread(Unread::Year, date.yearPart); });

    const ListMeaning meaning = MeaningOf(date.entries);
    RomanDay roman = meaning.day;
    roman.dayAfter = date.dayAfter;
    const std::optional<int> year =
        date.yearReading == YearReading::Read ? std::optional(date.year) : std::nullopt;
    const auto nonexistent = [&](auto &&why) {
        return Answered(out, ErrorDateNonexistent, true, options, why);
    };
    if (!year && meaning.leapYear && roman.reference != Reference::Calends)
        return nonexistent([] { return ExplainLeapMarchNonesIdes(); });
    const YearShape shape = year ? ShapeOf(*year, options.reckoning) : YearShape{meaning.leapYear};
    if (year && meaning.leapYear && !shape.leap)
        return nonexistent([&] { return ExplainCommonYear(*year); });
    const Located located = Locate(roman, shape);
    const auto count = [&] { return ExplainCount(roman, meaning.leapYear, shape, year, located); };
    if (located.fault != CountFault::None)
        return nonexistent(count);
    const DayOfMonth day = located.date;
    if (year && InGregorianGap(*year, day.month, day.day, options.reckoning))
        return nonexistent([&] { return ExplainGap(day, *year); });
    AppendModernDate(out, day.day, day.month, year);
    return Answered(out, {}, false, options, count);
}

bool WriteLine(std::string_view line, const LineOptions &options, std::string &out) {
    if (IsBlankLine(line))
        return false;
    if (line.size() > LongestLine)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [] { return ExplainUnread(Unread::TooLong, {}); });
    const ModernDate modern = ReadModernDate(line);
    if (modern.reading == ModernReading::NoDate)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [&] { return ExplainUnread(Unread::ModernDate, line); });
    if (modern.reading == ModernReading::WrongYear)
        return Answered(out, ErrorYearNotCorrect, true, options,
                        [&] { return ExplainUnread(Unread::Year, line); });
    const std::optional<int> year = modern.year;
    const YearShape shape = year ? ShapeOf(*year, options.reckoning) : YearShape{options.leapYear};
    const DayOfMonth date{modern.month, modern.day};
    if (date.month < 1 || date.month > static_cast<int>(CalendarMonths) || date.day < 1 ||
        date.day > MonthLength(date.month, shape))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainNoSuchDay(date, shape, year); });
    if (year && InGregorianGap(*year, date.month, date.day, options.reckoning))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainGap(date, *year); });
    const RomanDay roman = NameOf(date, shape);
    // Without a year, "(a. i.)" says which year the days before the March Calends belong to.
    const bool leapYear = !year && shape.leap && roman.reference == Reference::Calends &&
                          roman.month == 3 && roman.count > 1;
    return Answered(out, WriteLatinDate(roman, leapYear, year, options.longForm), false, options,
                    [&] { return ExplainCount(roman, leapYear, shape, year, {date}); });
}

Answer ConvertLine(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = ConvertLine(line, options, answer.text);
    return answer;
}

Answer WriteLine(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = WriteLine(line, options, answer.text);
    return answer;
}

} // namespace tempidex
