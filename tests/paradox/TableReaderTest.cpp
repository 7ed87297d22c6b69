// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading tables: the sample tables against their expected values, navigation, field lookup,
// code pages, the memo file and the promise never to write.
#include "common/BankBuilder.h"
#include "platform/core/AppError.h"
#include "paradox/Table.h"
#include "paradox/Value.h"
#include "paradox/TableWriter.h"
#include "settings/EnforcedPermissions.h"
#include "bankfile/Csv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numeric>

using namespace paradox;

namespace {

QString sharedTable(const QString &name)
{
    return QDir(QStringLiteral(TZ_SHARED_PARADOX_DIR)).filePath(name);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Equal texts, or texts of the same number (BCD values are compared as numbers).
bool sameValue(const QString &actual, const QString &expected)
{
    bool actualIsNumber = false;
    bool expectedIsNumber = false;
    const double a = actual.toDouble(&actualIsNumber);
    const double e = expected.toDouble(&expectedIsNumber);
    return actual == expected || (actualIsNumber && expectedIsNumber && a == e);
}

class SampleTables : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SampleTables, EveryValueMatchesTheExpectedCsv)
{
    const QString name = QString::fromLatin1(GetParam());
    const QString expectedPath = sharedTable(name + QStringLiteral(".expected.csv"));
    if (!QFileInfo::exists(expectedPath))
        GTEST_SKIP() << "no sample tables in " << TZ_SHARED_PARADOX_DIR;
    const QList<CsvRow> expected = Csv::parse(QString::fromUtf8(readFile(expectedPath)));
    ASSERT_FALSE(expected.isEmpty());

    paradox::Table table;
    table.setTableName(sharedTable(name + QStringLiteral(".db")));
    table.open();
    ASSERT_EQ(table.fieldCount(), expected[0].cells.size());
    for (int i = 0; i < table.fieldCount(); ++i)
        EXPECT_EQ(table.field(i).name, expected[0].cells[i]);
    ASSERT_EQ(table.recordCount(), expected.size() - 1);
    table.first();
    for (int r = 1; r < expected.size(); ++r) {
        for (int i = 0; i < table.fieldCount(); ++i) {
            const QString &cell = expected[r].cells[i];
            if (cell != QLatin1String("*")) {
                EXPECT_TRUE(sameValue(table.fieldAsString(table.field(i).name), cell))
                    << "record " << r << " field " << i << ": " << qPrintable(table.fieldAsString(table.field(i).name));
            }
        }
        table.next();
    }
}

INSTANTIATE_TEST_SUITE_P(ParadoxTable, SampleTables, ::testing::Values("country", "biolife", "empty", "bcd"));

TEST(ParadoxTableSamples, ProtectedSampleIsRefusedAsProtected)
{
    const QString path = sharedTable(QStringLiteral("protected.db"));
    if (!QFileInfo::exists(path))
        GTEST_SKIP();
    paradox::Table table;
    table.setTableName(path);
    try {
        table.open();
        ADD_FAILURE() << "a protected table was read";
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("chráněna heslem"))) << qPrintable(error.message());
        EXPECT_TRUE(error.message().contains(QStringLiteral("protected.db"))) << qPrintable(error.message());
    }
    EXPECT_FALSE(table.isOpen());
}

TEST(ParadoxTableSamples, BcdValuesConvertToIntegersLikeNumbers)
{
    const QString path = sharedTable(QStringLiteral("bcd.db"));
    if (!QFileInfo::exists(path))
        GTEST_SKIP();
    paradox::Table table;
    table.setTableName(path);
    table.open();
    QList<qint32> column;
    for (int r = 1; r <= table.recordCount(); ++r) {
        table.setRecNo(r);
        column.append(table.fieldAsInteger(QStringLiteral("a")));
    }
    EXPECT_EQ(column, (QList<qint32>{1, -1, 0}));
}

TEST(ParadoxTableSamples, NumbersOfTheSampleConvertToIntegers)
{
    if (!QFileInfo::exists(sharedTable(QStringLiteral("biolife.db"))))
        GTEST_SKIP();
    paradox::Table table;
    table.setTableName(sharedTable(QStringLiteral("biolife.db")));
    table.open();
    EXPECT_EQ(table.codePage(), 437);
    table.first();
    const double length = std::get<double>(table.value(5));
    EXPECT_EQ(table.fieldAsInteger(QStringLiteral("length_in")), qint32(std::nearbyint(length)));
    EXPECT_THROW(table.fieldAsInteger(QStringLiteral("Category")), ConvertError);
}

class ParadoxTableTest : public ::testing::Test
{
protected:
    QString bank(const QList<BankRecord> &records, const QString &name = QStringLiteral("test.db"))
    {
        const QString path = m_dir.filePath(name);
        writeBank(path, records);
        return path;
    }
    void open(const QString &path)
    {
        m_table.setTableName(path);
        m_table.open();
    }

    QTemporaryDir m_dir;
    paradox::Table m_table;
};

