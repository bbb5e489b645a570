#include "command_line.h"

#include "build_info.h"
#include "console.h"
#include "latin_text.h"
#include "roman_date.h"
#include "vocabulary.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <charconv>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {
namespace {

// The exit statuses.
constexpr int AllConverted = 0, SomeFailed = 1, Trouble = 2;

QString tr(const char *text) {
    return QCoreApplication::translate("CommandLine", text);
}

// Results go out in large blocks, or line by line to someone typing at a terminal.
class Output {
public:
    Output(std::FILE *file, bool eachLine)
        : m_file(file)
        , m_eachLine(eachLine) {
        m_buffer.reserve(BlockSize);
    }

    // false once writing has failed (a full disk, a closed pipe): nothing more will go out.
    bool line(std::string_view text) {
        m_buffer.append(text).push_back('\n');
        return m_eachLine || m_buffer.size() >= BlockSize ? flush() : m_ok;
    }

    bool flush() {
        if (m_ok && !m_buffer.empty())
            m_ok = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) == m_buffer.size();
        m_buffer.clear();
        m_ok = m_ok && std::fflush(m_file) == 0;
        return m_ok;
    }

private:
    static constexpr std::size_t BlockSize = 1 << 16;
    std::FILE *m_file;
    bool m_eachLine;
    bool m_ok = true;
    std::string m_buffer;
};

// Calls `each` with every line of `in`, without its newline, while it returns true; a last
// line without a newline counts too. false on a read error.
template <typename Each> bool ForEachLine(std::FILE *in, bool interactive, Each &&each) {
    std::array<char, 1 << 16> block;
    // A terminal is read as it is typed, so that each date is answered at once.
    const std::size_t want = interactive ? 1 : block.size();
    std::string carried; // the start of a line that runs on into the next block
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, want, in);
        std::string_view data(block.data(), got);
        for (std::size_t end = data.find('\n'); end != std::string_view::npos;
             end = data.find('\n')) {
            bool more = true;
            if (carried.empty()) {
                more = each(data.substr(0, end));
            } else {
                more = each(std::string_view(carried.append(data.substr(0, end))));
                carried.clear();
            }
            if (!more)
                return true;
            data.remove_prefix(end + 1);
        }
        carried.append(data);
        if (got < want)
            break;
    }
    if (!carried.empty())
        each(std::string_view(carried));
    return !std::ferror(in);
}

// "14/12", "14.12" or "14-12", blanks around it allowed.
std::optional<std::pair<int, int>> DayAndMonth(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    const std::size_t separator = text.find_first_of("/.-");
    if (separator == std::string_view::npos)
        return std::nullopt;
    const auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || digits.size() > 2 || error != std::errc() ||
            end != digits.data() + digits.size() || digits.front() == '-' || digits.front() == '+')
            return std::nullopt;
        return value;
    };
    const auto day = number(text.substr(0, separator));
    const auto month = number(text.substr(separator + 1));
    if (!day || !month)
        return std::nullopt;
    return std::pair{*day, *month};
}

// ConvertRomanDate answers the same list texts the same way every time, and read lines hold
// at most 21 x 4 x 14 kinds of them (each list's texts, or none): a batch converts each kind
// once and answers every other line of that kind from memory.
class Conversions {
public:
    const ConversionResult &operator()(const ListTexts &texts) {
        const std::size_t designation = Slot(Designations, texts.designation);
        const std::size_t reference = Slot(ReferenceDays, texts.reference);
        const std::size_t month = Slot(MonthEntries, texts.month);
        if (designation == Unknown || reference == Unknown || month == Unknown) {
            m_uncached = ConvertRomanDate(texts.designation, texts.reference, texts.month);
            return m_uncached;
        }
        // Where the answer for each kind is kept: compact, so that the kinds a batch meets
        // stay in the processor's nearest cache.
        std::int16_t &answer = m_answerOf[(designation * (ReferenceDays.size() + 1) + reference) *
                                              (MonthEntries.size() + 1) +
                                          month];
        if (answer < 0) {
            answer = static_cast<std::int16_t>(m_answers.size());
            m_answers.push_back(ConvertRomanDate(texts.designation, texts.reference, texts.month));
        }
        return m_answers[static_cast<std::size_t>(answer)];
    }

private:
    static constexpr std::size_t Unknown = SIZE_MAX;

