#include "batch.h"

#include "console.h"
#include "input_text.h"
#include "json_lines.h"
#include "reading/latin_reading.h"
#include "text_lines.h"
#include "writing/explanation.h"

#include <algorithm>
#include <array>
#include <optional>

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
    const auto line = [&](std::string_view text, bool valid) {
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
    if (argument != "-")
        answer(argument, 0);
    else if (!ForEachLine(m_in, m_interactive,
                          [this](std::string_view line) { return answer(line, ++m_lines); }))
        fail("lettura dello standard input non riuscita");
}

int Batch::finish() {
    flush();
    return m_status;
}

// false once writing has failed (a full disk, a closed pipe): the rest of the input is not
// read, and finish() says why.
bool Batch::answer(std::string_view line, std::size_t number) {
    m_warnings.clear();
    // Only a date alone is short enough to come again: a clause is looked up for nothing.
    const bool remembered = line.size() <= LongestRemembered;
    if (remembered)
        m_key.assign(line);
    bool failed = false;
    if (const auto known = remembered ? m_remembered.find(m_key) : m_remembered.end();
        known != m_remembered.end()) {
        m_buffer.append(known->second.answer);
        m_warnings.append(known->second.warnings);
        failed = known->second.failed;
    } else {
        const std::size_t start = m_buffer.size();
        failed = m_json      ? answerInJson(line)
                 : m_toLatin ? ModernToLatin(line, m_options, m_buffer)
                             : LatinToModern(line, m_options, m_buffer, &m_warnings);
        if (remembered && m_remembered.size() < MostRemembered)
            m_remembered.emplace(m_key, Remembered{m_buffer.substr(start), m_warnings, failed});
    }
    if (!m_warnings.empty())
        warn(number);
    m_buffer.push_back('\n');
    if (failed && m_status == AllConverted)
        m_status = SomeFailed;
    return m_interactive || m_buffer.size() >= BlockSize ? flush() : m_writable;
}

// The line's object; its warnings also go to standard error, as the plain answers' do.
bool Batch::answerInJson(std::string_view line) {
    if (m_toLatin) {
        const Answer answer = ModernToLatin(line, m_options);
        m_buffer.append(JsonLatinLine(line, answer));
        return answer.failed;
    }
    const DatedAnswer answer = LatinToModernDated(line, m_options);
    m_buffer.append(JsonLine(line, answer));
    ForEachLineOf(answer.warnings, [&](std::string_view warning) {
        AppendQuoted(m_warnings, line);
        m_warnings.append(": ").append(warning).append("\n");
    });
    return answer.failed;
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

// Warnings go out with the answers they belong to: at once on a terminal, with each block of
// answers otherwise. A line of the input is named by its number, to be found among many alike.
void Batch::warn(std::size_t line) {
    ForEachLineOf(m_warnings, [&](std::string_view warning) {
        m_warningBuffer.append("tempidex: ");
        if (line > 0)
            m_warningBuffer.append("riga ").append(std::to_string(line)).append(": ");
        m_warningBuffer.append("avviso: ").append(warning).append("\n");
    });
}

void Batch::fail(std::string_view message) {
    if (m_status != Trouble)
        WriteOutput(m_err, "tempidex: " + std::string(message) + "\n");
    m_status = Trouble;
}

} // namespace tempidex