TEST_F(ParadoxTableTest, NavigationVisitsRecordsInOrderAndStaysAtTheLast)
{
    open(bank(makeBankRecords(2, 1, 1)));
    ASSERT_EQ(m_table.recordCount(), 4);
    m_table.first();
    for (int expected = 1; expected <= 4; ++expected) {
        EXPECT_EQ(m_table.recNo(), expected);
        EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Cis")), expected - 1);
        m_table.next();
    }
    EXPECT_EQ(m_table.recNo(), 4);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Cis")), 3);
    m_table.setRecNo(2);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Dotaz")), QStringLiteral("Otázka 1"));
    EXPECT_THROW(m_table.setRecNo(0), paradox::TableError);
    EXPECT_THROW(m_table.setRecNo(5), paradox::TableError);
    EXPECT_EQ(m_table.recNo(), 2);
}

// Many blocks: stepping, jumping back and forth across blocks and reading a whole column agree.
TEST_F(ParadoxTableTest, RecordsOfManyBlocksAreFoundInEveryWay)
{
    QList<BankRecord> records = makeBankRecords(300, 200, 100);
    open(bank(records));
    ASSERT_EQ(m_table.recordCount(), 600);
    QList<qint32> walked;
    m_table.first();
    for (int r = 0; r < 600; ++r) {
        walked.append(m_table.fieldAsInteger(QStringLiteral("Cis")));
        m_table.next();
    }
    QList<qint32> expected(600);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(walked, expected);
    for (const int recNo : {600, 1, 299, 300, 301, 37, 599, 2}) {
        m_table.setRecNo(recNo);
        EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("cis")), recNo - 1);
        m_table.next();
        EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Cis")), std::min(recNo, 599));
    }
    m_table.setRecNo(42);
    EXPECT_EQ(m_table.integerColumn(QStringLiteral("CIS")), expected);
    EXPECT_EQ(m_table.integerColumn(QStringLiteral("Skupina")).count(2), 200);
    const QList<QList<qint32>> both = m_table.integerColumns({QStringLiteral("Skupina"), QStringLiteral("cis")});
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both[1], expected);
    EXPECT_EQ(both[0].count(2), 200);
    EXPECT_EQ(m_table.recNo(), 42);
    EXPECT_THROW(m_table.integerColumn(QStringLiteral("Dotaz")), ConvertError);
    EXPECT_THROW(m_table.integerColumn(QStringLiteral("Číslo")), paradox::TableError);
}

TEST_F(ParadoxTableTest, FieldNamesMatchInAnyLetterCase)
{
    open(bank(makeBankRecords(1, 0, 0)));
    m_table.first();
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("SKUPINA")), 1);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("skupina")), 1);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("kOMENTAR")), QStringLiteral("Komentář 0"));
    try {
        m_table.fieldAsInteger(QStringLiteral("Body"));
        ADD_FAILURE();
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Body")));
    }
}

TEST_F(ParadoxTableTest, IntegersReadAsTextAndTextAsIntegers)
{
    paradox::TableWriter writer({{QStringLiteral("Cis"), FieldType::Alpha, 10}, {QStringLiteral("Skupina"), FieldType::Number, 8}});
    writer.addRecord({QStringLiteral("17"), 2.5});
    writer.addRecord({QStringLiteral("sedm"), Value()});
    const QString path = m_dir.filePath(QStringLiteral("mixed.db"));
    writer.write(path);
    open(path);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Cis")), 17);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Skupina")), 2);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Skupina")), QStringLiteral("2.5"));
    m_table.next();
    EXPECT_THROW(m_table.fieldAsInteger(QStringLiteral("Cis")), ConvertError);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Skupina")), 0);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Skupina")), QString());
}

TEST_F(ParadoxTableTest, TextAndFieldNamesComeFromEveryCodePage)
{
    const QList<std::pair<int, QString>> samples = {
        {437, QStringLiteral("Café £5")}, {850, QStringLiteral("Ærø ñ")}, {852, QStringLiteral("Žluťoučký kůň")},
        {866, QStringLiteral("Жёлтый")}, {1250, QStringLiteral("Příliš úpěl")}, {1251, QStringLiteral("Щука ёж")},
        {1252, QStringLiteral("Größe €")}};
    for (const auto &[codePage, text] : samples) {
        const QString fieldName = text.left(4);
        paradox::TableWriter writer({{fieldName, FieldType::Alpha, 40}, {QStringLiteral("M"), FieldType::Memo, 11}}, codePage);
        writer.addRecord({text, text.repeated(3)});
        const QString path = m_dir.filePath(QStringLiteral("cp%1.db").arg(codePage));
        writer.write(path);
        open(path);
        EXPECT_EQ(m_table.codePage(), codePage);
        EXPECT_EQ(m_table.field(0).name, fieldName) << codePage;
        m_table.first();
        EXPECT_EQ(m_table.fieldAsString(fieldName), text) << codePage;
        EXPECT_EQ(m_table.fieldAsString(QStringLiteral("M")), text.repeated(3)) << codePage;
    }
}