    // The reader hands out the list's own texts, so the entry is found by its address; an
    // empty text is the slot after the entries.
    template <std::size_t N>
    static std::size_t Slot(const std::array<std::string_view, N> &list, std::string_view text) {
        if (text.empty())
            return N;
        for (std::size_t i = 0; i < N; ++i)
            if (text.data() == list[i].data() && text.size() == list[i].size())
                return i;
        return Unknown;
    }

    static constexpr std::size_t Kinds =
        (Designations.size() + 1) * (ReferenceDays.size() + 1) * (MonthEntries.size() + 1);
    std::array<std::int16_t, Kinds> m_answerOf = [] {
        std::array<std::int16_t, Kinds> none;
        none.fill(-1);
        return none;
    }();
    std::deque<ConversionResult> m_answers; // grows without moving what it holds
    ConversionResult m_uncached;
};

class Batch {
public:
    Batch(std::FILE *in, std::FILE *out, std::FILE *err, bool toLatin, bool leapYear)
        : m_in(in)
        , m_err(err)
        , m_interactive(IsTerminal(in))
        , m_out(out, m_interactive)
        , m_toLatin(toLatin)
        , m_leapYear(leapYear) {}

    // One argument: a date, or "-" for a date on each line of the input.
    void run(const QString &argument) {
        if (m_status == Trouble)
            return;
        if (argument != QLatin1String("-")) {
            const QByteArray text = argument.toUtf8();
            answer(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        } else if (!ForEachLine(m_in, m_interactive,
                                [this](std::string_view line) { return answer(line); })) {
            fail(tr("lettura dello standard input non riuscita"));
        }
    }

    int finish() {
        if (!m_out.flush())
            fail(tr("scrittura dei risultati non riuscita"));
        return m_status;
    }

private:
    bool answer(std::string_view line) {
        if (m_toLatin) {
            const auto date = DayAndMonth(line);
            const auto latin =
                date ? WriteLatinDate(date->first, date->second, m_leapYear) : std::nullopt;
            if (!latin)
                m_status = std::max(m_status, SomeFailed);
            return write(latin  ? std::string_view(*latin)
                         : date ? ErrorDateNonexistent
                                : ErrorDateNotCorrect);
        }
        const ConversionResult &result = m_conversions(ReadLatinDate(line));
        if (result.focus != FocusTarget::None)
            m_status = std::max(m_status, SomeFailed);
        return write(result.text);
    }

    // false once writing has failed: the rest of the input is not read; finish() says why.
    bool write(std::string_view text) { return m_out.line(text); }

    void fail(const QString &message) {
        if (m_status != Trouble)
            std::fprintf(m_err, "tempidex: %s\n", message.toUtf8().constData());
        m_status = Trouble;
    }

    std::FILE *m_in;
    std::FILE *m_err;
    bool m_interactive;
    Output m_out;
    bool m_toLatin;
    bool m_leapYear;
    int m_status = AllConverted;
    Conversions m_conversions;
};

struct Options {
    QCommandLineOption convert{{"c", "convert"}, tr("converte ogni DATA latina")};
    QCommandLineOption toLatin{{"l", "to-latin"},
                               tr("scrive in latino ogni DATA moderna, giorno/mese")};
    QCommandLineOption leap{"leap", tr("con --to-latin: in un anno bisestile")};
    QCommandLineOption help{{"h", "help"}, tr("mostra questo aiuto")};
    QCommandLineOption version{{"v", "version"}, tr("mostra la versione")};
};

QString HelpText(const Options &options) {
    QString list;
    for (const QCommandLineOption *option :
         {&options.convert, &options.toLatin, &options.leap, &options.help, &options.version}) {
        QStringList names;
        for (const QString &name : option->names())
            names << (name.size() == 1 ? "-" : "--") + name;
        const QString shown = (names.size() == 1 ? "    " : "") + names.join(", ");
        list += QStringLiteral("  %1 %2\n").arg(shown, -17).arg(option->description());
    }
    return tr("Uso: tempidex [--convert | --to-latin [--leap]] DATA...\n"
              "Converte le date del calendario romano nel giorno e nel mese moderni, e "
              "viceversa.\nSenza argomenti apre la finestra.\n\n") +
           list +
           tr("\nCon DATA \"-\" legge una data per riga dallo standard input e scrive una riga "
              "per ciascuna.\n\n"
              "Una data latina è [designazione] riferimento mese, in maiuscolo o minuscolo, con o\n"
              "senza punti: a. d. XIX, a.d. xix, ad XIX, ante diem XIX (anche IIII, VIIII), "
              "a. d. bis VI;\n"
              "pridie, prid., pr.; il giorno stesso senza designazione (Kal. Ian.); Kal., K., "
              "Cal.,\n"
              "Kalendas, Kalendis; Non., Nonas, Nonis; Id., Eid., Idus, Idibus; il mese con "
              "almeno tre\n"
              "lettere, in qualunque caso (Ian., Jan., Ianuarias, Sept., Octobribus); \"(a. i.)\" "
              "dopo\n"
              "Mar. per il marzo di un anno bisestile.\n\n"
              "Esempi:\n"
              "  tempidex --convert \"a. d. XIX Kal. Ian.\"    14 Dicembre\n"
              "  tempidex --convert \"pridie Idus Martias\"    14 Marzo\n"
              "  tempidex --to-latin --leap 25/2             a. d. bis VI Kal. Mar. (a. i.)\n"
              "  tempidex --convert - < latine.txt > moderne.txt\n\n"
              "Stato di uscita: 0 se ogni data è stata convertita, 1 se almeno una ha dato "
              "errore,\n"
              "2 per un uso errato o un errore di lettura o scrittura.\n");
}

} // namespace

