// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/StartRequest.h"

namespace {

const char Usage[] =
    "Použití: test-znalosti-sprava [SOUBOR]\n"
    "        test-znalosti-sprava --help | --version\n"
    "\n"
    "Okno učitele programu Test znalostí: banky otázek (úpravy, kontrola, uložení tam, kde je\n"
    "program čte, export do Moodle XML, GIFT a CSV) a výsledky testů (pokusy, statistika otázek\n"
    "s grafem, přehled osob, export do CSV).\n"
    "\n"
    "SOUBOR je banka test.db nebo vstup, ze kterého ji umí vytvořit test-znalosti-banka build\n"
    "(CSV, Moodle XML, GIFT, Aiken); otevře se hned po spuštění.\n"
    "\n"
    "  -h, --help   vypíše tuto nápovědu\n"
    "  --version    vypíše verzi programu\n";

}

StartRequest readCommandLine(const QStringList &arguments)
{
    StartRequest request;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            request.answer = QString::fromUtf8(Usage);
        else if (argument == QLatin1String("--version"))
            request.answer = QStringLiteral("Test znalostí – správa " TZ_VERSION "\n");
        else if (request.file.isEmpty())
            request.file = argument;
        if (request.answer)
            break;
    }
    return request;
}
