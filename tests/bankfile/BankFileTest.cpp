// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A bank's table written and read back: texts whole, the bank replaced kept as a backup, a link
// followed, a write cancelled or refused leaving the old bank; a table dumped.
#include "QStringPrinter.h"
#include "bankfile/BankFile.h"
#include "bankfile/FindingText.h"
#include "bankfile/TableDump.h"
#include "platform/core/AppError.h"
#include "common/BankBuilder.h"
#include "paradox/Table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

class BankFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A bank of n records whose question texts carry the tag.
    static BankContent bank(const QString &tag, int n = 6)
    {
        BankContent content;
        content.records = makeBankRecords(n, 0, 0);
        for (BankRecord &record : content.records)
            record.dotaz = tag + QStringLiteral(" ") + record.dotaz;
        return content;
    }

    static QString firstQuestion(const QString &db) { return readBank(db).records.value(0).dotaz; }

    QStringList files(const QString &pattern = QStringLiteral("*")) const
    {
        return QDir(m_dir.path()).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_dir;
};

TEST_F(BankFileTest, WrittenRecordsReadBackWhole)
{
    BankContent content = bank(QStringLiteral("text"), 3);
    content.records[0].dotaz = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy, \"citát\"; ").repeated(30);
    content.records[1].odp2 = QStringLiteral("řádek 1\r\nřádek 2");
    content.records[2] = {-5, 0, QString(), QString(), QStringLiteral(" "), QStringLiteral("C"), QString(), 7};
    const WrittenBank written = writeBank(content, path(QStringLiteral("b.db")));
    EXPECT_EQ(written.path, path(QStringLiteral("b.db")));
    EXPECT_EQ(written.backup, QString());
    const BankContent read = readBank(path(QStringLiteral("b.db")));
    EXPECT_EQ(read.records, content.records);
    EXPECT_TRUE(read.findings.isEmpty());
}

// Each earlier bank stays beside the new one, a memo file alone too; a link leads to where both go.
TEST_F(BankFileTest, TheBankReplacedIsKeptAsABackup)
{
    writeBank(bank(QStringLiteral("první")), path(QStringLiteral("test.db")));
    EXPECT_EQ(writeBank(bank(QStringLiteral("druhá")), path(QStringLiteral("test.db"))).backup, path(QStringLiteral("test-zaloha.db")));
    EXPECT_EQ(writeBank(bank(QStringLiteral("třetí")), path(QStringLiteral("test.db"))).backup, path(QStringLiteral("test-zaloha-2.db")));
    EXPECT_TRUE(firstQuestion(path(QStringLiteral("test-zaloha.db"))).startsWith(QStringLiteral("první")));
    EXPECT_TRUE(firstQuestion(path(QStringLiteral("test-zaloha-2.db"))).startsWith(QStringLiteral("druhá")));
    EXPECT_TRUE(firstQuestion(path(QStringLiteral("test.db"))).startsWith(QStringLiteral("třetí")));

    QFile memo(path(QStringLiteral("jen.mb")));
    ASSERT_TRUE(memo.open(QIODevice::WriteOnly));
    memo.write(QByteArray(8192, 'x'));
    memo.close();
    EXPECT_EQ(writeBank(bank(QStringLiteral("nová")), path(QStringLiteral("jen.db"))).backup, path(QStringLiteral("jen-zaloha.mb")));

    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("real"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("real/cil.db")), path(QStringLiteral("odkaz.db"))));
    writeBank(bank(QStringLiteral("odkazem")), path(QStringLiteral("odkaz.db")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("odkaz.db"))).isSymLink());
    EXPECT_TRUE(firstQuestion(path(QStringLiteral("real/cil.db"))).startsWith(QStringLiteral("odkazem")));
    EXPECT_EQ(writeBank(bank(QStringLiteral("bez")), path(QStringLiteral("b.db")), noProgress(), Backup::Skip).backup, QString());
    EXPECT_EQ(files(QStringLiteral("*-zaloha*")), (QStringList{"jen-zaloha.mb", "test-zaloha-2.db", "test-zaloha-2.mb",
                                                               "test-zaloha.db", "test-zaloha.mb"}));
}

