// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherFixture.h"

#include "platform/PrintDialog.h"
#include "results/RecordWriter.h"
#include "results/ResultsReport.h"
#include "settings/ResultsSettings.h"
#include "teacher/AttemptSelection.h"
#include "teacher/ResultsColumns.h"
#include "teacher/ResultsView.h"
#include "teacher/ShareChart.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QSortFilterProxyModel>
#include <QSignalSpy>
#include <QTimeZone>

namespace {

using results::AttemptRecord;

const QString BankA = QStringLiteral("/skola/trida-a/test.db");
const QString BankB = QStringLiteral("/skola/trida-b/test.db");

// An evaluated attempt at questions 0..answers.size()-1 of a bank whose correct answer to
// question n is n % 3; `answers` gives A, B, C or '-' for none.
AttemptRecord attempt(const QString &person, const QDate &day, const QString &bank, const QString &answers)
{
    AttemptRecord record;
    record.start = QDateTime(day, QTime(10, 0), QTimeZone(3600));
    record.end = record.start.addSecs(600);
    record.computer = QStringLiteral("pc-1");
    record.id = results::attemptId(record.computer, record.start, static_cast<quint32>(qHash(person + bank)));
    record.person = person;
    record.ending = results::Ending::Ended;
    record.minutes = 30;
    record.bank.path = bank;
    record.bank.table = {1, record.start, bank == BankA ? QStringLiteral("aa") : QStringLiteral("bb")};
    for (int cis = 0; cis < answers.size(); ++cis) {
        results::AttemptQuestion question;
        question.cis = cis;
        question.group = 1;
        question.correct = cis % 3;
        if (answers.at(cis) != QLatin1Char('-')) {
            question.given = answers.at(cis).unicode() - u'A';
            question.evaluation = question.given == question.correct ? 1 : 2;
            question.answeredAt = record.start.addSecs(60);
        }
        record.counts.correct += question.evaluation == 1;
        record.counts.wrong += question.evaluation == 2;
        record.counts.unanswered += question.evaluation == 0;
        record.questions.append(question);
    }
    record.counts.percent = 100 * record.counts.correct / static_cast<int>(answers.size());
    return record;
}

class ResultsViewTest : public TeacherFixture
{
protected:
    void SetUp() override
    {
        TeacherFixture::SetUp();
        // Of bank A's questions 0 is always right, 1 twice of three times, 2 once.
        const QString own = QDir(programDir()).filePath(QStringLiteral("vysledky"));
        ASSERT_FALSE(results::writeRecord(own, attempt(QStringLiteral("Eva"), {2026, 2, 20}, BankA, QStringLiteral("ABA"))));
        ASSERT_FALSE(results::writeRecord(own, attempt(QStringLiteral("Jana"), {2026, 3, 1}, BankA, QStringLiteral("ABC"))));
        ASSERT_FALSE(results::writeRecord(own, attempt(QStringLiteral("Petr"), {2026, 3, 2}, BankA, QStringLiteral("AC-"))));
        copied = QFileInfo(writeFile(QStringLiteral("poskozeny.json"), "{\"format\": ")).path();
        ASSERT_FALSE(results::writeRecord(copied, attempt(QStringLiteral("Jana"), {2026, 3, 1}, BankA, QStringLiteral("ABC"))));
        ASSERT_FALSE(results::writeRecord(copied, attempt(QStringLiteral("Petr"), {2026, 4, 5}, BankB, QStringLiteral("BBC"))));
        view = std::make_unique<ResultsView>();
        view->resize(1300, 700);
        view->reload();
    }

    QStringList shownPersons() const
    {
        QStringList persons;
        for (int row = 0; row < view->attempts()->rowCount(); ++row)
            persons.append(view->attempts()->index(row, 0).data().toString());
        persons.sort();
        return persons;
    }

