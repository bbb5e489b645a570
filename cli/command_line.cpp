#include "command_line.h"

#include "batch.h"
#include "build_info.h"
#include "console.h"
#include "options.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace tempidex {
namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("CommandLine", text);
}

// The options, in the order --help lists them, as options.cmake gives them.
struct Options {
    std::vector<QCommandLineOption> all;

    Options() {
        for (const options::Option &option : options::All) {
            QStringList names;
            if (!option.shortName.empty())
                names << QString::fromUtf8(option.shortName.data(), option.shortName.size());
            names << QString::fromUtf8(option.name.data(), option.name.size());
            all.emplace_back(
                names, QString::fromUtf8(option.description.data(), option.description.size()));
            if (option.argument.starts_with('=')) // --style=STILE takes a value
                all.back().setValueName(QString::fromUtf8(option.argument.substr(1).data(),
                                                          option.argument.size() - 1));
        }
    }
    const QCommandLineOption &operator[](std::string_view name) const {
        return all[static_cast<std::size_t>(
            std::find_if(options::All.begin(), options::All.end(),
                         [name](const options::Option &o) { return o.name == name; }) -
            options::All.begin())];
    }
};

// A console's width less one column: a line of 80 would make an 80-column console add a blank
// line after it.
constexpr qsizetype Columns = 79;

// Words of `text` in lines of at most `width` columns, each after `indent` columns.
QString Wrapped(const QString &text, qsizetype indent, qsizetype width) {
    QString wrapped, line;
    for (const QString &word : text.split(' ')) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            wrapped += line + '\n' + QString(indent, ' ');
            line.clear();
        }
        line += (line.isEmpty() ? "" : " ") + word;
    }
    return wrapped + line;
}

// "tempidex /?" at a Windows prompt, as every console program there takes it.
const QString HelpAsWindowsAsksForIt = QStringLiteral("/?");

// Where the full list of what is read is found; never split across two lines of the help.
#ifdef _WIN32
const QString ManualHint =
    QStringLiteral("il manuale, Manuale.txt accanto al programma").replace(' ', QChar::Nbsp);
#else
const QString ManualHint = QStringLiteral("man tempidex").replace(' ', QChar::Nbsp);
#endif

// Writes `text` and makes sure it is out; false when it could not be written.
bool Say(std::FILE *file, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    return WriteOutput(file, {bytes.constData(), static_cast<std::size_t>(bytes.size())}) &&
           std::fflush(file) == 0;
}

// The entry of a table of choices (the year styles, the indiction's starts) that `name` names,
// in English or in Italian; the table's end for none.
template <typename Table> auto Named(const Table &table, const QString &name) {
    return std::find_if(table.begin(), table.end(), [&name](const auto &choice) {
        return name == QString::fromUtf8(choice.english.data(), choice.english.size()) ||
               name == QString::fromUtf8(choice.italian.data(), choice.italian.size());
    });
}

QString HelpText(const Options &options) {
    constexpr qsizetype Indent = 19;
    QString list;
    for (std::size_t i = 0; i < options.all.size(); ++i) {
        QStringList names;
        for (const QString &name : options.all[i].names())
            names << (name.size() == 1 ? "-" : "--") + name;
        const std::string_view argument = options::All[i].argument;
        QString shown = (names.size() == 1 ? "    " : "") + names.join(", ");
        if (!argument.empty())
            shown += (argument.starts_with('=') ? "" : " ") +
                     QString::fromUtf8(argument.data(), argument.size());
        shown = "  " + shown;
        list += shown.size() < Indent ? shown.leftJustified(Indent)
                                      : shown + '\n' + QString(Indent, ' ');
        list += Wrapped(options.all[i].description(), Indent, Columns) + '\n';
    }
    return tr("Uso: tempidex --convert [--julian] [--style=STILE] [--indiction=INIZIO]\n"
              "                        [--explain] DATA...\n"
              "     tempidex --to-latin [--leap] [--long] [--julian] [--style=STILE]\n"
              "                         [--explain] DATA...\n"
              "Converte le date del calendario romano nel giorno e nel mese moderni, e\n"
              "viceversa. Senza argomenti apre la finestra.\n\n") +
           list +
           tr("\nCon DATA \"-\" legge una data per riga dallo standard input e scrive una riga\n"
              "per ciascuna; a una riga vuota risponde con una riga vuota.\n\n"
              "%1\n\n"
              "Esempi:\n"
              "  tempidex --convert \"a. d. XIX Kal. Ian.\"          14 Dicembre\n"
              "  tempidex --convert \"Idibus Martiis DCCX a.u.c.\"   15 Marzo 44 a.C.\n"
              "  tempidex --convert --style=fiorentino \\\n"
              "    \"anno Incarnationis MDLXXXI, sexto Kal. Martii\"  24 Febbraio 1582\n"
              "  tempidex --to-latin --long \"15/3/44 a.C.\"         Idibus Martiis anno DCCX\n"
              "                                                    ab urbe condita\n"
              "  tempidex --convert - < latine.txt > moderne.txt\n\n"
              "Stato di uscita: 0 se ogni data è stata convertita, 1 se almeno una ha dato\n"
              "errore, 2 per un uso errato o un errore di lettura o scrittura.\n")
               .arg(
                   Wrapped(tr("Un anno dopo la data (1524, MDXXIV, 44 a.C., DCCX a.u.c.) decide se "
                              "è bisestile: calendario giuliano fino al 4 ottobre 1582, "
                              "gregoriano dal 15. Prima del 45 a.C. i mesi hanno le lunghezze di "
                              "prima della riforma di Cesare, e i mesi intercalari non sono "
                              "contati. Una riga può essere un'intera clausola di datazione "
                              "(Datum Romae, die XV Maii MDXX, pontificatus nostri anno octavo): "
                              "si leggono la data e l'anno, si saltano le altre parole, e il "
                              "giorno della settimana e l'indizione scritti si verificano. Un "
                              "anno che gli stili contano in modo diverso, e un giorno della "
                              "settimana o un'indizione che non tornano, sono segnalati sullo "
                              "standard error. Le grafie latine che si leggono: %1.")
                               .arg(ManualHint),
                           0, Columns));
}

} // namespace

