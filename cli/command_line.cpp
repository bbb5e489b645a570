#include "command_line.h"

#include "batch.h"
#include "build_info.h"
#include "console.h"
#include "options.h"
#include "spreadsheet.h"
#include "tei_edition.h"
#include "text_lines.h"
#include "whole_file.h"

#include "writing/year_calendar.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tempidex {
namespace {

constexpr std::size_t OptionCount = options::All.size();

// The option named `name` (long) or `shortName`; none where the program has no such option.
std::optional<std::size_t> OptionNamed(std::string_view name, bool shortName) {
    const auto found = std::find_if(
        options::All.begin(), options::All.end(), [name, shortName](const options::Option &o) {
            return shortName ? !o.shortName.empty() && o.shortName == name : o.name == name;
        });
    if (found == options::All.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - options::All.begin());
}

std::size_t Option(std::string_view name) {
    return *OptionNamed(name, false);
}

// A switch as Windows' own console programs take them: "/" and a word, or "/?". No date
// looks so (15/3/44 does not begin with "/").
bool IsWindowsSwitch(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '/' &&
           std::all_of(argument.begin() + 1, argument.end(), [](char c) {
               return c == '?' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}

// The options given and the dates. Options may follow the dates; after "--" everything is a
// date, "-" too (standard input). The last value given to an option counts.
struct Parsed {
    std::array<bool, OptionCount> set{};
    std::array<std::string, OptionCount> values;
    std::vector<std::string> dates;
    std::string error; // why the arguments could not be parsed
};

Parsed Parse(std::span<const std::string> arguments) {
    Parsed parsed;
    // An option the program does not have is named exactly as it was typed, wherever it is.
    const std::span<const std::string> rest =
        arguments.subspan(std::min<std::size_t>(1, arguments.size()));
    for (const std::string &argument : rest) {
        if (IsWindowsSwitch(argument)) {
            parsed.error = "opzione sconosciuta: " + argument;
            return parsed;
        }
        const std::string name = argument.substr(0, argument.find('='));
        if (argument.starts_with("--") && argument != "--" &&
            !OptionNamed(std::string_view(name).substr(2), false)) {
            parsed.error = "opzione sconosciuta: " + name;
            return parsed;
        }
    }
    // A date that starts with a minus (-0043-03-15) is no option: it comes after "--".
    for (const std::string &argument : rest) {
        if (argument == "--")
            break;
        if (argument.size() > 1 && argument.starts_with('-') && !argument.starts_with("--") &&
            !OptionNamed(std::string_view(argument).substr(1), true)) {
            parsed.error = "opzione sconosciuta: " + argument +
                           "; una data che comincia con \"-\" va dopo \"--\": tempidex "
                           "--to-latin -- " +
                           argument;
            return parsed;
        }
    }
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            parsed.dates.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const bool isLong = argument.starts_with("--");
        const std::size_t equals = isLong ? argument.find('=') : std::string::npos;
        const std::string typed = argument.substr(0, equals);
        const std::optional<std::size_t> option = // known: every other one is named above
            OptionNamed(std::string_view(typed).substr(isLong ? 2 : 1), !isLong);
        parsed.set[*option] = true;
        if (!options::All[*option].argument.starts_with('=')) {
            if (equals != std::string::npos) {
                parsed.error = "Valore non previsto dopo '" + typed + "'.";
                return parsed;
            }
        } else if (equals != std::string::npos) {
            parsed.values[*option] = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            parsed.values[*option] = arguments[++i]; // --style fiorentino
        } else {
            parsed.error = "Valore mancante dopo '" + typed + "'.";
            return parsed;
        }
    }
    return parsed;
}

// The number of characters of UTF-8 `text`: the columns it takes on a console.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A console's width less one column: a line of 80 would make an 80-column console add a blank
// line after it.
constexpr std::size_t ConsoleWidth = 79;

// Words of `text` in lines of at most `width` columns, each after `indent` columns.
std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width) {
    std::string wrapped, line;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        if (!line.empty() && indent + Columns(line) + 1 + Columns(word) > width) {
            wrapped.append(line).append("\n").append(indent, ' ');
            line.clear();
        }
        line.append(line.empty() ? "" : " ").append(word);
        at = end + 1;
    }
    return wrapped + line;
}

// Where the full list of what is read is found; never split across two lines of the help (the
// spaces are no-break spaces).
#ifdef _WIN32
constexpr std::string_view ManualHint =
    "il\u00a0manuale,\u00a0Manuale.txt\u00a0accanto\u00a0al\u00a0"
    "programma";
#else
constexpr std::string_view ManualHint = "man\u00a0tempidex";
#endif

