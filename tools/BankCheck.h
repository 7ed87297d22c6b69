#pragma once

#include <QString>

class ParadoxTable;

// `testbank check`: what the program makes of a question bank.
struct BankCheckResult
{
    bool testCanBeDrawn = false;
    QString report;
};

BankCheckResult CheckBank(ParadoxTable &table);