    QString copied;
    std::unique_ptr<ResultsView> view;
};

TEST_F(ResultsViewTest, ReadsTheProgramsFolderAndAddedOnesEachAttemptOnce)
{
    EXPECT_EQ(view->records().attempts.size(), 3);
    view->addFolder(copied);
    EXPECT_EQ(view->folders().size(), 2);
    EXPECT_EQ(view->records().attempts.size(), 4);
    EXPECT_EQ(view->records().duplicates, 1);
    ASSERT_EQ(view->records().skipped.size(), 1);
    EXPECT_TRUE(view->records().skipped.first().path.endsWith(QLatin1String("poskozeny.json")));
    view->addFolder(copied + QStringLiteral("/."));
    EXPECT_EQ(view->folders().size(), 2);
    view->removeFolder(copied);
    EXPECT_EQ(view->records().attempts.size(), 3);
}

TEST_F(ResultsViewTest, PersonDatesAndBankChooseTheAttemptsAndTheirStatistics)
{
    view->addFolder(copied);
    const struct
    {
        QString person;
        std::optional<QDate> from, to;
        QString bank;
        QStringList shown;
    } cases[] = {
        {{}, {}, {}, {}, {"Eva", "Jana", "Petr", "Petr"}},
        {QStringLiteral("pET"), {}, {}, {}, {"Petr", "Petr"}},
        {{}, QDate(2026, 3, 2), QDate(2026, 3, 31), {}, {"Petr"}},
        {{}, {}, {}, BankB, {"Petr"}},
    };
    for (const auto &c : cases) {
        view->setPerson(c.person);
        view->setDates(c.from, c.to);
        view->setBank(c.bank);
        EXPECT_EQ(shownPersons(), c.shown) << c.person.toStdString();
        EXPECT_EQ(view->summary().attempts.size(), c.shown.size());
    }
    view->setBank(BankA);
    view->setDates({}, {});
    EXPECT_EQ(view->summary().questions.size(), 3);
    EXPECT_EQ(view->summary().persons.size(), 3);
}

TEST_F(ResultsViewTest, TheChartPutsTheWorstQuestionFirstAndADoubleClickAsksForIt)
{
    const QList<results::QuestionStatistics> &bars = view->chart()->questions();
    ASSERT_EQ(bars.size(), 3);
    EXPECT_EQ(bars.first().cis, 2);
    EXPECT_LE(bars.at(0).correctShare(), bars.at(1).correctShare());
    EXPECT_LE(bars.at(1).correctShare(), bars.at(2).correctShare());
    QSignalSpy chosen(view.get(), &ResultsView::questionChosen);
    view->chart()->chooseBar(0);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().at(0).toString(), BankA);
    EXPECT_EQ(chosen.first().at(1).toInt(), 2);
}

TEST_F(ResultsViewTest, EachVersionOfABankIsChosenAndChartedOnItsOwn)
{
    // Bank A edited (another SHA-256 at its path), and another bank whose path ends as A's does.
    AttemptRecord edited = attempt(QStringLiteral("Olga"), {2026, 4, 1}, BankA, QStringLiteral("CCC"));
    edited.bank.table.sha256 = QStringLiteral("cc");
    AttemptRecord elsewhere = attempt(QStringLiteral("Rita"), {2026, 4, 2}, QStringLiteral("/stare") + BankA,
                                      QStringLiteral("AAA"));
    elsewhere.bank.table.sha256 = QStringLiteral("dd");
    const QString folder = QFileInfo(writeFile(QStringLiteral("x"), {})).path();
    for (const AttemptRecord &record : {edited, elsewhere})
        ASSERT_FALSE(results::writeRecord(folder, record));
    view->addFolder(folder);

    const struct
    {
        QString path, sha256;
        QStringList shown;
    } cases[] = {
        {BankA, {}, {"Eva", "Jana", "Olga", "Petr"}},
        {BankA, QStringLiteral("cc"), {"Olga"}},
        {BankA, QStringLiteral("aa"), {"Eva", "Jana", "Petr"}},
        {{}, {}, {"Eva", "Jana", "Olga", "Petr", "Rita"}},
    };
    for (const auto &c : cases) {
        view->setBank(c.path, c.sha256);
        EXPECT_EQ(shownPersons(), c.shown) << c.sha256.toStdString();
    }

    // A category axis drops a label it has already: each bar needs its own.
    const auto *chart = view->chart()->chart();
    const auto *series = qobject_cast<QAbstractBarSeries *>(chart->series().value(0));
    const auto *axis = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(series && axis);
    EXPECT_EQ(series->barSets().first()->count(), 9);
    EXPECT_EQ(axis->count(), 9);
    QSet<QString> banks;
    for (int row = 0; row < view->questions()->rowCount(); ++row)
        banks.insert(view->questions()->index(row, 0).data().toString());
    EXPECT_EQ(banks.size(), 3);
}