TEST_F(ParadoxTableTest, MemoFileIsFoundInAnyLetterCase)
{
    QList<BankRecord> records = makeBankRecords(1, 0, 0);
    records[0].dotaz = QStringLiteral("Dlouhá otázka ").repeated(40);
    const QString path = bank(records, QStringLiteral("Banka.DB"));
    ASSERT_TRUE(QFile::rename(m_dir.filePath(QStringLiteral("Banka.mb")), m_dir.filePath(QStringLiteral("BANKA.Mb"))));
    open(path);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Dotaz")), records[0].dotaz);
}

TEST_F(ParadoxTableTest, MissingMemoFileFailsOnlyForValuesThatNeedIt)
{
    QList<BankRecord> records = makeBankRecords(2, 0, 0);
    records[1].komentar = QString(300, QLatin1Char('k'));
    const QString path = bank(records);
    ASSERT_TRUE(QFile::remove(m_dir.filePath(QStringLiteral("test.mb"))));
    open(path);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Komentar")), QStringLiteral("Komentář 0"));
    m_table.next();
    try {
        m_table.fieldAsString(QStringLiteral("Komentar"));
        ADD_FAILURE();
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("test.mb"))) << qPrintable(error.message());
    }
}

TEST_F(ParadoxTableTest, OpeningNeverChangesTheFiles)
{
    QList<BankRecord> records = makeBankRecords(3, 3, 3);
    records[4].odp2 = QString(700, QChar(0x10D));
    const QString path = bank(records);
    const QString memo = m_dir.filePath(QStringLiteral("test.mb"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    const QByteArray dbBefore = readFile(path);
    const QByteArray mbBefore = readFile(memo);
    const QDateTime modified = QFileInfo(path).lastModified();
    open(path);
    m_table.first();
    for (int r = 0; r < m_table.recordCount(); ++r, m_table.next())
        m_table.fieldAsString(QStringLiteral("Odp2"));
    m_table.close();
    EXPECT_EQ(readFile(path), dbBefore);
    EXPECT_EQ(readFile(memo), mbBefore);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "no lock or temporary file";
}

TEST_F(ParadoxTableTest, OpenFromBytesReadsLikeTheFile)
{
    QList<BankRecord> records = makeBankRecords(2, 2, 1);
    records[3].dotaz = QString(500, QLatin1Char('q'));
    const QString path = bank(records);
    m_table.openFromBytes(readFile(path), readFile(m_dir.filePath(QStringLiteral("test.mb"))), QStringLiteral("paměť.db"));
    ASSERT_EQ(m_table.recordCount(), 5);
    m_table.setRecNo(4);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Dotaz")), records[3].dotaz);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Skupina")), 2);
}

TEST_F(ParadoxTableTest, MissingOrClosedTableRaisesTableError)
{
    EXPECT_THROW(m_table.fieldAsInteger(QStringLiteral("Cis")), paradox::TableError);
    m_table.setTableName(m_dir.filePath(QStringLiteral("není.db")));
    try {
        m_table.open();
        ADD_FAILURE();
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("není.db")));
    }
    EXPECT_FALSE(m_table.isOpen());
    open(bank(makeBankRecords(1, 1, 1)));
    EXPECT_TRUE(m_table.isOpen());
    m_table.close();
    EXPECT_FALSE(m_table.isOpen());
    EXPECT_EQ(m_table.recordCount(), 0);
    EXPECT_THROW(m_table.fieldAsString(QStringLiteral("Dotaz")), paradox::TableError);
}

TEST_F(ParadoxTableTest, UnopenableFileSaysWhy)
{
    const auto messageFor = [this](const QString &path) {
        m_table.setTableName(path);
        try {
            m_table.open();
        } catch (const paradox::TableError &error) {
            return error.message();
        }
        return QString();
    };
    const QString folder = m_dir.filePath(QStringLiteral("složka.db"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(messageFor(folder).contains(QStringLiteral("složka"))) << qPrintable(messageFor(folder));

    const QString locked = bank(makeBankRecords(2, 2, 2));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    {
        const EnforcedPermissions enforced;
        const QString message = messageFor(locked);
        EXPECT_TRUE(message.contains(QStringLiteral("oprávnění"))) << qPrintable(message);
        EXPECT_FALSE(message.contains(QStringLiteral("Neznámá"))) << qPrintable(message);
    }
    EXPECT_FALSE(m_table.isOpen());
}

TEST_F(ParadoxTableTest, EmptyTableHasNoCurrentRecord)
{
    open(bank({}));
    EXPECT_EQ(m_table.recordCount(), 0);
    m_table.first();
    m_table.next();
    EXPECT_EQ(m_table.recNo(), 0);
    EXPECT_THROW(m_table.fieldAsInteger(QStringLiteral("Cis")), paradox::TableError);
}

}
