// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/AttemptRecording.h"
#include "app/HeaderControl.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/GroupQuotas.h"
#include "bank/QuestionBank.h"
#include "bank/RandomGenerator.h"
#include "indicators/AbLED.h"
#include "paradox/Memo.h"
#include "platform/core/DateTime.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Read when the bank is opened, so they are those of the bank the draw reads, and a big bank's
// hash costs no time at the start of a test.
results::BankFacts bankFacts(const QString &path, qint32 recordCount, const GroupQuotas &quotas)
{
    results::BankFacts bank;
    bank.path = QDir::cleanPath(path);
    bank.table = results::readFileFacts(path).value_or(results::FileFacts{});
    const QString memo = paradox::Memo::findFor(path);
    if (!memo.isEmpty())
        bank.memo = results::readFileFacts(memo);
    bank.recordCount = recordCount;
    bank.quotas = {quotas.quota[1], quotas.quota[2], quotas.quota[3]};
    return bank;
}

}

void TForm2::OpenQuestionBank()
{
    openBank();
    if (m_openBank)
        takeOverBankCounts(*m_openBank);
}

void TForm2::openBank()
{
    m_openBank.reset();
    BankPath = ProgramLocation::bankPath(ProgramDir);
    // A folder of that name is no bank either.
    if (!QFileInfo(BankPath).isFile()) {
        // Where the user may put a bank, not where nobody but an administrator may.
        Messages::show(QStringLiteral("Nenalezen soubor otázek ") + ProgramLocation::userBankPath(ProgramDir));
        return;
    }
    Table1->open(BankPath);
    BankCounts counts;
    counts.recordCount = Table1->recordCount();
    // Only the groups: the numbers are the draw's business, and a bank whose numbers do not
    // read still opens and gets its quotas.
    counts.groupCount = Table1->groupCounts();
    // From the full test size, so a bank opened again is measured as at start-up.
    counts.quotas = computeGroupQuotas(counts.recordCount, counts.groupCount, TestCapacity);
    counts.facts = bankFacts(BankPath, counts.recordCount, counts.quotas);
    m_openBank = counts;

    setWindowTitle(QStringLiteral("Test - ") + ProductTitle);
}

void TForm2::takeOverBankCounts(const BankCounts &counts)
{
    BankRecordCount = counts.recordCount;
    GroupCount = counts.groupCount;
    QuestionCount = counts.quotas.questionCount;
    GroupPercent = counts.quotas.percent;
    GroupQuota = counts.quotas.quota;
    TestBank = counts.facts;
}

// A bank that changed on disk, or one that was missing and has appeared since, is opened
// before the draw. A bank that did not open is tried again only once it changes.
bool TForm2::bankWantsOpening() const
{
    if (Table1->changedOnDisk())
        return true;
    return !Table1->everOpened() && QFileInfo(ProgramLocation::bankPath(ProgramDir)).isFile();
}

// The draw only ends once every group has given what it can; say why it never would instead
// of starting it.
QString TForm2::drawRefusal()
{
    const QString prefix = QStringLiteral("Z tohoto souboru otázek nelze vylosovat test: ");
    if (!m_openBank)
        return prefix + QStringLiteral("soubor otázek není otevřen.");
    const BankCounts &counts = *m_openBank;
    // An engine error here (no Cis field, a Cis that does not convert) ends the click.
    const DrawAnalysis &analysis = Table1->drawAnalysis();
    if (counts.quotas.questionCount < 1)
        return prefix + QStringLiteral("počet otázek v souboru (%1) je menší než 6.").arg(counts.recordCount);
    const QList<DrawShortfall> shortfalls = drawShortfalls(counts.quotas.quota, analysis.drawableNumbers());
    if (!shortfalls.isEmpty())
        return prefix
            + QStringLiteral("počet otázek potřebných ze skupiny %1 (%2) převyšuje počet otázek, "
                             "které z ní lze vylosovat (%3).")
                  .arg(shortfalls.first().group)
                  .arg(shortfalls.first().needed)
                  .arg(shortfalls.first().available);
    return QString();
}

// The bank's counts become the test's only together with a test drawn from them: when opening,
// the refusal or the draw fails, the test drawn before stays whole, its count included.
void TForm2::BBGtestClick()
{
    if (bankWantsOpening()) {
        openBank();
        // Opening has said why it could not.
        if (!m_openBank)
            return;
    }
    const QString refusal = drawRefusal();
    if (!refusal.isEmpty()) {
        Messages::show(refusal);
        return;
    }
    const BankCounts counts = *m_openBank;
    const DrawnTest fresh = Table1->drawTest(counts.quotas.quota, counts.quotas.questionCount, randomBelow);
    // Before the new test replaces the answers and the count the open record is saved from.
    m_recording->abandon();
    takeOverBankCounts(counts);

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
        SelectedGroups[p] = drawn.group;
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