// Writes `text` and makes sure it is out; false when it could not be written.
bool Say(std::FILE *file, std::string_view text) {
    return WriteOutput(file, text) && std::fflush(file) == 0;
}

// `text` in lower case, for the names of choices: ASCII and the accented capitals of Latin-1
// (NATIVITÀ).
std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        auto &c = reinterpret_cast<unsigned char &>(lowered[i]);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c - 'A' + 'a');
        else if (c == 0xC3 && i + 1 < lowered.size()) {
            auto &next = reinterpret_cast<unsigned char &>(lowered[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) // À to Þ, not ×
                next = static_cast<unsigned char>(next + 0x20);
        }
    }
    return lowered;
}

// The long option a Windows user's switch stands for (/?, /h, /help and -? for --help; /v
// and /version for --version; in any case, as cmd takes them); itself for any other.
std::string AsLongOption(const std::string &argument) {
    const std::string lowered = Lowered(argument);
    for (const std::string_view help : {"/?", "/h", "/help", "-?"})
        if (lowered == help)
            return "--help";
    for (const std::string_view version : {"/v", "/version"})
        if (lowered == version)
            return "--version";
    return argument;
}

// The entry of a table of choices (the year styles, the indiction's starts) that `name` names,
// in English or in Italian; the table's end for none.
template <typename Table> auto Named(const Table &table, std::string_view name) {
    return std::find_if(table.begin(), table.end(), [name](const auto &choice) {
        return name == choice.english || name == choice.italian;
    });
}

std::string HelpText() {
    constexpr std::size_t Indent = 19;
    std::string list;
    for (const options::Option &option : options::All) {
        std::string shown = "  ";
        shown.append(option.shortName.empty() ? "    " : "-")
            .append(option.shortName)
            .append(option.shortName.empty() ? "" : ", ")
            .append("--")
            .append(option.name);
        if (!option.argument.empty())
            shown.append(option.argument.starts_with('=') ? "" : " ").append(option.argument);
        if (Columns(shown) < Indent)
            list.append(shown).append(Indent - Columns(shown), ' ');
        else
            list.append(shown).append("\n").append(Indent, ' ');
        list.append(Wrapped(option.description, Indent, ConsoleWidth)).append("\n");
    }
    const std::string readings =
        Wrapped("Un anno dopo la data (1524, MDXXIV, 44 a.C., DCCX a.u.c.) decide se è "
                "bisestile: calendario giuliano fino al 4 ottobre 1582, gregoriano dal 15. Prima "
                "del 45 a.C. i mesi hanno le lunghezze di prima della riforma di Cesare, e i mesi "
                "intercalari non sono contati. Una riga può essere un'intera clausola di "
                "datazione (Datum Romae, die XV Maii MDXX, pontificatus nostri anno octavo): si "
                "leggono la data e l'anno, si saltano le altre parole, e il giorno della "
                "settimana e l'indizione scritti si verificano. Si leggono anche i giorni "
                "dell'anno liturgico (in festo, in vigilia, in crastino, in octava di una festa; "
                "feria II post, sabbato ante una festa; dominica Invocavit) e i giorni "
                "bolognesi (die III intrante, die II exeunte); le feste mobili richiedono "
                "l'anno. Un anno che gli stili contano in "
                "modo diverso, e un giorno della settimana o un'indizione che non tornano, sono "
                "segnalati sullo standard error. Le grafie latine che si leggono: " +
                    std::string(ManualHint) + ".",
                0, ConsoleWidth);
    return "Uso: tempidex --convert [--julian] [--style=STILE] [--indiction=INIZIO]\n"
           "                        [--explain] [--json] DATA...\n"
           "     tempidex --to-latin [--leap] [--long] [--julian] [--style=STILE]\n"
           "                         [--explain] [--json] DATA...\n"
           "     tempidex --convert|--to-latin --csv=COLONNA [--separator=SEP] [...] FILE\n"
           "     tempidex --convert --tei [...] FILE\n"
           "     tempidex --calendar [--julian] ANNO [MESE]\n"
           "Converte le date del calendario romano nel giorno e nel mese moderni, e\n"
           "viceversa. Senza argomenti apre la finestra.\n\n" +
           list +
           "\nCon DATA \"-\" legge una data per riga dallo standard input e scrive una riga\n"
           "per ciascuna; a una riga vuota risponde con una riga vuota.\n\n" +
           readings +
           "\n\n"
           "Esempi:\n"
           "  tempidex --convert \"a. d. XIX Kal. Ian.\"          14 Dicembre\n"
           "  tempidex --convert \"Idibus Martiis DCCX a.u.c.\"   15 Marzo 44 a.C.\n"
           "  tempidex --convert --style=fiorentino \"anno MDLXXXI, VI Kal. Mart.\"\n"
           "                                                    24 Febbraio 1582\n"
           "  tempidex --to-latin --long \"15/3/44 a.C.\"         Idibus Martiis anno DCCX\n"
           "                                                    ab urbe condita\n"
           "  tempidex --convert - < latine.txt > moderne.txt\n"
           "  tempidex --convert --json - < latine.txt > date.jsonl\n"
           "  tempidex --convert --csv=Datazione catalogo.csv > catalogo-date.csv\n"
           "  tempidex --convert --tei edizione.xml > edizione-date.xml\n"
           "  tempidex --convert \"in vigilia sancti Martini\"    10 Novembre\n"
           "  tempidex --calendar 1582 10\n\n"
           "Stato di uscita: 0 se ogni data è stata convertita, 1 se almeno una ha dato\n"
           "errore, 2 per un uso errato o un errore di lettura o scrittura.\n";
}

