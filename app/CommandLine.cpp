// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

namespace {

const char Usage[] =
    "Použití: test-znalosti [--help | --version]\n"
    "\n"
    "Časovaný test znalostí s výběrem ze tří odpovědí. Program nemá vlastní volby;\n"
    "vše se nastavuje v okně Konfigurace.\n"
    "\n"
    "Soubory: banka otázek test.db a nastavení Test.ini leží vedle programu, smí-li do jeho\n"
    "složky uživatel zapisovat; jinak ve složce ~/.local/share/test-znalosti/ (banka ze složky\n"
    "programu platí, dokud tam uživatel nemá vlastní). Banku z CSV vytvoří příkaz\n"
    "test-znalosti-banka build OTAZKY.csv.\n"
    "\n"
    "Heslo pro tisk klíče je, dokud ho nikdo nezmění, 0 (číslice nula); mění se v okně\n"
    "Konfigurace tlačítkem Změna hesla.\n"
    "\n"
    "  -h, --help   vypíše tuto nápovědu\n"
    "  --version    vypíše verzi programu\n";

}

std::optional<QString> answerCommandLine(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return QString::fromUtf8(Usage);
        if (argument == QLatin1String("--version"))
            return QStringLiteral("Test znalostí " TZ_VERSION "\n");
    }
    return std::nullopt;
}
