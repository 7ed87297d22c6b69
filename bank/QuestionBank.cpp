#include "app/Unit2.h"

#include "bank/DrawAnalysis.h"
#include "bank/GroupQuotas.h"
#include "platform/Messages.h"
#include "platform/ParadoxTable.h"
#include "platform/ProgramLocation.h"

#include <QFileInfo>

void TForm2::OpenQuestionBank()
{
    BankPath = ProgramLocation::BankPath(ProgramDir);
    if (!QFileInfo::exists(BankPath)) {
        // Where the user may put a bank, not where nobody but an administrator may.
        Messages::Show(QStringLiteral("Nenalezen soubor otázek ") + ProgramLocation::UserBankPath(ProgramDir));
        return;
    }
    FDrawAnalysis.reset();
    Table1->close();
    Table1->setDatabaseName(QString());
    Table1->setTableName(BankPath);
    Table1->open();
    BankRecordCount = Table1->recordCount();

    // One pass counts the groups and keeps every record's number for the draw.
    GroupCount.fill(0);
    QList<BankEntry> entries;
    entries.reserve(BankRecordCount);
    Table1->first();
    for (int i = 0; i < BankRecordCount; ++i) {
        const BankEntry entry{Table1->fieldAsInteger(QStringLiteral("Cis")),
                              Table1->fieldAsInteger(QStringLiteral("Skupina"))};
        if (entry.skupina >= 1 && entry.skupina <= 3)
            ++GroupCount[entry.skupina];
        entries.append(entry);
        Table1->next();
    }

    const GroupQuotas quotas = ComputeGroupQuotas(BankRecordCount, GroupCount, QuestionCount);
    QuestionCount = quotas.questionCount;
    GroupPercent = quotas.percent;
    GroupQuota = quotas.quota;
    FDrawAnalysis = std::make_unique<DrawAnalysis>(entries);

    setWindowTitle(QStringLiteral("Test - ") + ProductTitle);
}
