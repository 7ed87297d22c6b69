// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "bank/BankTable.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/TestDraw.h"
#include "bank/RandomGenerator.h"
#include "indicators/AbLED.h"
#include "platform/DateTime.h"
#include "platform/Messages.h"
#include "paradox/Table.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

std::unique_ptr<DrawAnalysis> readDrawAnalysis(const paradox::Table &table)
{
    const QList<QList<qint32>> columns = table.integerColumns({BankTable::Cis, BankTable::Skupina});
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
QString TForm2::drawRefusal() const
{
    const QString prefix = QStringLiteral("Z tohoto souboru otázek nelze vylosovat test: ");
    if (!m_drawAnalysis)
        return prefix + QStringLiteral("soubor otázek není otevřen.");
    if (QuestionCount < 1)
        return prefix + QStringLiteral("počet otázek v souboru (%1) je menší než 6.").arg(BankRecordCount);
    const QList<DrawShortfall> shortfalls = drawShortfalls(GroupQuota, m_drawAnalysis->drawableNumbers());
    if (!shortfalls.isEmpty())
        return prefix
            + QStringLiteral("počet otázek potřebných ze skupiny %1 (%2) převyšuje počet otázek, "
                             "které z ní lze vylosovat (%3).")
                  .arg(shortfalls.first().group)
                  .arg(shortfalls.first().needed)
                  .arg(shortfalls.first().available);
    return QString();
}

void TForm2::BBGtestClick()
{
    // An engine error here (no Cis field, a Cis that does not convert) ends the click.
    if (m_bankCounted && !m_drawAnalysis)
        m_drawAnalysis = readDrawAnalysis(*Table1);
    const QString refusal = drawRefusal();
    if (!refusal.isEmpty()) {
        Messages::show(refusal);
        return;
    }

    setProgressMaximum(TimeToSeconds(TestDuration));
    Label2->setText(QStringLiteral("Otázka číslo "));
    HeaderControl1->setSectionText(0, QStringLiteral("Čas testu: ") + DateTime::longTimeText(TestDuration));
    HeaderControl1->setSectionText(2, QString());
    HeaderControl1->setSectionText(3, QString());
    TestPhase = PhaseGenerated;
    // The evaluation's descriptions of the colours go with the colours.
    for (TAbLED *indicator : std::as_const(FAbLedList)) {
        indicator->LED()->SetColorOff(clSilver);
        indicator->setAccessibleDescription(QString());
    }
    Panel11->hide();
    Label5->setText(DrawnNumbersHeading);

    TestCode = QStringLiteral("kod: ");
    const TestDraw draw = drawTestNumbers(*m_drawAnalysis, GroupQuota, QuestionCount, BankRecordCount, randomBelow,
                                          [this](int record) {
                                              Table1->setRecNo(record + 1);
                                              return Table1->fieldAsInteger(BankTable::Skupina);
                                          });
    GroupDrawn = draw.groupDrawn;
    for (int p = 1; p <= draw.questions.size(); ++p) {
        const DrawnQuestion &drawn = draw.questions[p - 1];
        DrawnGroup = drawn.group;
        SelectedNumbers[p] = drawn.number;
        const QString pair = QStringLiteral("%1/%2").arg(drawn.number).arg(drawn.group);
        Label5->setText(Label5->text() + QLatin1Char(',') + pair + QStringLiteral("  "));
        TestCode += pair + QLatin1Char(' ');
        Table1->setRecNo(drawn.record + 1);
        LoadQuestion(p);
    }

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
    question.wdotaz = Table1->fieldAsString(BankTable::Dotaz);
    question.wodp1 = Table1->fieldAsString(BankTable::Odp1);
    question.wodp2 = Table1->fieldAsString(BankTable::Odp2);
    question.wodp3 = Table1->fieldAsString(BankTable::Odp3);
    question.wkomentar = Table1->fieldAsString(BankTable::Komentar);
    question.wcspravOdp = Table1->fieldAsInteger(BankTable::CspravOdp);
}
