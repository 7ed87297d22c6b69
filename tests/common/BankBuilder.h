#pragma once

#include "paradox/Types.h"

#include <QList>
#include <QString>

struct BankRecord
{
    qint32 cis = 0;
    qint32 skupina = 0;
    QString dotaz, odp1, odp2, odp3, komentar;
    qint32 cspravOdp = 0;
};

// Writes a question bank table with the fields Cis, Skupina, Dotaz, Odp1, Odp2, Odp3,
// Komentar, CspravOdp (texts of any length) through paradox::TableWriter.
void WriteBank(const QString &dbPath, const QList<BankRecord> &records);

// g1 records of group 1, then g2 of group 2, g3 of group 3, then `others` of group 0,
// numbered 0..N-1 in that order; texts "Otázka n", "Odpověď A n", … "Komentář n";
// cspravOdp = n % 3.
QList<BankRecord> MakeBankRecords(int g1, int g2, int g3, int others = 0);
