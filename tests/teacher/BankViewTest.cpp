// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherFixture.h"

#include "bankfile/BankFile.h"
#include "bankfile/FindingText.h"
#include "teacher/BankDocument.h"
#include "teacher/BankView.h"
#include "teacher/QuestionPreview.h"
#include "teacher/QuestionTableModel.h"
#include "teacher/TaskProgress.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUndoStack>

namespace {

using Column = QuestionTableModel::Column;

class BankViewTest : public TeacherFixture
{
protected:
    void SetUp() override
    {
        TeacherFixture::SetUp();
        view = std::make_unique<BankView>();
        view->resize(1200, 700);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    // csvBank(9) with CspravOdp 7 in the question numbered 2.
    QString faultyCsv()
    {
        QByteArray csv = csvBank(9);
        csv.replace("Komentář 2,2", "Komentář 2,7");
        return writeFile(QStringLiteral("otazky.csv"), csv);
    }

    QModelIndex current() const { return view->rows()->mapToSource(view->table()->currentIndex()); }

    std::unique_ptr<BankView> view;
};

TEST_F(BankViewTest, AFindingInTheListLeadsToItsCellEvenPastTheSearch)
{
    ASSERT_TRUE(view->open(faultyCsv()));
    EXPECT_TRUE(view->summary()->text().contains(QStringLiteral("Záznamů: 9")));
    ASSERT_GE(view->findingList()->count(), 1);
    view->setSearch(QStringLiteral("Otázka 5"));
    EXPECT_EQ(view->rows()->rowCount(), 1);

    QListWidgetItem *finding = view->findingList()->item(0);
    EXPECT_TRUE(finding->text().contains(QLatin1String("CspravOdp")));
    emit view->findingList()->itemActivated(finding);
    EXPECT_EQ(current().row(), 2);
    EXPECT_EQ(current().column(), Column::CspravOdp);
    EXPECT_EQ(view->rows()->rowCount(), 9);
    EXPECT_TRUE(view->preview()->shownText().contains(QStringLiteral("Otázka 2")));
}

TEST_F(BankViewTest, TheListFollowsAnEditOnceTheWindowTurns)
{
    ASSERT_TRUE(view->open(faultyCsv()));
    const auto firstListed = [this] { return view->findingList()->item(0)->text(); };
    EXPECT_TRUE(firstListed().contains(QLatin1String("CspravOdp")));
    view->rows()->setData(view->rows()->mapFromSource(view->document()->model()->index(2, Column::CspravOdp)),
                          QStringLiteral("C"));
    QCoreApplication::processEvents();
    EXPECT_EQ(firstListed(), QStringLiteral("Kontrola nenašla žádný problém."));
    view->editActions().at(0)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(firstListed().contains(QLatin1String("CspravOdp")));
}

TEST_F(BankViewTest, QuestionsAnImportSkippedAreListedWithTheirReasons)
{
    QByteArray gift;
    for (int i = 0; i < 6; ++i)
        gift += QStringLiteral("::q%1:: Otázka %1 {=ano ~ne ~možná}\n\n").arg(i).toUtf8();
    gift += "::pravda:: Země je kulatá. {TRUE}\n";
    ASSERT_TRUE(view->open(writeFile(QStringLiteral("otazky.gift"), gift)));
    ASSERT_EQ(view->document()->importFindings().size(), 1);
    EXPECT_EQ(view->document()->importFindings().first().kind, FindingKind::SkippedQuestion);
    const QString listed = view->findingList()->item(view->findingList()->count() - 1)->text();
    EXPECT_EQ(listed, findingText(view->document()->importFindings().first()));
    EXPECT_TRUE(listed.contains(QLatin1String("pravda")));
}

TEST_F(BankViewTest, UnsavedChangesAreSavedKeptOrLeftAsTheUserAnswers)
{
    const QString program = programDir() + QStringLiteral("test.db");
    for (const auto &[answer, goesOn, saved] : {std::tuple{Prompts::Unsaved::Cancel, false, false},
                                                {Prompts::Unsaved::Discard, true, false},
                                                {Prompts::Unsaved::Save, true, true}}) {
        QFile::remove(program);
        ASSERT_TRUE(view->open(faultyCsv()));
        EXPECT_TRUE(view->maybeSave());
        view->document()->addQuestion();
        unsavedAnswer = answer;
        EXPECT_EQ(view->maybeSave(), goesOn);
        EXPECT_EQ(QFile::exists(program), saved);
        EXPECT_EQ(view->isModified(), !saved);
    }
    EXPECT_EQ(unsavedQuestions.size(), 3);
    EXPECT_EQ(readBank(program).records.size(), 10);
}

TEST_F(BankViewTest, SavingAnImportedFileSaysItReplacesTheProgramsBank)
{
    const QString program = QDir::toNativeSeparators(programDir() + QStringLiteral("test.db"));
    const QString table = programDir() + QStringLiteral("jina.db");
    ASSERT_TRUE(view->open(faultyCsv()));
    ASSERT_TRUE(view->saveTo(table));
    // An imported file is saved where the program reads its bank, a bank's table in itself.
    for (const auto &[path, target] : {std::pair{faultyCsv(), program}, {table, QDir::toNativeSeparators(table)}}) {
        ASSERT_TRUE(view->open(path));
        view->document()->addQuestion();
        unsavedQuestions.clear();
        EXPECT_FALSE(view->maybeSave());
        ASSERT_EQ(unsavedQuestions.size(), 1);
        const QString &question = unsavedQuestions.first();
        EXPECT_EQ(question.contains(program), target == program) << question.toStdString();
        EXPECT_TRUE(view->fileActions().first()->statusTip().endsWith(target));
    }
}

TEST_F(BankViewTest, FailuresAreToldInCzechAndTheBankStays)
{
    ASSERT_TRUE(view->open(faultyCsv()));
    EXPECT_FALSE(view->open(writeFile(QStringLiteral("poskozena.db"), QByteArray(300, '\x01'))));
    EXPECT_FALSE(view->exportTo(writeFile(QStringLiteral("banka.pdf"), {})));
    EXPECT_FALSE(view->saveTo(writeFile(QStringLiteral("soubor"), "x") + QStringLiteral("/test.db")));
    ASSERT_EQ(messages.size(), 3) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages.at(0).contains(QLatin1String("poskozena.db")));
    EXPECT_TRUE(messages.at(1).contains(QStringLiteral("přípony")));
    EXPECT_TRUE(messages.at(2).contains(QLatin1String("soubor")));
    EXPECT_EQ(view->document()->model()->rowCount(), 9);
    EXPECT_TRUE(view->isEnabled());
    EXPECT_FALSE(view->progress()->isVisible());
}

TEST_F(BankViewTest, DeleteRemovesTheSelectedRowsAndUndoBringsThemBack)
{
    ASSERT_TRUE(view->open(faultyCsv()));
    view->table()->clearSelection();
    view->table()->selectionModel()->select(view->rows()->index(3, 0), QItemSelectionModel::Select);
    view->table()->selectionModel()->select(view->rows()->index(4, 2), QItemSelectionModel::Select);
    view->table()->setFocus();
    QTest::keyClick(view->table(), Qt::Key_Delete);
    EXPECT_EQ(view->document()->model()->rowCount(), 7);
    QTest::keyClick(view->table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->document()->model()->rowCount(), 9);
}

TEST_F(BankViewTest, NoShortcutEditsTheBankWhileItIsSaved)
{
    const QString path = QFileInfo(writeFile(QStringLiteral("x"), {})).path() + QStringLiteral("/banka.db");
    QKeySequence pressed;
    QObject::connect(view.get(), &BankView::busy, view.get(), [&](bool running) {
        if (running)
            QTest::keySequence(view.get(), pressed);
    });
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_N)}) {
        ASSERT_TRUE(view->open(faultyCsv()));
        view->document()->addQuestion();
        pressed = keys;
        ASSERT_TRUE(view->saveTo(path));
        EXPECT_EQ(readBank(path).records.size(), 10) << keys.toString().toStdString();
        EXPECT_EQ(view->document()->model()->rowCount(), 10) << keys.toString().toStdString();
        EXPECT_FALSE(view->isModified());
        EXPECT_TRUE(view->editActions().at(0)->isEnabled());
    }
}

TEST(TaskProgressTest, CancelStopsTheWorkAndFinishGivesTheWidgetsBack)
{
    QWidget window;
    auto *blocked = new QWidget(&window);
    auto *progress = new TaskProgress(&window);
    window.show();
    progress->start(QStringLiteral("Čtení"), {blocked});
    EXPECT_FALSE(blocked->isEnabled());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_NO_THROW(progress->advance(1, 2));
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("taskCancel")), Qt::LeftButton);
    EXPECT_THROW(progress->advance(2, 2), OperationCancelled);
    progress->finish();
    EXPECT_TRUE(blocked->isEnabled());
    EXPECT_FALSE(progress->isVisible());
    progress->start(QStringLiteral("Zápis"), {});
    EXPECT_FALSE(progress->cancelled());
}

}
