// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToolCommand.h"

#include <QByteArray>
#include <QCommandLineParser>

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

void parseArguments(QCommandLineParser &parser, const QString &command, const QStringList &arguments)
{
    // The parser takes the first entry for the program's name.
    if (parser.parse(QStringList{QString()} + arguments))
        return;
    // The parser's own message is English; what went wrong is said again in Czech.
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString dashes = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        throw UsageError{QStringLiteral("Příkaz %1 nezná volbu %2%3.").arg(command, dashes, unknown.first())};
    }
    // Otherwise the last option wants a value that did not follow.
    throw UsageError{QStringLiteral("Volbě %1 příkazu %2 chybí hodnota.").arg(arguments.last(), command)};
}
