// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToolRun.h"
#include "results/SampleAttempts.h"

#include "results/RecordWriter.h"
#include "tools/ResultsCommand.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class ResultsCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeAttempt(QStringLiteral("a1"), QStringLiteral("Adam"), pragueTime(2, 8), QStringLiteral("ABCBB"));
        writeAttempt(QStringLiteral("a2"), QStringLiteral("Bára"), pragueTime(9, 8), QStringLiteral("AB--B"));
    }

    void writeAttempt(const QString &id, const QString &person, const QDateTime &start, const QString &given)
    {
        ASSERT_EQ(results::writeRecord(folder(), sampleAttempt(id, person, start, QStringLiteral("ABCAB"), given)),
                  std::nullopt);
    }

    QString folder() const { return m_dir.filePath(QStringLiteral("vysledky")); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    ResultsCommandOutput run(QStringList arguments) const
    {
        return resultsCommand(arguments, m_dir.path() + u'/');
    }

    QTemporaryDir m_dir;
};

TEST_F(ResultsCommandTest, WrongUseNamesTheFaultAndEndsWithTwo)
{
    const struct
    {
        QStringList arguments;
        const char *fault;
    } cases[] = {
        {{QStringLiteral("--od")}, "Volba --od potřebuje hodnotu."},
        {{QStringLiteral("--do"), QStringLiteral("31.2.2026")}, "Datum „31.2.2026“ u volby --do neznám"},
        {{QStringLiteral("--rok"), QStringLiteral("2026")}, "Neznámá volba --rok."},
        {{QStringLiteral("--do"), QStringLiteral("1.3.2026"), QStringLiteral("--od"), QStringLiteral("2026-03-02")},
         "Datum u volby --od je pozdější než datum u volby --do."},
    };
    for (const auto &[arguments, fault] : cases) {
        const ResultsCommandOutput output = run(arguments);
        EXPECT_EQ(output.exitCode, 2);
        EXPECT_TRUE(output.err.startsWith(QString::fromUtf8(fault))) << output.err.toStdString();
        EXPECT_TRUE(output.err.endsWith(QStringLiteral("\nNávod k použití: test-znalosti-banka vysledky --help\n")));
    }
    EXPECT_EQ(run({QStringLiteral("--help")}).exitCode, 0);
}

TEST_F(ResultsCommandTest, ReportsTheAttemptsTheFiltersLeave)
{
    const struct
    {
        QStringList options;
        int exitCode;
        QString first;
    } cases[] = {
        {{}, 0, QStringLiteral("2 pokusy:")},
        {{QStringLiteral("--od"), QStringLiteral("2026-03-03")}, 0, QStringLiteral("1 pokus:")},
        {{QStringLiteral("--do"), QStringLiteral("2.3.2026"), QStringLiteral("--banka"), QStringLiteral("fyzika")},
         0, QStringLiteral("1 pokus:")},
        {{QStringLiteral("--banka"), QStringLiteral("chemie")}, 1, QString()},
    };
    for (const auto &[options, exitCode, first] : cases) {
        const ResultsCommandOutput output = run(options + QStringList{folder()});
        EXPECT_EQ(output.exitCode, exitCode) << options.join(u' ').toStdString();
        EXPECT_EQ(output.out.section(u'\n', 0, 0), first);
        EXPECT_EQ(output.err, exitCode == 1 ? QStringLiteral("Žádný pokus nenalezen.\n") : QString());
    }
}

TEST_F(ResultsCommandTest, WithoutFoldersReadsTheFolderOfTestIni)
{
    const auto setFolder = [this](const QByteArray &folder) {
        QFile ini(path(QStringLiteral("Test.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Vysledky]\nSlozka=" + folder + "\n");
    };
    setFolder("trida");
    const ResultsCommandOutput none = run({});
    EXPECT_EQ(none.exitCode, 1) << "the folder is made by the first recorded test";
    EXPECT_EQ(none.err, QStringLiteral("Složka výsledků %1/ zatím neexistuje; žádný pokus nenalezen.\n")
                            .arg(path(QStringLiteral("trida"))));
    setFolder("vysledky");
    EXPECT_EQ(run({}).out.section(u'\n', 0, 0), QStringLiteral("2 pokusy:"));

    const ResultsCommandOutput missing = run({folder(), path(QStringLiteral("nikde"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, QStringLiteral("Složku %1 nelze číst: soubor nebo složka neexistuje.\n")
                               .arg(path(QStringLiteral("nikde"))));
    EXPECT_TRUE(missing.out.startsWith(QStringLiteral("2 pokusy:"))) << "what could be read is reported";
}

TEST_F(ResultsCommandTest, CsvIsWrittenWholeOrNamesWhyNot)
{
    const ResultsCommandOutput written =
        run({QStringLiteral("--csv"), path(QStringLiteral("tabulka.csv")), QStringLiteral("--carka"), folder()});
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_EQ(written.out, QStringLiteral("Zapsáno do %1: 2 pokusy, 5 otázek, 2 osoby.\n").arg(path(QStringLiteral("tabulka.csv"))));
    const QByteArray csv = readFile(path(QStringLiteral("tabulka.csv")));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFPokusy\r\nZačátek,Konec,"));
    EXPECT_TRUE(csv.contains(",0.5000,"));

    const ResultsCommandOutput refused = run({QStringLiteral("--csv"), path(QStringLiteral("chybi/t.csv")), folder()});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, QStringLiteral("Soubor %1 nelze zapsat: soubor nebo složka neexistuje.\n")
                               .arg(path(QStringLiteral("chybi/t.csv"))));
}

TEST_F(ResultsCommandTest, TheToolRunsTheCommand)
{
    const Outcome outcome = runTestbank({QStringLiteral("vysledky"), folder()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.startsWith(QStringLiteral("2 pokusy:\n"))) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("Bára")));
}

}
