// How the link starts the user's browser: the command line that $BROWSER asks for.
#pragma once

#include <QList>
#include <QStringList>

#include <optional>

class QString;

namespace tempidex {

// The commands that $BROWSER (given as `browser`) names, read as a shell would read them,
// though no shell ever runs them: its colon-separated commands, to be tried in turn, each
// split into words at blanks outside quotes, with single quotes, double quotes and
// backslashes as in a POSIX shell and no expansion. Without a command, the desktop's own
// opener, xdg-open. Nothing when a quote is left open.
std::optional<QList<QStringList>> BrowserCommands(const QString &browser);

// The command's words for `address`: in each, "%s" stands for the address, "%c" for a colon
// and "%%" for "%"; a command without "%s" gets the address as its last argument.
QStringList WithAddress(QStringList words, const QString &address);

} // namespace tempidex
