// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherFixture.h"

#include "bankfile/BankFile.h"
#include "teacher/BankDocument.h"
#include "teacher/BankView.h"
#include "teacher/StartRequest.h"
#include "teacher/QuestionTableModel.h"
#include "teacher/ResultsSettingsDialog.h"
#include "teacher/ResultsView.h"
#include "teacher/TeacherWindow.h"

#include <QAccessible>
#include <QMenu>
#include <QMimeData>
#include <QMenuBar>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>

namespace {

class TeacherWindowTest : public TeacherFixture
{
protected:
    void SetUp() override
    {
        TeacherFixture::SetUp();
        QSettings().clear();
        window = std::make_unique<TeacherWindow>();
        window->show();
    }

    std::unique_ptr<TeacherWindow> window;
};

TEST_F(TeacherWindowTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow)
{
    ASSERT_TRUE(window->openFile(writeFile(QStringLiteral("otazky.csv"), csvBank(6))));
    EXPECT_TRUE(window->windowTitle().startsWith(QLatin1String("otazky.csv")));
    window->bankView()->document()->addQuestion();
    EXPECT_TRUE(window->isWindowModified());

    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->openFile(writeFile(QStringLiteral("jina.csv"), csvBank(3))));
    EXPECT_EQ(window->bankView()->document()->model()->rowCount(), 7);

    unsavedAnswer = Prompts::Unsaved::Discard;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(unsavedQuestions.size(), 3);
}

TEST_F(TeacherWindowTest, AFileDroppedOnTheWindowOpens)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(writeFile(QStringLiteral("pretazena.csv"), csvBank(6)))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(window->bankView()->fileName().endsWith(QLatin1String("pretazena.csv")));
    EXPECT_EQ(window->bankView()->document()->model()->rowCount(), 6);
}

TEST_F(TeacherWindowTest, RecentFilesAreKeptForTheNextStart)
{
    const QString first = writeFile(QStringLiteral("prvni.csv"), csvBank(6));
    const QString second = writeFile(QStringLiteral("druha.csv"), csvBank(6));
    window->openFile(first);
    window->openFile(second);
    window->openFile(first);
    window->close();
    TeacherWindow again;
    QStringList entries;
    for (QMenu *menu : again.menuBar()->findChildren<QMenu *>()) {
        if (menu->title() == QStringLiteral("&Nedávné soubory"))
            for (QAction *action : menu->actions())
                entries.append(action->text());
    }
    EXPECT_EQ(entries, (QStringList{QStringLiteral("&1 prvni.csv"), QStringLiteral("&2 druha.csv")}));
}

TEST_F(TeacherWindowTest, AQuestionChosenInTheResultsOpensInTheBankView)
{
    const QString bank = writeFile(QStringLiteral("test.db"), {});
    BankDocument source;
    source.open(writeFile(QStringLiteral("otazky.csv"), csvBank(9)), noProgress());
    source.saveBank(bank, noProgress());

    emit window->resultsView()->questionChosen(bank, 7);
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabs"));
    EXPECT_EQ(tabs->currentWidget(), window->bankView());
    EXPECT_EQ(window->bankView()->fileName(), bank);
    const QModelIndex current = window->bankView()->rows()->mapToSource(window->bankView()->table()->currentIndex());
    EXPECT_EQ(window->bankView()->document()->model()->record(current.row()).cis, 7);
}

// Whatever takes the keyboard's focus tells a screen reader what it is, on both tabs and in the
// dialog of the program's results settings.
TEST_F(TeacherWindowTest, EveryControlHasANameForScreenReaders)
{
    window->openFile(writeFile(QStringLiteral("otazky.csv"), csvBank(6)));
    ResultsSettingsDialog dialog({}, QStringLiteral("Test.ini"), QStringLiteral("vysledky/"));
    QStringList unnamed;
    for (QWidget *top : {static_cast<QWidget *>(window.get()), static_cast<QWidget *>(&dialog)}) {
        for (QWidget *widget : top->findChildren<QWidget *>()) {
            // Hidden tabs count; a combo box's popup is a window of its own.
            if (widget->focusPolicy() == Qt::NoFocus || widget->window() != top)
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            if (accessible && accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
                               + widget->objectName() + QLatin1Char(' ')
                               + QString::fromLatin1(widget->parentWidget()->metaObject()->className()));
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST(TeacherCommandLine, AnswersHelpAndVersionOrNamesTheFileToOpen)
{
    EXPECT_TRUE(readCommandLine({QStringLiteral("--help")}).answer->startsWith(QStringLiteral("Použití: test-znalosti-sprava")));
    EXPECT_TRUE(readCommandLine({QStringLiteral("x.csv"), QStringLiteral("--version")}).answer->contains(QStringLiteral("správa")));
    const StartRequest open = readCommandLine({QStringLiteral("banka.csv"), QStringLiteral("dalsi.csv")});
    EXPECT_FALSE(open.answer);
    EXPECT_EQ(open.file, QStringLiteral("banka.csv"));
}

}
