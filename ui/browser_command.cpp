#include "browser_command.h"

#include <QString>

#include <utility>

namespace tempidex {
namespace {

// The blanks a shell splits words at.
bool IsShellBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The words of each command, or nothing when a quote is left open.
std::optional<QList<QStringList>> CommandWords(const QString &text) {
    QList<QStringList> commands;
    QStringList words;
    QString word;
    bool inWord = false; // a quoted empty string is a word too
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\'') {
            const qsizetype close = text.indexOf(u'\'', i + 1);
            if (close < 0)
                return std::nullopt;
            word += QStringView(text).sliced(i + 1, close - i - 1);
            inWord = true;
            i = close;
        } else if (c == u'"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                const QChar q = text[i];
                if (q == u'"')
                    break;
                // Inside double quotes a backslash escapes only what the quotes would take.
                if (q == u'\\' && i + 1 < text.size() &&
                    QStringView(u"\"\\$`\n").contains(text[i + 1])) {
                    if (text[++i] != u'\n')
                        word += text[i];
                } else {
                    word += q;
                }
            }
            inWord = true;
        } else if (c == u'\\' && i + 1 < text.size()) {
            if (text[++i] != u'\n') { // backslash-newline only joins lines
                word += text[i];
                inWord = true;
            }
        } else if (IsShellBlank(c) || c == u':') {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
            if (c == u':' && !words.isEmpty())
                commands << std::exchange(words, {});
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    if (!words.isEmpty())
        commands << words;
    return commands;
}

// Replaces the word's placeholders; true when it held the address.
bool Substitute(QString &word, const QString &address) {
    bool hadAddress = false;
    QString out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar next = i + 1 < word.size() ? word[i + 1] : QChar();
        if (word[i] == u'%' && (next == u's' || next == u'c' || next == u'%')) {
            hadAddress = hadAddress || next == u's';
            out += next == u's'   ? address
                   : next == u'c' ? QStringLiteral(":")
                                  : QStringLiteral("%");
            ++i;
        } else {
            out += word[i];
        }
    }
    word = out;
    return hadAddress;
}

} // namespace

std::optional<QList<QStringList>> BrowserCommands(const QString &browser) {
    std::optional<QList<QStringList>> commands = CommandWords(browser);
    if (commands && commands->isEmpty())
        commands = QList<QStringList>{{QStringLiteral("xdg-open")}};
    return commands;
}

QStringList WithAddress(QStringList words, const QString &address) {
    bool hadAddress = false;
    for (QString &word : words)
        hadAddress = Substitute(word, address) || hadAddress;
    if (!hadAddress)
        words << address;
    return words;
}

} // namespace tempidex