// Asked to stop at its second step.
class StopAtSecondStep : public Progress
{
public:
    void step(qint64 done, qint64) override { m_steps.append(done); }
    bool cancelled() const override { return m_steps.size() >= 2; }
    QList<qint64> m_steps;
};

// A cancelled write, a folder in the table's place and a value the field cannot hold leave the
// old bank and no file behind, each said in words.
TEST_F(BankFileTest, AWriteCancelledOrRefusedLeavesTheOldBank)
{
    writeBank(bank(QStringLiteral("stará")), path(QStringLiteral("b.db")));
    const QStringList before = files();
    StopAtSecondStep stop;
    EXPECT_THROW(writeBank(bank(QStringLiteral("nová"), 600), path(QStringLiteral("b.db")), stop), OperationCancelled);
    EXPECT_EQ(stop.m_steps, (QList<qint64>{0, 256}));

    BankContent huge = bank(QStringLiteral("nová"));
    huge.records[1].cspravOdp = std::numeric_limits<qint32>::min();
    huge.origins = {{}, {QStringLiteral("m.csv"), QString(), QString(), 3}};
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("slozka.db"))));
    const std::pair<QString, QString> refusals[] = {
        {path(QStringLiteral("b.db")), QStringLiteral("Soubor m.csv, řádek 3: Hodnotu „-2147483648“ nelze zapsat do "
                                                      "celočíselného pole CspravOdp.")},
        {path(QStringLiteral("slozka.db")), QStringLiteral("je to složka")},
    };
    for (const auto &[target, reason] : refusals) {
        try {
            writeBank(target.endsWith(QLatin1String("slozka.db")) ? bank(QStringLiteral("x")) : huge, target);
            ADD_FAILURE() << qPrintable(target);
        } catch (const AppError &error) {
            EXPECT_TRUE(error.message().contains(reason)) << qPrintable(error.message());
        }
    }
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(firstQuestion(path(QStringLiteral("b.db"))).startsWith(QStringLiteral("stará")));
}

// A memo value of an unknown block type: the bank reads the rest, the dump leaves that cell empty.
TEST_F(BankFileTest, AnUndecodableValueIsAFindingOfItsRecord)
{
    QList<BankRecord> records = makeBankRecords(2, 1, 1);
    records[1].dotaz = QStringLiteral("Dlouhá otázka v souboru poznámek. ").repeated(20);
    writeBank(path(QStringLiteral("memo.db")), records);
    QFile mb(path(QStringLiteral("memo.mb")));
    ASSERT_TRUE(mb.open(QIODevice::ReadWrite) && mb.size() > 4096);
    mb.seek(4096);
    mb.write("\x09", 1); // the value's block is of no known type
    mb.close();

    const BankContent read = readBank(path(QStringLiteral("memo.db")));
    ASSERT_EQ(read.findings.size(), 1);
    EXPECT_EQ(read.findings[0].record, 1);
    EXPECT_EQ(read.unreadableRecords(), (QList<bool>{false, true, false, false}));
    EXPECT_EQ(read.records[3], records[3]);
    try {
        writeBank(read, path(QStringLiteral("kopie.db")));
        ADD_FAILURE() << "a record that did not read was written empty";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Banka se nezapsala: záznam 2 se nepřečetl ("))) << qPrintable(error.message());
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("kopie.db"))));

    paradox::Table table;
    table.setTableName(path(QStringLiteral("memo.db")));
    table.open();
    const TableDump dump = dumpTable(table, CsvStyle::spreadsheet());
    ASSERT_EQ(dump.problems.size(), 1);
    EXPECT_TRUE(findingLine(dump.problems[0]).startsWith(QStringLiteral("Záznam č. 2, pole Dotaz: ")));
    const QStringList lines = dump.csv.split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], QStringLiteral("\xFEFF" "Cis;Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp"));
    EXPECT_EQ(lines[2], QStringLiteral("1;1;;Odpověď A 1;Odpověď B 1;Odpověď C 1;Komentář 1;1"));
}

}
