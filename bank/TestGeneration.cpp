#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "bank/DrawAnalysis.h"
#include "bank/RandomGenerator.h"
#include "indicators/AbLED.h"
#include "platform/DateTime.h"
#include "platform/Messages.h"
#include "paradox/Table.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {

bool AlreadySelected(qint32 number, int filled)
{
    const auto begin = SelectedNumbers.begin() + 1;
    return std::find(begin, begin + filled, number) != begin + filled;
}

std::unique_ptr<DrawAnalysis> ReadDrawAnalysis(const paradox::Table &table)
{
    const QList<QList<qint32>> columns = table.integerColumns({QStringLiteral("Cis"), QStringLiteral("Skupina")});
    const QList<qint32> &numbers = columns[0];
    const QList<qint32> &groups = columns[1];
    QList<BankEntry> entries(numbers.size());
    BankEntry *entry = entries.data();
    for (qsizetype i = 0; i < numbers.size(); ++i, ++entry)
        *entry = {numbers[i], groups[i]};
    return std::make_unique<DrawAnalysis>(entries);
}

}

// The draw only ends once every quota is filled with distinct numbers; say why it never
// would instead of starting it.
QString TForm2::DrawRefusal() const
{
    const QString prefix = QStringLiteral("Z tohoto souboru otázek nelze vylosovat test: ");
    if (!FDrawAnalysis)
        return prefix + QStringLiteral("soubor otázek není otevřen.");
    if (QuestionCount < 1)
        return prefix + QStringLiteral("počet otázek v souboru (%1) je menší než 6.").arg(BankRecordCount);
    for (int g = 1; g <= 3; ++g) {
        const qint32 available = FDrawAnalysis->drawableNumbers()[g];
        if (GroupQuota[g] > available)
            return prefix
                + QStringLiteral("počet otázek potřebných ze skupiny %1 (%2) převyšuje počet otázek, "
                                 "které z ní lze vylosovat (%3).")
                      .arg(g)
                      .arg(GroupQuota[g])
                      .arg(available);
    }
    return QString();
}

void TForm2::BBGtestClick()
{
    // An engine error here (no Cis field, a Cis that does not convert) ends the click.
    if (FBankCounted && !FDrawAnalysis)
        FDrawAnalysis = ReadDrawAnalysis(*Table1);
    const QString refusal = DrawRefusal();
    if (!refusal.isEmpty()) {
        Messages::Show(refusal);
        return;
    }

    SetProgressMaximum(TimeToSeconds(TestDuration));
    Label2->setText(QStringLiteral("Otázka číslo "));
    HeaderControl1->SetSectionText(0, QStringLiteral("Čas testu: ") + DateTime::LongTimeText(TestDuration));
    HeaderControl1->SetSectionText(2, QString());
    HeaderControl1->SetSectionText(3, QString());
    TestPhase = 0;
    // The evaluation's descriptions of the colours go with the colours.
    for (TAbLED *indicator : std::as_const(FAbLedList)) {
        indicator->LED()->SetColorOff(clSilver);
        indicator->setAccessibleDescription(QString());
    }
    Panel11->hide();
    Label5->setText(QStringLiteral("Otazky číslo:"));

    int p = 1;
    TestCode = QStringLiteral("kod: ");
    GroupDrawn.fill(0);
    do {
        const qint32 r = Random(BankRecordCount);
        if (AlreadySelected(r, p - 1))
            continue;
        // Where the linear search from the first record would end: the first record numbered
        // r, else the last one.
        Table1->setRecNo(FDrawAnalysis->recordFor(r) + 1);
        DrawnGroup = Table1->fieldAsInteger(QStringLiteral("Skupina"));
        if (DrawnGroup < 1 || DrawnGroup > 3 || GroupDrawn[DrawnGroup] >= GroupQuota[DrawnGroup])
            continue;
        ++GroupDrawn[DrawnGroup];
        SelectedNumbers[p] = r;
        const QString pair = QStringLiteral("%1/%2").arg(r).arg(DrawnGroup);
        Label5->setText(Label5->text() + QLatin1Char(',') + pair + QStringLiteral("  "));
        TestCode += pair + QLatin1Char(' ');
        LoadQuestion(p);
        ++p;
    } while (p <= QuestionCount);

    for (QPlainTextEdit *memo : {Memo1, Memo2, Memo3, Memo4, Memo5})
        memo->clear();
    BBStest->setEnabled(true);
    BtnTisk->setEnabled(true);
    BtnTiskKlic->setEnabled(true);
    BBVytest->setEnabled(false);
    for (int i = 0; i < FAbLedList.size(); ++i)
        FAbLedList[i]->setVisible(i < QuestionCount);
    for (QLabel *marker : {Label12, Label13, Label14})
        marker->hide();
}

void TForm2::LoadQuestion(int p)
{
    Totazka &question = TestQuestions[p];
    question.wdotaz = Table1->fieldAsString(QStringLiteral("Dotaz"));
    question.wodp1 = Table1->fieldAsString(QStringLiteral("Odp1"));
    question.wodp2 = Table1->fieldAsString(QStringLiteral("Odp2"));
    question.wodp3 = Table1->fieldAsString(QStringLiteral("Odp3"));
    question.wkomentar = Table1->fieldAsString(QStringLiteral("Komentar"));
    question.wcspravOdp = Table1->fieldAsInteger(QStringLiteral("CspravOdp"));
}
