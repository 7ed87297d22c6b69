// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunFixture.h"
#include "settings/EnforcedPermissions.h"

#include "app/Unit2.h"
#include "platform/core/DateTime.h"
#include "results/RecordReader.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace {

class AttemptRecordingTest : public RunFixture
{
protected:
    QString resultsFolder() const { return programDir() + QStringLiteral("vysledky"); }

    results::RecordSet records() const { return results::readRecords({resultsFolder()}); }

    static void pressKey(QWidget *widget, Qt::Key key = Qt::Key_Space) { QTest::keyClick(widget, key); }

    // The window's own keyboard: Space on the focused toolbar and answer buttons.
    void runWholeTestByKeyboard(int wrongEvery)
    {
        pressKey(window->BBGtest);
        pressKey(window->BBStest);
        for (int n = 1; n <= QuestionCount; ++n) {
            now += 10.0 / 86400;
            const int correct = TestQuestions[n].wcspravOdp;
            pressKey(answerButton(n % wrongEvery == 0 ? (correct + 1) % 3 : correct));
        }
        pressKey(window->BBUtest);
    }

    // Runs `action` on the modal dialog as soon as it shows; closes one left open.
    static void onModalDialog(std::function<void(QDialog *)> action)
    {
        QTimer::singleShot(0, [action = std::move(action)] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no dialog is shown";
                return;
            }
            action(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }
};

QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

TEST_F(AttemptRecordingTest, WholeTestByKeyboardLeavesOneRecordAsTheStatusLineShowsIt)
{
    openWindow(50, 40, 30);
    const double start = now;
    runWholeTestByKeyboard(4);
    ASSERT_EQ(TestPhase, PhaseEvaluated);

    const results::RecordSet set = records();
    EXPECT_TRUE(set.skipped.isEmpty()) << set.skipped.value(0).reason.toStdString();
    ASSERT_EQ(set.attempts.size(), 1);
    const results::AttemptRecord &record = set.attempts.first();
    EXPECT_EQ(record.ending, results::Ending::Ended);
    EXPECT_EQ(record.counts.countsText, section(3));
    EXPECT_EQ(record.counts.rateText, section(2));
    EXPECT_EQ(record.counts.correct, CorrectCount);
    EXPECT_EQ(record.counts.wrong, WrongCount);
    EXPECT_EQ(record.counts.unanswered, UnansweredCount);
    EXPECT_EQ(record.counts.percent, SuccessPercent);
    EXPECT_EQ(record.person, QStringLiteral("zak"));
    EXPECT_EQ(record.computer, QStringLiteral("pc-test"));
    EXPECT_EQ(record.start, DateTime::toQDateTime(start));
    EXPECT_EQ(record.end, DateTime::toQDateTime(now));
    EXPECT_EQ(record.minutes, 30);
    EXPECT_EQ(record.testCode, TestCode);
    EXPECT_EQ(record.overview, window->Label5->text());
    EXPECT_EQ(record.bank.table.sha256.toLatin1(), sha256Of(programDir() + QStringLiteral("test.db")));
    EXPECT_EQ(record.bank.recordCount, 120);
    EXPECT_EQ(record.bank.quotas, (std::array<qint32, 3>{GroupQuota[1], GroupQuota[2], GroupQuota[3]}));
    ASSERT_EQ(record.questions.size(), 30);
    for (int n = 1; n <= 30; ++n) {
        const results::AttemptQuestion &question = record.questions[n - 1];
        EXPECT_EQ(question.cis, SelectedNumbers[n]) << n;
        EXPECT_EQ(question.correct, TestQuestions[n].wcspravOdp) << n;
        EXPECT_EQ(question.given, TestQuestions[n].wodpovezeno) << n;
        EXPECT_EQ(question.evaluation, n % 4 == 0 ? AnsweredWrongly : AnsweredCorrectly) << n;
        EXPECT_EQ(question.answeredAt, DateTime::toQDateTime(start + n * 10.0 / 86400)) << n;
    }
    EXPECT_TRUE(QString(TestCode).startsWith(QStringLiteral("kod: %1/%2 ").arg(record.questions[0].cis).arg(record.questions[0].group)));
}

TEST_F(AttemptRecordingTest, TheCountdownEndsTheRecordAsTimeUpWithTheUnansweredOnes)
{
    openWindow(50, 40, 30);
    generateAndStart();
    answerCurrent(true);
    tickAt(TestEnd + 1.0 / 86400);

    const results::RecordSet set = records();
    ASSERT_EQ(set.attempts.size(), 1);
    EXPECT_EQ(set.attempts[0].ending, results::Ending::TimeUp);
    EXPECT_EQ(set.attempts[0].answeredCount(), 1);
    EXPECT_EQ(set.attempts[0].counts.countsText, section(3));
    EXPECT_FALSE(set.attempts[0].questions[1].answeredAt.isValid());
}

// The bank changes after the draw and the next draw from it is refused: the test drawn before
// is started and recorded with the bank and the groups it was drawn from.
TEST_F(AttemptRecordingTest, RecordNamesTheBankOfTheDrawNotTheOneOnDiskAtTheStart)
{
    const QList<BankRecord> bank = makeBankRecords(50, 40, 30);
    openWindow(bank);
    click(window->BBGtest);
    const QByteArray drawnSha = sha256Of(programDir() + QStringLiteral("test.db"));
    writeBank(programDir() + QStringLiteral("test.db"), makeBankRecords(0, 5, 5));
    click(window->BBGtest);
    ASSERT_EQ(messages.size(), 1);
    click(window->BBStest);
    click(window->BBUtest);

    const results::RecordSet set = records();
    ASSERT_EQ(set.attempts.size(), 1);
    const results::AttemptRecord &record = set.attempts[0];
    EXPECT_EQ(record.bank.table.sha256.toLatin1(), drawnSha);
    EXPECT_EQ(record.bank.recordCount, 120);
    ASSERT_EQ(record.questions.size(), 30);
    for (const results::AttemptQuestion &question : record.questions) {
        const auto drawn = std::find_if(bank.cbegin(), bank.cend(),
                                        [&](const BankRecord &r) { return r.cis == question.cis; });
        ASSERT_NE(drawn, bank.cend()) << question.cis;
        EXPECT_EQ(question.group, drawn->skupina) << question.cis;
    }
}

// A new test drawn during a test leaves the open record as it stood; the new test's answers and
// evaluation go into no record, and say nothing.
TEST_F(AttemptRecordingTest, TestDrawnDuringATestLeavesTheOpenRecordUnfinished)
{
    openWindow(50, 40, 30);
    generateAndStart();
    for (int n = 1; n <= 3; ++n)
        answerCurrent(true);
    const QString code = TestCode;
    click(window->BBGtest);
    ASSERT_NE(TestCode, code);
    answerCurrent(false);
    answerCurrent(false);
    click(window->BBUtest);
    EXPECT_EQ(messages, QStringList{EndMessage});
    // Closing waits for the record still being written.
    window.reset();

    const results::RecordSet set = records();
    ASSERT_EQ(set.attempts.size(), 1);
    EXPECT_EQ(set.attempts[0].ending, results::Ending::Unfinished);
    EXPECT_EQ(set.attempts[0].testCode, code);
    EXPECT_EQ(set.attempts[0].answeredCount(), 3);
    EXPECT_EQ(set.attempts[0].counts.correct, 3);
    EXPECT_EQ(set.attempts[0].counts.wrong, 0);
}

// A configured folder that cannot be written, or whose parent is gone like an unmounted share.
struct UnwritableFolder
{
    const char *slozka;
    const char *reason; // %1: the program folder
};

class UnwritableFolderTest : public AttemptRecordingTest, public ::testing::WithParamInterface<UnwritableFolder>
{
};

TEST_P(UnwritableFolderTest, GivesOneMessageAfterAnIntactEvaluationAndMakesNothing)
{
    const QString locked = programDir() + QStringLiteral("zamceno");
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    openWindow(50, 40, 30, QByteArray("[Vysledky]\nSlozka=") + GetParam().slozka + '\n');
    click(window->BBGtest);
    {
        // The writer's thread is made by the start and keeps the rights it was made with.
        EnforcedPermissions enforced;
        click(window->BBStest);
    }
    for (int n = 1; n <= 5; ++n)
        answerCurrent(true);
    click(window->BBUtest);

    EXPECT_EQ(section(3), QStringLiteral("správně: 5   špatně: 0   neodpovězeno: 25"));
    EXPECT_EQ(TestPhase, PhaseEvaluated);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], EndMessage);
    EXPECT_EQ(messages[1], QStringLiteral("Výsledek testu se nepodařilo uložit do složky %1%2/: %3. "
                                          "Test je vyhodnocen jako obvykle.")
                               .arg(programDir(), QString::fromUtf8(GetParam().slozka),
                                    QString::fromUtf8(GetParam().reason).arg(programDir())));
    EXPECT_TRUE(QDir(locked).isEmpty());
    QStringList made = QDir(programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    made.sort();
    EXPECT_EQ(made, (QStringList{QStringLiteral("Test.ini"), QStringLiteral("test.db"), QStringLiteral("test.mb"),
                                 QStringLiteral("zamceno")}));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Folders, UnwritableFolderTest,
                         ::testing::Values(UnwritableFolder{"zamceno/trida", "chybí oprávnění"},
                                           UnwritableFolder{"chybi/trida", "složka %1chybi neexistuje"}));