int RunCommandLine(const QStringList &given, std::FILE *in, std::FILE *out, std::FILE *err) {
    QStringList arguments = given;
    for (QString &argument : arguments)
        if (argument == HelpAsWindowsAsksForIt)
            argument = QStringLiteral("--help");
    const Options options;
    QCommandLineParser parser;
    for (const QCommandLineOption &option : options.all)
        parser.addOption(option);
    const auto usage = [err](const QString &message) {
        Say(err, QStringLiteral("tempidex: %1 (tempidex --help)\n").arg(message));
        return Trouble;
    };
    // An option the program does not have is named exactly as it was typed.
    for (const QString &argument : arguments.mid(1)) {
        const QString name = argument.section('=', 0, 0);
        if (argument.startsWith("--") && argument != "--" &&
            std::none_of(options::All.begin(), options::All.end(),
                         [&name](const options::Option &o) {
                             return name.mid(2) == QString::fromUtf8(o.name.data(), o.name.size());
                         }))
            return usage(tr("opzione sconosciuta: %1").arg(name));
    }
    // A date that starts with a minus (-0043-03-15) is no option: it comes after "--".
    for (const QString &argument : arguments.mid(1)) {
        if (argument == "--")
            break;
        if (argument.size() > 1 && argument.startsWith('-') && !argument.startsWith("--") &&
            std::none_of(options::All.begin(), options::All.end(),
                         [&argument](const options::Option &o) {
                             return !o.shortName.empty() &&
                                    argument.mid(1) ==
                                        QString::fromUtf8(o.shortName.data(), o.shortName.size());
                         }))
            return usage(tr("opzione sconosciuta: %1; una data che comincia con \"-\" va dopo "
                            "\"--\": tempidex --to-latin -- %1")
                             .arg(argument));
    }
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(options["help"])) {
        return Say(out, HelpText(options)) ? AllConverted : Trouble;
    }
    if (parser.isSet(options["version"])) {
        return Say(out, QStringLiteral("%1 %2 (%3)\n")
                            .arg(build_info::ProductName, build_info::DisplayVersion,
                                 build_info::Version))
                   ? AllConverted
                   : Trouble;
    }
    const bool convert = parser.isSet(options["convert"]);
    const bool toLatin = parser.isSet(options["to-latin"]);
    if (convert == toLatin)
        return usage(tr("indicare --convert oppure --to-latin"));
    for (const char *writing : {"leap", "long"})
        if (parser.isSet(options[writing]) && !toLatin)
            return usage(tr("--%1 vale solo con --to-latin").arg(writing));
    const QStringList dates = parser.positionalArguments();
    if (dates.isEmpty())
        return usage(tr("manca la DATA, o - per leggere le date dallo standard input"));

    LineOptions lineOptions;
    lineOptions.reckoning =
        parser.isSet(options["julian"]) ? Reckoning::Julian : Reckoning::Historical;
    lineOptions.leapYear = parser.isSet(options["leap"]);
    lineOptions.longForm = parser.isSet(options["long"]);
    lineOptions.explain = parser.isSet(options["explain"]);
    if (parser.isSet(options["style"])) {
        const QString name = parser.value(options["style"]).toLower();
        const auto style = Named(YearStyles, name);
        if (style == YearStyles.end())
            return usage(tr("stile sconosciuto: %1; si sceglie fra moderno, fiorentino, pisano, "
                            "veneto, natività e bizantino")
                             .arg(name));
        lineOptions.style = style->style;
        lineOptions.styleGiven = true;
    }
    if (parser.isSet(options["indiction"])) {
        const QString name = parser.value(options["indiction"]).toLower();
        const auto start = Named(IndictionStarts, name);
        if (start == IndictionStarts.end())
            return usage(tr("inizio dell'indizione sconosciuto: %1; si sceglie fra greca, bedana "
                            "e romana")
                             .arg(name));
        lineOptions.indiction = start->start;
    }
    Batch batch(in, out, err, toLatin, lineOptions);
    for (const QString &date : dates) {
        const QByteArray text = date.toUtf8();
        batch.run(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    return batch.finish();
}

bool SelectsTheCommandLine(const QStringList &arguments) {
    return std::any_of(
        arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
        [](const QString &argument) {
            // Long options, the program's or unknown; and its own short ones.
            // Qt's own start with a single dash and go to the window.
            return argument.startsWith(QLatin1String("--")) || argument == HelpAsWindowsAsksForIt ||
                   std::any_of(options::All.begin(), options::All.end(),
                               [&argument](const options::Option &o) {
                                   return !o.shortName.empty() &&
                                          argument == '-' + QString::fromUtf8(o.shortName.data(),
                                                                              o.shortName.size());
                               });
        });
}

bool SelectsTheCommandLine(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return SelectsTheCommandLine(arguments);
}

int RunCommandLine(int argc, char **argv) {
    // No display, no window: only the arguments as typed, and Qt's own texts in Italian.
    const QCoreApplication application(argc, argv);
    InstallItalianTranslations();
    ReadStandardInputAsBytes();
    return RunCommandLine(QCoreApplication::arguments(), stdin, stdout, stderr);
}

} // namespace tempidex