int RunCommandLine(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions(
        {options.convert, options.toLatin, options.leap, options.help, options.version});
    const auto usage = [err](const QString &message) {
        std::fprintf(err, "tempidex: %s (tempidex --help)\n", message.toUtf8().constData());
        return Trouble;
    };
    const bool parsed = parser.parse(arguments);
    const QString unknown = parser.unknownOptionNames().value(0);
    if (!parsed)
        return usage(
            unknown.isEmpty()
                ? tr("argomenti non validi: %1").arg(parser.errorText())
                : tr("opzione sconosciuta: %1%2").arg(unknown.size() == 1 ? "-" : "--", unknown));
    if (parser.isSet(options.help)) {
        std::fputs(HelpText(options).toUtf8().constData(), out);
        return std::fflush(out) == 0 ? AllConverted : Trouble;
    }
    if (parser.isSet(options.version)) {
        std::fprintf(out, "%s %s (%s)\n", build_info::ProductName, build_info::DisplayVersion,
                     build_info::Version);
        return std::fflush(out) == 0 ? AllConverted : Trouble;
    }
    const bool convert = parser.isSet(options.convert);
    const bool toLatin = parser.isSet(options.toLatin);
    if (convert == toLatin)
        return usage(tr("indicare --convert oppure --to-latin"));
    if (parser.isSet(options.leap) && !toLatin)
        return usage(tr("--leap vale solo con --to-latin"));
    const QStringList dates = parser.positionalArguments();
    if (dates.isEmpty())
        return usage(tr("manca la DATA, o - per leggerle dallo standard input"));

    Batch batch(in, out, err, toLatin, parser.isSet(options.leap));
    for (const QString &date : dates)
        batch.run(date);
    return batch.finish();
}

int RunCommandLine(int argc, char **argv) {
    const Utf8Console console;
    return RunCommandLine(ProgramArguments(argc, argv), stdin, stdout, stderr);
}

} // namespace tempidex
