// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "bank/BankTable.h"
#include "bank/DrawAnalysis.h"
#include "bank/GroupQuotas.h"
#include "platform/Messages.h"
#include "paradox/Table.h"
#include "platform/core/ProgramLocation.h"

#include <QFileInfo>

void TForm2::OpenQuestionBank()
{
    BankPath = ProgramLocation::bankPath(ProgramDir);
    // A folder of that name is no bank either.
    if (!QFileInfo(BankPath).isFile()) {
        // Where the user may put a bank, not where nobody but an administrator may.
        Messages::show(QStringLiteral("Nenalezen soubor otázek ") + ProgramLocation::userBankPath(ProgramDir));
        return;
    }
    m_bankCounted = false;
    m_drawAnalysis.reset();
    Table1->close();
    Table1->setTableName(BankPath);
    Table1->open();
    BankRecordCount = Table1->recordCount();

    // Only the groups: the numbers are the draw's business, and a bank whose numbers do not
    // read still opens and gets its quotas.
    GroupCount.fill(0);
    for (const qint32 group : Table1->integerColumn(BankTable::Skupina)) {
        if (group >= 1 && group <= 3)
            ++GroupCount[group];
    }

    const GroupQuotas quotas = computeGroupQuotas(BankRecordCount, GroupCount, QuestionCount);
    QuestionCount = quotas.questionCount;
    GroupPercent = quotas.percent;
    GroupQuota = quotas.quota;
    m_bankCounted = true;

    setWindowTitle(QStringLiteral("Test - ") + ProductTitle);
}
