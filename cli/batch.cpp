#include "batch.h"

#include "console.h"
#include "input_text.h"
#include "json_lines.h"
#include "reading/latin_reading.h"
#include "text_lines.h"
#include "writing/explanation.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace tempidex {
namespace {

constexpr std::size_t BlockSize = 1 << 16;

// Calls `each` with every line of `in`, in UTF-8 and without its newline, while it returns
// true; a last line without a newline counts too. Of a line longer than LongestLine only its
// start is kept, enough to tell it is too long. false on a read error.
template <typename Each> bool ForEachLine(std::FILE *in, bool interactive, Each &&each) {
    std::array<char, BlockSize> block;
    std::string carried; // the start of a line that runs on into the next block
    const auto carry = [&carried](std::string_view part) {
        carried.append(part.substr(0, LongestLine + 1 - std::min(carried.size(), LongestLine + 1)));
    };
    std::string scratch;
    // A block that is valid UTF-8 as a whole holds only valid lines: '\n' is never part of a
    // longer character. Otherwise, and for a line carried over, each line is looked at.
    bool wholeBlockValid = false;
    // (a Windows line's "\r" is its line end's, no character of the line: never echoed in an
    // answer's "input", never counted against its length)
    const auto line = [&](std::string_view text, bool valid) {
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        return each(valid ? text : AsUtf8(text, scratch));
    };
    std::optional<Utf16Decoder> utf16;
    std::string decoded;
    for (bool first = true;; first = false) {
        // A terminal is read as it is typed, so that each date is answered at once.
        const std::size_t got = ReadInput(in, block.data(), block.size(), interactive);
        std::string_view data(block.data(), got);
        if (first && !interactive) {
            const ByteOrderMark mark = ByteOrderMarkOf(data);
            data.remove_prefix(mark.length);
            if (mark.encoding != TextEncoding::Utf8)
                utf16.emplace(mark.encoding == TextEncoding::Utf16BigEndian);
        }
        if (utf16) {
            decoded.clear();
            utf16->decode(data, decoded);
            if (got == 0)
                utf16->finish(decoded);
            data = decoded;
        }
        wholeBlockValid = IsValidUtf8(data);
        for (std::size_t end = data.find('\n'); end != std::string_view::npos;
             end = data.find('\n')) {
            bool more = true;
            if (carried.empty()) {
                more = line(data.substr(0, end), wholeBlockValid);
            } else {
                carry(data.substr(0, end));
                more = line(carried, false);
                carried.clear();
            }
            if (!more)
                return true;
            data.remove_prefix(end + 1);
        }
        carry(data);
        if (got == 0)
            break;
    }
    if (!carried.empty())
        line(carried, false);
    return !std::ferror(in);
}

} // namespace

// Lines answered together: enough that starting a thread for half of them costs nothing
// worth measuring, few enough that the answers follow the input closely through a pipe and
// that long lines take a megabyte at most.
constexpr std::size_t LinesAtOnce = 8192, BytesAtOnce = std::size_t{1} << 20;
// Fewer lines than this are answered by one thread: a second would only cost its start.
constexpr std::size_t LinesWorthAThread = 64;
// Lines a thread takes at a time: each thread takes the next part as it finishes one, so that
// the thread that also writes the last batch's answers takes fewer.
constexpr std::size_t LinesAPart = 512;

Batch::Batch(std::FILE *in, std::FILE *out, std::FILE *err, bool toLatin, LineOptions options,
             bool json)
    : m_in(in)
    , m_out(out)
    , m_err(err)
    , m_toLatin(toLatin)
    , m_options(options)
    , m_json(json)
    , m_interactive(IsTerminal(in)) {
    if (m_json)
        m_options.explain = true; // an object always has its explanation
    m_buffer.reserve(BlockSize);
}

void Batch::run(std::string_view argument) {
    if (!m_writable)
        return;
    if (argument != "-") {
        answer(argument, 0, m_answers[0], m_answers[0]);
        handOn(m_answers[0]);
        flushWhenFull();
    } else if (!ForEachLine(m_in, m_interactive,
                            [this](std::string_view line) { return take(line); })) {
        answerWaiting();
        handOnKept();
        fail("lettura dello standard input non riuscita");
    } else {
        answerWaiting();
        handOnKept();
    }
}

int Batch::finish() {
    flush();
    return m_status;
}

bool Batch::take(std::string_view line) {
    ++m_lines;
    if (m_interactive) { // a person waits for this answer
        answer(line, m_lines, m_answers[0], m_answers[0]);
        handOn(m_answers[0]);
        return flush();
    }
    m_waiting.append(line);
    m_waitingEnds.push_back(m_waiting.size());
    return (m_waitingEnds.size() < LinesAtOnce && m_waiting.size() < BytesAtOnce) ||
           answerWaiting();
}

