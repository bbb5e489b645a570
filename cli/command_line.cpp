#include "command_line.h"

#include "batch.h"
#include "build_info.h"
#include "console.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tempidex {
namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("CommandLine", text);
}

struct Options {
    QCommandLineOption convert{{"c", "convert"},
                               tr("converte ogni DATA latina: a. d. XIX Kal. Ian. [1524]")};
    QCommandLineOption toLatin{{"l", "to-latin"},
                               tr("scrive in latino ogni DATA moderna: 14/12[/1524],\n"
                                  "1524-12-14, 14 dicembre [1524]")};
    QCommandLineOption leap{"leap", tr("con --to-latin: una data senza anno è di un anno "
                                       "bisestile")};
    QCommandLineOption longForm{"long", tr("con --to-latin: in parole (ante diem undevicesimum\n"
                                           "Kalendas Ianuarias)")};
    QCommandLineOption julian{"julian", tr("il calendario giuliano per ogni anno, anche dopo il "
                                           "1582")};
    QCommandLineOption explain{"explain", tr("dopo ogni risposta, una tabulazione e il perché")};
    QCommandLineOption help{{"h", "help"}, tr("mostra questo aiuto")};
    QCommandLineOption version{{"v", "version"}, tr("mostra la versione")};

    QList<QCommandLineOption> all() const {
        return {convert, toLatin, leap, longForm, julian, explain, help, version};
    }
};

QString HelpText(const Options &options) {
    QString list;
    for (const QCommandLineOption &option : options.all()) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? "-" : "--") + name;
        const QString shown = (names.size() == 1 ? "    " : "") + names.join(", ");
        QString description = option.description();
        description.replace('\n', '\n' + QString(19, ' '));
        list += QStringLiteral("  %1 %2\n").arg(shown, -16).arg(description);
    }
    return tr("Uso: tempidex --convert [--julian] [--explain] DATA...\n"
              "     tempidex --to-latin [--leap] [--long] [--julian] [--explain] DATA...\n"
              "Converte le date del calendario romano nel giorno e nel mese moderni, e\n"
              "viceversa. Senza argomenti apre la finestra.\n\n") +
           list +
           tr("\nCon DATA \"-\" legge una data per riga dallo standard input e scrive una riga\n"
              "per ciascuna; a una riga vuota risponde con una riga vuota.\n\n"
              "Un anno dopo la data (1524, MDXXIV, 44 a.C., DCCX a.u.c.) decide se è bisestile:\n"
              "calendario giuliano fino al 4 ottobre 1582, gregoriano dal 15. Prima del 45 a.C.\n"
              "i mesi hanno le lunghezze di prima della riforma di Cesare, e i mesi intercalari\n"
              "non sono contati. Le grafie latine che si leggono: man tempidex.\n\n"
              "Esempi:\n"
              "  tempidex --convert \"a. d. XIX Kal. Ian.\"          14 Dicembre\n"
              "  tempidex --convert \"Idibus Martiis DCCX a.u.c.\"   15 Marzo 44 a.C.\n"
              "  tempidex --to-latin --long \"15/3/44 a.C.\"         Idibus Martiis anno DCCX\n"
              "                                                    ab urbe condita\n"
              "  tempidex --convert - < latine.txt > moderne.txt\n\n"
              "Stato di uscita: 0 se ogni data è stata convertita, 1 se almeno una ha dato\n"
              "errore, 2 per un uso errato o un errore di lettura o scrittura.\n");
}

} // namespace

int RunCommandLine(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
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
    for (const QCommandLineOption *writing : {&options.leap, &options.longForm})
        if (parser.isSet(*writing) && !toLatin)
            return usage(tr("--%1 vale solo con --to-latin").arg(writing->names().constFirst()));
    const QStringList dates = parser.positionalArguments();
    if (dates.isEmpty())
        return usage(tr("manca la DATA, o - per leggerle dallo standard input"));

    LineOptions lineOptions;
    lineOptions.reckoning =
        parser.isSet(options.julian) ? Reckoning::Julian : Reckoning::Historical;
    lineOptions.leapYear = parser.isSet(options.leap);
    lineOptions.longForm = parser.isSet(options.longForm);
    lineOptions.explain = parser.isSet(options.explain);
    Batch batch(in, out, err, toLatin, lineOptions);
    for (const QString &date : dates) {
        const QByteArray text = date.toUtf8();
        batch.run(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    return batch.finish();
}

int RunCommandLine(int argc, char **argv) {
    const Utf8Console console;
    QStringList arguments;
    for (const std::string &argument : ProgramArguments(argc, argv))
        arguments << QString::fromStdString(argument);
    return RunCommandLine(arguments, stdin, stdout, stderr);
}

} // namespace tempidex