// A run over a whole file: its result on standard output, its warnings (each "riga N: avviso:
// ...") on standard error; or, where it cannot be converted, an error and nothing else.
template <typename Run>
int Finish(const Run &run, const std::string &name, std::FILE *out, std::FILE *err) {
    if (!run.error.empty()) {
        Say(err, "tempidex: " + name + ": " + run.error + "\n");
        return Trouble;
    }
    std::string warnings;
    ForEachLineOf(run.warnings, [&warnings](std::string_view warning) {
        warnings.append("tempidex: ").append(warning).append("\n");
    });
    WriteAsBytes(out);
    const bool written = Say(out, run.out);
    if (!warnings.empty())
        Say(err, warnings);
    if (!written) {
        Say(err, "tempidex: scrittura dei risultati non riuscita\n");
        return Trouble;
    }
    return run.someFailed ? SomeFailed : AllConverted;
}

// The whole file `name` ("-": standard input), or nothing when it could not be read, which is
// said on `err`.
std::optional<std::string> ReadOrSay(const std::string &name, std::FILE *in, std::FILE *err) {
    std::optional<std::string> bytes = ReadWholeFile(name, in);
    if (!bytes)
        Say(err, "tempidex: " + name + ": lettura non riuscita\n");
    return bytes;
}

int ConvertSpreadsheetFile(const std::string &name, const SpreadsheetOptions &options,
                           std::FILE *in, std::FILE *out, std::FILE *err) {
    const std::optional<std::string> bytes = ReadOrSay(name, in, err);
    if (!bytes)
        return Trouble;
    const Utf8Text text = AsUtf8Text(*bytes);
    SpreadsheetRun run = ConvertSpreadsheet(text.text, options);
    if (text.marked && run.error.empty())
        run.out.insert(0, "\xEF\xBB\xBF"); // UTF-8, as Excel knows it by its mark
    return Finish(run, name, out, err);
}

int DateEdition(const std::string &name, const LineOptions &options, std::FILE *in, std::FILE *out,
                std::FILE *err) {
    const std::optional<std::string> bytes = ReadOrSay(name, in, err);
    if (!bytes)
        return Trouble;
    return Finish(DateTeiEdition(*bytes, options), name, out, err);
}

// --calendar YEAR [MONTH]: the year's table, or the month day by day.
template <typename Usage>
int PerpetualCalendar(const std::vector<std::string> &arguments, bool julian, std::FILE *out,
                      const Usage &usage) {
    const auto number = [](const std::string &text, int least, int most) {
        if (text.empty() || text.size() > 4 ||
            text.find_first_not_of("0123456789") != std::string::npos)
            return 0;
        const int value = std::stoi(text);
        return value >= least && value <= most ? value : 0;
    };
    if (arguments.empty() || arguments.size() > 2)
        return usage("--calendar vuole un ANNO, e se si vuole un MESE (1-12)");
    const int year = number(arguments[0], 1, LastYear);
    const int month = arguments.size() == 2 ? number(arguments[1], 1, 12) : 0;
    if (year == 0)
        return usage("anno non valido per --calendar: " + arguments[0] + " (da 1 a 9999)");
    if (arguments.size() == 2 && month == 0)
        return usage("mese non valido per --calendar: " + arguments[1] + " (da 1 a 12)");
    const Reckoning reckoning = julian ? Reckoning::Julian : Reckoning::Historical;
    return Say(out, month > 0 ? MonthCalendarText(year, month, reckoning)
                              : YearCalendarText(year, reckoning))
               ? AllConverted
               : Trouble;
}

} // namespace