bool Batch::answerWaiting() {
    const std::size_t count = m_waitingEnds.size();
    const std::size_t first = m_lines - count + 1; // the number of the first line waiting
    const auto answerLines = [&](std::size_t from, std::size_t to, Answers &by, Output &into) {
        for (std::size_t i = from; i < to; ++i) {
            const std::size_t begin = i == 0 ? 0 : m_waitingEnds[i - 1];
            answer(std::string_view(m_waiting).substr(begin, m_waitingEnds[i] - begin), first + i,
                   by, into);
        }
    };
    // Lines found among the answers already given cost less than starting a thread: after a
    // batch of them, as a list of dates makes, the next is answered by this one alone.
    const std::size_t foundBefore = m_answers[0].found + m_answers[1].found;
    bool writable = true;
    if (count < LinesWorthAThread || m_mostlyRemembered) {
        writable = handOnKept();
        answerLines(0, count, m_answers[0], m_answers[0]);
        handOn(m_answers[0]);
    } else {
        // Every line's answer depends on its text alone: two threads answer the parts side by
        // side, each into the part's own answers, while this one first writes the last batch's.
        const std::size_t parts = (count + LinesAPart - 1) / LinesAPart;
        if (m_parts.size() < parts)
            m_parts.resize(parts);
        std::atomic<std::size_t> next{0};
        const auto answerParts = [&](Answers &by) {
            for (std::size_t part = next++; part < parts; part = next++)
                answerLines(part * LinesAPart, std::min(count, (part + 1) * LinesAPart), by,
                            m_parts[part]);
        };
        std::thread second(answerParts, std::ref(m_answers[1]));
        writable = handOnKept();
        answerParts(m_answers[0]);
        second.join();
        std::swap(m_parts, m_kept);
        m_keptParts = parts;
    }
    m_mostlyRemembered = (m_answers[0].found + m_answers[1].found - foundBefore) * 4 >= count * 3;
    m_waiting.clear();
    m_waitingEnds.clear();
    return writable && flushWhenFull();
}

bool Batch::handOnKept() {
    for (std::size_t part = 0; part < m_keptParts; ++part)
        handOn(m_kept[part]);
    m_keptParts = 0;
    return flushWhenFull();
}

bool Batch::flushWhenFull() {
    return m_buffer.size() < BlockSize ? m_writable : flush();
}

// The words of the standard input's lines are kept for the lines after them; an argument's
// are not, for the table's first words cost more than one line saves.
void Batch::answer(std::string_view line, std::size_t number, Answers &by, Output &into) const {
    std::string &warnings = by.lineWarnings;
    warnings.clear();
    // Only a date alone is short enough to come again: a clause is looked up for nothing.
    const bool remembered = line.size() <= LongestRemembered && by.worthLookingUp();
    if (remembered) {
        by.key.assign(line);
        ++by.lookedUp;
    }
    bool failed = false;
    if (const auto known = remembered ? by.remembered.find(by.key) : by.remembered.end();
        known != by.remembered.end()) {
        ++by.found;
        into.text.append(known->second.answer);
        warnings.append(known->second.warnings);
        failed = known->second.failed;
    } else {
        const std::size_t start = into.text.size();
        failed = m_json      ? answerInJson(line, into.text, warnings)
                 : m_toLatin ? ModernToLatin(line, m_options, into.text)
                             : LatinToModern(line, m_options, into.text, &warnings,
                                             number > 0 ? &by.words : nullptr);
        if (remembered && by.remembered.size() < MostRemembered)
            by.remembered.emplace(by.key, Remembered{into.text.substr(start), warnings, failed});
    }
    into.text.push_back('\n');
    into.failed = into.failed || failed;
    // A line of the input is named by its number, to be found among many alike.
    ForEachLineOf(warnings, [&](std::string_view warning) {
        into.warnings.append("tempidex: ");
        if (number > 0)
            into.warnings.append("riga ").append(std::to_string(number)).append(": ");
        into.warnings.append("avviso: ").append(warning).append("\n");
    });
}

// The line's object; its warnings also go to standard error, as the plain answers' do.
bool Batch::answerInJson(std::string_view line, std::string &text, std::string &warnings) const {
    if (m_toLatin) {
        const Answer answer = ModernToLatin(line, m_options);
        text.append(JsonLatinLine(line, answer));
        return answer.failed;
    }
    const DatedAnswer answer = LatinToModernDated(line, m_options);
    text.append(JsonLine(line, answer));
    ForEachLineOf(answer.warnings, [&](std::string_view warning) {
        AppendQuoted(warnings, line);
        warnings.append(": ").append(warning).append("\n");
    });
    return answer.failed;
}

// Warnings go out with the answers they belong to: at once on a terminal, with each block of
// answers otherwise.
void Batch::handOn(Output &answers) {
    m_buffer.append(answers.text);
    m_warningBuffer.append(answers.warnings);
    if (answers.failed && m_status == AllConverted)
        m_status = SomeFailed;
    answers.text.clear();
    answers.warnings.clear();
    answers.failed = false;
}

bool Batch::flush() {
    if (m_writable && !m_buffer.empty())
        m_writable = WriteOutput(m_out, m_buffer);
    m_buffer.clear();
    if (!m_warningBuffer.empty())
        WriteOutput(m_err, m_warningBuffer);
    m_warningBuffer.clear();
    if (m_writable && std::fflush(m_out) != 0)
        m_writable = false;
    if (!m_writable)
        fail("scrittura dei risultati non riuscita");
    return m_writable;
}

void Batch::fail(std::string_view message) {
    if (m_status != Trouble)
        WriteOutput(m_err, "tempidex: " + std::string(message) + "\n");
    m_status = Trouble;
}

} // namespace tempidex
