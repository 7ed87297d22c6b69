// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// One question of a bank: the fields of the bank's table, in table order, named as the fields.
// The program's draw, the bank tool, the teacher's window and the tests all hold this type.
struct BankRecord
{
    qint32 cis = 0;
    qint32 skupina = 0;
    QString dotaz;
    QString odp1;
    QString odp2;
    QString odp3;
    QString komentar;
    qint32 cspravOdp = 0; // 0 is A

    // Odp1, Odp2, Odp3 by the answer's index 0, 1, 2.
    const QString &answer(int index) const { return index == 0 ? odp1 : index == 1 ? odp2 : odp3; }
    QString &answer(int index) { return index == 0 ? odp1 : index == 1 ? odp2 : odp3; }

    bool operator==(const BankRecord &) const = default;
};