int RunCommandLine(std::span<const std::string> given, std::FILE *in, std::FILE *out,
                   std::FILE *err) {
    std::vector<std::string> arguments(given.begin(), given.end());
    std::transform(arguments.begin(), arguments.end(), arguments.begin(), AsLongOption);
    const auto usage = [err](std::string_view message) {
        Say(err, "tempidex: " + std::string(message) + " (tempidex --help)\n");
        return Trouble;
    };
    const Parsed parsed = Parse(arguments);
    if (!parsed.error.empty())
        return usage(parsed.error);
    const auto isSet = [&parsed](std::string_view name) { return parsed.set[Option(name)]; };
    if (isSet("help"))
        return Say(out, HelpText()) ? AllConverted : Trouble;
    if (isSet("version"))
        return Say(out, std::string(build_info::ProductName) + " " + build_info::DisplayVersion +
                            " (" + build_info::Version + ")\n")
                   ? AllConverted
                   : Trouble;
    if (isSet("calendar"))
        return PerpetualCalendar(parsed.dates, isSet("julian"), out, usage);
    const bool convert = isSet("convert");
    const bool toLatin = isSet("to-latin");
    if (convert == toLatin)
        return usage("indicare --convert oppure --to-latin");
    for (const std::string_view writing : {"leap", "long"})
        if (isSet(writing) && !toLatin)
            return usage("--" + std::string(writing) + " vale solo con --to-latin");
    if (parsed.dates.empty())
        return usage("manca la DATA, o - per leggere le date dallo standard input");

    LineOptions lineOptions;
    lineOptions.reckoning = isSet("julian") ? Reckoning::Julian : Reckoning::Historical;
    lineOptions.leapYear = isSet("leap");
    lineOptions.longForm = isSet("long");
    lineOptions.explain = isSet("explain");
    if (isSet("style")) {
        const std::string name = Lowered(parsed.values[Option("style")]);
        const auto style = Named(YearStyles, name);
        if (style == YearStyles.end())
            return usage("stile sconosciuto: " + name +
                         "; si sceglie fra moderno, fiorentino, pisano, veneto, natività e "
                         "bizantino");
        lineOptions.style = style->style;
        lineOptions.styleGiven = true;
    }
    if (isSet("indiction")) {
        const std::string name = Lowered(parsed.values[Option("indiction")]);
        const auto start = Named(IndictionStarts, name);
        if (start == IndictionStarts.end())
            return usage("inizio dell'indizione sconosciuto: " + name +
                         "; si sceglie fra greca, bedana e romana");
        lineOptions.indiction = start->start;
    }
    const bool csv = isSet("csv"), tei = isSet("tei"), json = isSet("json");
    if (isSet("separator") && !csv)
        return usage("--separator vale solo con --csv");
    if (int{csv} + int{tei} + int{json} > 1)
        return usage("--csv, --tei e --json sono tre modi diversi: se ne sceglie uno");
    if (tei && toLatin)
        return usage("--tei vale solo con --convert");
    if (csv || tei) {
        if (parsed.dates.size() != 1)
            return usage(std::string(csv ? "--csv" : "--tei") +
                         " legge un FILE solo, o - per lo standard input");
        if (!csv)
            return DateEdition(parsed.dates.front(), lineOptions, in, out, err);
        SpreadsheetOptions spreadsheet{parsed.values[Option("csv")], 0, toLatin, lineOptions};
        if (isSet("separator")) {
            spreadsheet.separator = SeparatorNamed(parsed.values[Option("separator")]);
            if (spreadsheet.separator == 0)
                return usage("separatore sconosciuto: " + parsed.values[Option("separator")] +
                             "; si sceglie fra \",\", \";\" e tab");
        }
        return ConvertSpreadsheetFile(parsed.dates.front(), spreadsheet, in, out, err);
    }
    Batch batch(in, out, err, toLatin, lineOptions, json);
    for (const std::string &date : parsed.dates)
        batch.run(date);
    return batch.finish();
}

bool SelectsTheCommandLine(std::span<const std::string> arguments) {
    return std::any_of(arguments.begin() + std::min<std::size_t>(1, arguments.size()),
                       arguments.end(), [](const std::string &argument) {
                           // Long options, the program's or unknown; its own short ones;
                           // and Windows' switches, which a prompt waits for. Qt's own start
                           // with a single dash and go to the window.
                           return argument.starts_with("--") || IsWindowsSwitch(argument) ||
                                  AsLongOption(argument) != argument ||
                                  (argument.size() > 1 && argument.starts_with('-') &&
                                   OptionNamed(std::string_view(argument).substr(1), true));
                       });
}

bool SelectsTheCommandLine(int argc, char **argv) {
    return SelectsTheCommandLine(ProgramArguments(argc, argv));
}

int RunCommandLine(int argc, char **argv) {
    ReadStandardInputAsBytes();
    return RunCommandLine(ProgramArguments(argc, argv), stdin, stdout, stderr);
}

} // namespace tempidex
