// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/GroupQuotas.h"
#include "bank/QuestionBank.h"
#include "bank/RandomGenerator.h"
#include "indicators/AbLED.h"
#include "platform/core/DateTime.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

void TForm2::OpenQuestionBank()
{
    m_bankCounted = false;
    BankPath = ProgramLocation::bankPath(ProgramDir);
    // A folder of that name is no bank either.
    if (!QFileInfo(BankPath).isFile()) {
        // Where the user may put a bank, not where nobody but an administrator may.
        Messages::show(QStringLiteral("Nenalezen soubor otázek ") + ProgramLocation::userBankPath(ProgramDir));
        return;
    }
    Table1->open(BankPath);
    const qint32 recordCount = Table1->recordCount();
    // Only the groups: the numbers are the draw's business, and a bank whose numbers do not
    // read still opens and gets its quotas.
    const std::array<qint32, 4> groupCount = Table1->groupCounts();

    // From the full test size, so a bank opened again is measured as at start-up.
    const GroupQuotas quotas = computeGroupQuotas(recordCount, groupCount, TestCapacity);
    BankRecordCount = recordCount;
    GroupCount = groupCount;
    QuestionCount = quotas.questionCount;
    GroupPercent = quotas.percent;
    GroupQuota = quotas.quota;
    m_bankCounted = true;

    setWindowTitle(QStringLiteral("Test - ") + ProductTitle);
}

// The draw only ends once every group has given what it can; say why it never would instead
// of starting it.
QString TForm2::drawRefusal()
{
    const QString prefix = QStringLiteral("Z tohoto souboru otázek nelze vylosovat test: ");
    if (!m_bankCounted)
        return prefix + QStringLiteral("soubor otázek není otevřen.");
    // An engine error here (no Cis field, a Cis that does not convert) ends the click.
    const DrawAnalysis &analysis = Table1->drawAnalysis();
    if (QuestionCount < 1)
        return prefix + QStringLiteral("počet otázek v souboru (%1) je menší než 6.").arg(BankRecordCount);
    const QList<DrawShortfall> shortfalls = drawShortfalls(GroupQuota, analysis.drawableNumbers());
    if (!shortfalls.isEmpty())
        return prefix
            + QStringLiteral("počet otázek potřebných ze skupiny %1 (%2) převyšuje počet otázek, "
                             "které z ní lze vylosovat (%3).")
                  .arg(shortfalls.first().group)
                  .arg(shortfalls.first().needed)
                  .arg(shortfalls.first().available);
    return QString();
}

// A bank changed on disk since it was opened is opened again first; when that or the draw
// fails, the test drawn before stays as it was, unless the bank it came from is gone.
void TForm2::BBGtestClick()
{
    if (Table1->changedOnDisk()) {
        // The test drawn before no longer matches the bank's counts, so it cannot start either.
        setTestActionsEnabled(false);
        OpenQuestionBank();
        // Opening has said why it could not.
        if (!m_bankCounted)
            return;
    }
    const QString refusal = drawRefusal();
    if (!refusal.isEmpty()) {
        Messages::show(refusal);
        return;
    }
    const DrawnTest fresh = Table1->drawTest(GroupQuota, QuestionCount, randomBelow);

    setProgressMaximum(TimeToSeconds(TestDuration));
    Label2->setText(QStringLiteral("Otázka číslo "));
    showTestDuration();
    HeaderControl1->setSectionText(StatusSuccessRate, QString());
    HeaderControl1->setSectionText(StatusCounts, QString());
    TestPhase = PhaseGenerated;
    // The evaluation's descriptions of the colours go with the colours.
    for (TAbLED *indicator : std::as_const(FAbLedList)) {
        indicator->LED()->SetColorOff(clSilver);
        indicator->setAccessibleDescription(QString());
    }
    Panel11->hide();

    QString overview = DrawnNumbersHeading;
    TestCode = QStringLiteral("kod: ");
    GroupDrawn = fresh.draw.groupDrawn;
    for (int p = 1; p <= fresh.draw.questions.size(); ++p) {
        const DrawnQuestion &drawn = fresh.draw.questions[p - 1];
        DrawnGroup = drawn.group;
        SelectedNumbers[p] = drawn.number;
        const QString pair = QStringLiteral("%1/%2").arg(drawn.number).arg(drawn.group);
        overview += QLatin1Char(',') + pair + QStringLiteral("  ");
        TestCode += pair + QLatin1Char(' ');
        LoadQuestion(p, fresh.questions[p - 1]);
    }
    Label5->setText(overview);

    for (QPlainTextEdit *memo : memos())
        memo->clear();
    setTestActionsEnabled(true);
    BBVytest->setEnabled(false);
    for (int i = 0; i < FAbLedList.size(); ++i)
        FAbLedList[i]->setVisible(i < QuestionCount);
    hideMarkers();
}

void TForm2::LoadQuestion(int p, const Totazka &drawn)
{
    Totazka &question = TestQuestions[p];
    question.wdotaz = drawn.wdotaz;
    question.wodp1 = drawn.wodp1;
    question.wodp2 = drawn.wodp2;
    question.wodp3 = drawn.wodp3;
    question.wkomentar = drawn.wkomentar;
    question.wcspravOdp = drawn.wcspravOdp;
}