TEST(ResultsColumnsTest, FiguresHaveADecimalCommaAndASignOnlyForAChange)
{
    const auto shown = [](const auto &columns, const QString &header, const auto &row) {
        for (const auto &column : columns) {
            if (column.header == header)
                return column.display(row).toString();
        }
        return QStringLiteral("no column ") + header;
    };
    const struct
    {
        std::optional<double> value;
        QString trend, discrimination;
    } cases[] = {
        {20.0, QStringLiteral("+20,0"), QStringLiteral("20,00")},
        {0.04, QStringLiteral("0,0"), QStringLiteral("0,04")},
        {-0.004, QStringLiteral("0,0"), QStringLiteral("0,00")},
        {-0.6, QStringLiteral("-0,6"), QStringLiteral("-0,60")},
        {std::nullopt, QStringLiteral("–"), QStringLiteral("–")},
    };
    for (const auto &c : cases) {
        results::PersonStatistics person;
        person.trend = c.value;
        results::QuestionStatistics question;
        question.discrimination = c.value;
        EXPECT_EQ(shown(personColumns(), QStringLiteral("Trend"), person), c.trend);
        EXPECT_EQ(shown(questionStatisticsColumns(), QStringLiteral("Citlivost"), question), c.discrimination);
    }
}

TEST_F(ResultsViewTest, ExportsTheCsvOfTheCommandLineAndTheChart)
{
    const QString folder = QFileInfo(writeFile(QStringLiteral("x"), {})).path();
    ASSERT_TRUE(view->exportCsv(folder + QStringLiteral("/vysledky.csv")));
    QFile csv(folder + QStringLiteral("/vysledky.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), results::resultsCsv(view->summary()));

    view->show();
    for (const auto &[name, magic] : {std::pair{"graf.png", QByteArray("\x89PNG")}, {"graf.pdf", QByteArray("%PDF")}}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(view->saveChart(path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(4).startsWith(magic)) << name;
    }
    EXPECT_FALSE(view->exportCsv(folder + QStringLiteral("/x/vysledky.csv")));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(ResultsViewTest, PrintsTheChartThroughThePrintDialog)
{
    const QString pdf = QFileInfo(writeFile(QStringLiteral("x"), {})).path() + QStringLiteral("/tisk.pdf");
    int asked = 0;
    PrintDialog::setHandler([&](QPrinter &printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return asked == 2;
    });
    view->printChart();
    EXPECT_FALSE(QFile::exists(pdf));
    view->printChart();
    PrintDialog::setHandler({});
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(ResultsViewTest, TheProgramsResultsSettingsGoToItsTestIni)
{
    const ResultsSettings chosen{false, QStringLiteral("spolecne"), true};
    view->applyProgramSettings(chosen);
    const QString ini = programDir() + QStringLiteral("Test.ini");
    EXPECT_EQ(ResultsSettingsFile::read(ini), chosen);
    EXPECT_EQ(QDir::cleanPath(view->folders().first()), QDir::cleanPath(programDir() + QStringLiteral("spolecne")));
    EXPECT_TRUE(view->records().attempts.isEmpty());
}

}