TEST_F(AttemptRecordingTest, NameIsAskedBeforeTheCountdownAndRecorded)
{
    openWindow(50, 40, 30, "[Vysledky]\nJmeno=1\n");
    click(window->BBGtest);
    onModalDialog([this](QDialog *dialog) {
        EXPECT_FALSE(window->TimerTest->isActive()) << "the countdown waits for the name";
        auto *edit = dialog->findChild<QLineEdit *>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->accessibleName(), QStringLiteral("Jméno"));
        QTest::keyClicks(edit, QStringLiteral("   "));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(beeps, 1);
        EXPECT_TRUE(dialog->isVisible()) << "an empty name is refused";
        // Typed as an input method would put it in: the test's keyboard has no accents.
        edit->insert(QStringLiteral("Jana Nováková"));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    });
    click(window->BBStest);
    EXPECT_TRUE(window->TimerTest->isActive());
    click(window->BBUtest);

    const results::RecordSet set = records();
    ASSERT_EQ(set.attempts.size(), 1);
    EXPECT_EQ(set.attempts[0].person, QStringLiteral("Jana Nováková"));
}

TEST_F(AttemptRecordingTest, EscapeInTheNameDialogCancelsTheStart)
{
    openWindow(50, 40, 30, "[Vysledky]\nJmeno=1\n");
    click(window->BBGtest);
    onModalDialog([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    click(window->BBStest);
    EXPECT_FALSE(window->TimerTest->isActive());
    EXPECT_TRUE(window->BBStest->isEnabled());
    EXPECT_FALSE(window->BitBtn1->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(resultsFolder()));
}

TEST_F(AttemptRecordingTest, UkladatZeroWritesNothingAndAsksNothing)
{
    openWindow(50, 40, 30, "[Vysledky]\nUkladat=0\nJmeno=1\n");
    runWholeTestByKeyboard(3);
    EXPECT_EQ(TestPhase, PhaseEvaluated);
    EXPECT_EQ(messages, QStringList{EndMessage});
    QStringList written = QDir(programDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    written.sort();
    EXPECT_EQ(written, (QStringList{QStringLiteral("Test.ini"), QStringLiteral("test.db"), QStringLiteral("test.mb")}));
}

// A process of the program's own killed after five answers; the record it leaves is read by
// this one. The process is started afresh (forking one with threads may hang), so it is told
// through the environment where this test reads.
TEST_F(AttemptRecordingTest, ProgramKilledAfterFiveAnswersLeavesAnUnfinishedRecord)
{
    const char *const SharedFolder = "TZ_TEST_KILLED_PROGRAM_RESULTS";
    if (!qEnvironmentVariableIsSet(SharedFolder))
        qputenv(SharedFolder, resultsFolder().toUtf8());
    const QString folder = qEnvironmentVariable(SharedFolder);
    const QByteArray ini = "[Vysledky]\nSlozka=" + folder.toUtf8() + '\n';
    // The killed process cannot remove its program folder: it makes it inside this test's.
    const QByteArray savedTemporary = qgetenv("TMPDIR");
    ASSERT_TRUE(QDir().mkpath(programDir() + QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(programDir() + QStringLiteral("tmp")));
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            openWindow(50, 40, 30, ini);
            generateAndStart();
            for (int n = 1; n <= 5; ++n)
                answerCurrent(n != 2);
            // The answer's record is written by a thread of its own: wait until it is down.
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 10000) {
                const results::RecordSet set = results::readRecords({folder});
                if (set.attempts.size() == 1 && set.attempts[0].answeredCount() == 5)
                    ::kill(::getpid(), SIGKILL);
                QTest::qWait(5);
            }
            std::_Exit(3);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    GTEST_FLAG_SET(death_test_style, style);
    qunsetenv(SharedFolder);
    if (savedTemporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTemporary);

    const results::RecordSet set = records();
    ASSERT_EQ(set.attempts.size(), 1);
    const results::AttemptRecord &record = set.attempts[0];
    EXPECT_EQ(record.ending, results::Ending::Unfinished);
    EXPECT_FALSE(record.end.isValid());
    EXPECT_EQ(record.answeredCount(), 5);
    EXPECT_EQ(record.counts.correct, 4);
    EXPECT_EQ(record.counts.wrong, 1);
    EXPECT_EQ(record.questions[1].evaluation, AnsweredWrongly);
    EXPECT_FALSE(record.questions[5].given.has_value());
}

}
