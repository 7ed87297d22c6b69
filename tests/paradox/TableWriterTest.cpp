// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Tables written by paradox::TableWriter, read back with paradox::Table and checked against the format.
#include "platform/core/AppError.h"
#include "paradox/Table.h"
#include "paradox/TableFiles.h"
#include "paradox/TableWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace paradox;

namespace {

quint16 le16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values of field M, record by record, of a table read from the bytes of both files.
QStringList memoTexts(const QByteArray &db, const QByteArray &mb)
{
    paradox::Table table;
    table.openFromBytes(db, mb, QStringLiteral("t.db"));
    QStringList values;
    table.first();
    for (int r = 0; r < table.recordCount(); ++r, table.next())
        values.append(table.fieldAsString(QStringLiteral("M")));
    return values;
}

class TableWriterTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("t.db")) const { return m_dir.filePath(name); }

    void openWritten(paradox::TableWriter &writer)
    {
        writer.write(path());
        m_table.setTableName(path());
        m_table.open();
    }

    static QList<FieldDef> allTypes()
    {
        return {{QStringLiteral("Jméno"), FieldType::Alpha, 20},
                {QStringLiteral("Malé"), FieldType::Short, 2},
                {QStringLiteral("Velké"), FieldType::Long, 4},
                {QStringLiteral("Reálné"), FieldType::Number, 8},
                {QStringLiteral("Poznámka"), FieldType::Memo, 20}};
    }

    QTemporaryDir m_dir;
    paradox::Table m_table;
};

TEST_F(TableWriterTest, EveryWritableTypeReadsBack)
{
    paradox::TableWriter writer(allTypes());
    writer.addRecord({QStringLiteral("Šťastná"), qint64(-32767), qint64(2147483647), 19.68503937007874,
                      QStringLiteral("Krátká")});
    writer.addRecord({QStringLiteral("Nula"), qint64(0), qint64(-2147483647), -0.5, QString(1000, QChar(0x17E))});
    openWritten(writer);

    ASSERT_EQ(m_table.recordCount(), 2);
    EXPECT_EQ(m_table.field(0).name, QStringLiteral("Jméno"));
    EXPECT_EQ(m_table.codePage(), 1250);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Jméno")), QStringLiteral("Šťastná"));
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Malé")), -32767);
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Velké")), 2147483647);
    EXPECT_EQ(std::get<double>(m_table.value(3)), 19.68503937007874);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Poznámka")), QStringLiteral("Krátká"));
    m_table.next();
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Malé")), 0);
    EXPECT_FALSE(std::holds_alternative<std::monostate>(m_table.value(1))) << "a stored 0 is not blank";
    EXPECT_EQ(m_table.fieldAsInteger(QStringLiteral("Velké")), -2147483647);
    EXPECT_EQ(std::get<double>(m_table.value(3)), -0.5);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("Poznámka")), QString(1000, QChar(0x17E)));
}

TEST_F(TableWriterTest, BlankValuesStayBlank)
{
    paradox::TableWriter writer(allTypes());
    writer.addRecord({Value(), Value(), Value(), Value(), QString()});
    openWritten(writer);
    m_table.first();
    for (int i = 0; i < m_table.fieldCount(); ++i)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(m_table.value(i))) << i;
}

TEST_F(TableWriterTest, FileFollowsTheFormatsLayout)
{
    paradox::TableWriter writer(allTypes(), 852);
    for (int i = 0; i < 500; ++i)
        writer.addRecord({QStringLiteral("r%1").arg(i), qint64(i), qint64(i), double(i), QString()});
    writer.write(path());
    const QByteArray db = readFile(path());
    ASSERT_GE(db.size(), 0x78);
    const int recordSize = le16(db, 0);
    const int headerSize = le16(db, 2);
    const int blockSize = quint8(db[5]) * 1024;
    EXPECT_EQ(recordSize, 20 + 2 + 4 + 8 + 20);
    EXPECT_EQ(db[4], 2) << "non-keyed";
    EXPECT_EQ(le16(db, 0x6A), 852);
    EXPECT_EQ(db.size(), headerSize + le16(db, 0x0C) * blockSize);
    // Walk the chain and count records as a reader would.
    int records = 0;
    int blocks = 0;
    for (int block = le16(db, 0x0E); block != 0 && blocks <= le16(db, 0x0C); ++blocks) {
        const int start = headerSize + (block - 1) * blockSize;
        records += qint16(le16(db, start + 4)) / recordSize + 1;
        block = le16(db, start);
    }
    EXPECT_GT(blocks, 1);
    EXPECT_EQ(records, 500);
    EXPECT_EQ(le16(db, 0x06), 500);
}

TEST_F(TableWriterTest, ManyRecordsKeepTheirOrderAcrossBlocks)
{
    paradox::TableWriter writer({{QStringLiteral("N"), FieldType::Long, 4}, {QStringLiteral("T"), FieldType::Alpha, 100}});
    for (int i = 0; i < 3000; ++i)
        writer.addRecord({qint64(i * 7), QStringLiteral("text %1").arg(i)});
    openWritten(writer);
    ASSERT_EQ(m_table.recordCount(), 3000);
    m_table.first();
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(m_table.recNo(), i + 1);
        ASSERT_EQ(m_table.fieldAsInteger(QStringLiteral("n")), i * 7);
        m_table.next();
    }
    m_table.setRecNo(1234);
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("T")), QStringLiteral("text 1233"));
}

TEST_F(TableWriterTest, LongMemoGoesToTheMemoFileShortStaysInTheRecord)
{
    const QList<FieldDef> fields{{QStringLiteral("M"), FieldType::Memo, 30}};
    paradox::TableWriter inRecord(fields);
    inRecord.addRecord({QString(20, QLatin1Char('x'))});
    inRecord.write(path());
    QFile::remove(path(QStringLiteral("t.mb")));
    m_table.setTableName(path());
    m_table.open();
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("M")), QString(20, QLatin1Char('x'))) << "needs no .mb";

    paradox::TableWriter withMemo(fields);
    const QString longText = QString(9000, QLatin1Char('y')) + QStringLiteral("konec");
    withMemo.addRecord({longText});
    withMemo.addRecord({QString(21, QLatin1Char('z'))});
    openWritten(withMemo);
    EXPECT_GT(QFileInfo(path(QStringLiteral("t.mb"))).size(), 9000);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("M")), longText);
    m_table.next();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("M")), QString(21, QLatin1Char('z')));
}

// Short values share sub-allocated blocks, long ones get blocks of their own; either reads back
// exactly, and the memo file stays within about twice the text.
TEST_F(TableWriterTest, MemoValuesOfEveryLengthReadBackAndShortOnesShareBlocks)
{
    const QList<FieldDef> fields{{QStringLiteral("M"), FieldType::Memo, 60}};
    paradox::TableWriter writer(fields);
    QStringList texts;
    qint64 textBytes = 0;
    for (const int length : {0, 1, 50, 51, 52, 64, 65, 255, 256, 1000, 2047, 2048, 2049, 4087, 4088, 10000})
        texts.append(QString(length, QChar(char16_t(u'a' + texts.size()))));
    for (int i = 0; i < 400; ++i)
        texts.append(QStringLiteral("Odpověď č. %1, ").arg(i).repeated(1 + i % 20));
    for (const QString &text : texts) {
        writer.addRecord({text});
        textBytes += text.toLatin1().size();
    }
    writer.write(path());
    EXPECT_EQ(memoTexts(readFile(path()), readFile(path(QStringLiteral("t.mb")))), texts);
    EXPECT_LE(QFileInfo(path(QStringLiteral("t.mb"))).size(), 2 * textBytes);
}

// A new table's values go only where the current table has none, so until the rename the old
// table reads whole against the memo file (the cut after the rename aside), and rewriting keeps
// the file bounded.
TEST_F(TableWriterTest, RewritingKeepsTheCurrentTablesValuesAndReusesFreedChunks)
{
    const QList<FieldDef> fields{{QStringLiteral("M"), FieldType::Memo, 20}};
    const auto texts = [](int round) {
        QStringList values;
        for (int i = 0; i < 60; ++i)
            values.append(QStringLiteral("kolo %1 hodnota %2 ").arg(round).arg(i).repeated(1 + (i * 13 + round) % 300));
        return values;
    };
    qint64 largest = 0;
    QByteArray previousDb;
    QByteArray previousMb;
    for (int round = 0; round < 8; ++round) {
        paradox::TableWriter writer(fields);
        for (const QString &text : texts(round))
            writer.addRecord({text});
        writer.write(path());
        const QByteArray mb = readFile(path(QStringLiteral("t.mb")));
        EXPECT_EQ(memoTexts(readFile(path()), mb), texts(round)) << round;
        if (round > 0) {
            EXPECT_EQ(memoTexts(previousDb, mb + previousMb.mid(mb.size())), texts(round - 1))
                << "the replaced table, round " << round;
        }
        previousDb = readFile(path());
        previousMb = mb;
        largest = std::max<qint64>(largest, mb.size());
    }
    qint64 textBytes = 0;
    for (const QString &text : texts(7))
        textBytes += text.size();
    // The old and the new values side by side at most, each about its text; without reuse eight
    // rounds would take four times as much.
    EXPECT_LE(largest, 4 * textBytes) << "freed chunks are reused";
}

TEST_F(TableWriterTest, ValuesTheFieldCannotHoldAreRefusedAndLeaveNoTrace)
{
    paradox::TableWriter writer(allTypes());
    const QList<QList<Value>> bad = {
        {QString(21, QLatin1Char('a')), Value(), Value(), Value(), Value()},
        {QStringLiteral("Жук"), Value(), Value(), Value(), Value()},
        {Value(), qint64(-32768), Value(), Value(), Value()},
        {Value(), qint64(40000), Value(), Value(), Value()},
        {Value(), QStringLiteral("12x"), Value(), Value(), Value()},
        {Value(), Value(), qint64(std::numeric_limits<qint32>::min()), Value(), Value()},
        {Value(), Value(), 1.5, Value(), Value()},
        {Value(), Value(), Value(), std::nan(""), Value()},
        {Value(), Value(), Value(), Value(), true},
        {Value(), Value(), Value(), Value(), QString(5000, QLatin1Char('m')) + QStringLiteral("Жук")},
        {Value(), Value()},
    };
    for (const auto &values : bad)
        EXPECT_THROW(writer.addRecord(values), paradox::TableError);
    EXPECT_EQ(writer.recordCount(), 0);
    writer.addRecord({QStringLiteral("ok"), qint64(1), qint64(2), 3.0, QString(100, QLatin1Char('k'))});
    openWritten(writer);
    EXPECT_EQ(m_table.recordCount(), 1);
    // Only the accepted memo value is in the memo file: one header chunk and one value block.
    EXPECT_EQ(QFileInfo(path(QStringLiteral("t.mb"))).size(), 2 * 4096);
}

TEST_F(TableWriterTest, RefusedRecordTakesItsMemoValuesBackOut)
{
    paradox::TableWriter writer({{QStringLiteral("M"), FieldType::Memo, 20}, {QStringLiteral("S"), FieldType::Short, 2}});
    EXPECT_THROW(writer.addRecord({QString(3000, QLatin1Char('a')), qint64(99999)}), paradox::TableError);
    writer.addRecord({QString(3000, QLatin1Char('b')), qint64(1)});
    openWritten(writer);
    EXPECT_EQ(QFileInfo(path(QStringLiteral("t.mb"))).size(), 2 * 4096);
    m_table.first();
    EXPECT_EQ(m_table.fieldAsString(QStringLiteral("M")), QString(3000, QLatin1Char('b')));
}

TEST_F(TableWriterTest, FieldsTheWriterCannotMakeAreRefused)
{
    EXPECT_THROW(paradox::TableWriter(QList<FieldDef>{}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QStringLiteral("D"), FieldType::Date, 4}}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QStringLiteral("A"), FieldType::Alpha, 0}}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QStringLiteral("S"), FieldType::Short, 4}}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QString(), FieldType::Long, 4}}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QStringLiteral("Поле"), FieldType::Long, 4}}), paradox::TableError);
    EXPECT_THROW(paradox::TableWriter({{QStringLiteral("X"), FieldType::Long, 4}}, 4321), paradox::TableError);
    EXPECT_NO_THROW(paradox::TableWriter({{QStringLiteral("Поле"), FieldType::Long, 4}}, 1251));
}

TEST_F(TableWriterTest, FailedWriteLeavesTheOldFileWhole)
{
    paradox::TableWriter first({{QStringLiteral("N"), FieldType::Long, 4}});
    first.addRecord({qint64(1)});
    first.write(path());
    const QByteArray before = readFile(path());
    paradox::TableWriter second({{QStringLiteral("N"), FieldType::Long, 4}});
    second.addRecord({qint64(2)});
    EXPECT_THROW(second.write(m_dir.filePath(QStringLiteral("chybí/t.db"))), paradox::TableError);
    EXPECT_EQ(readFile(path()), before);
}

// A part of the new table that cannot be made leaves the old table and no temporary file.
TEST_F(TableWriterTest, APartThatCannotBeMadeLeavesNoTemporaryFile)
{
    paradox::TableWriter first({{QStringLiteral("N"), FieldType::Long, 4}});
    first.addRecord({qint64(1)});
    first.write(path());
    const QByteArray before = readFile(path());
    {
        paradox::TableFiles files(path());
        int parts = 0;
        const auto nextPart = [&parts]() -> QByteArray {
            if (++parts > 1)
                throw std::bad_alloc();
            return QByteArray(100, 'x');
        };
        EXPECT_THROW(files.replaceTable(nextPart), std::bad_alloc);
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("t.db.tmp"))));
    }
    EXPECT_EQ(readFile(path()), before);
}

// A write that fails before it writes anything leaves the folder to the next write.
TEST_F(TableWriterTest, AWriteRefusedAtTheStartReleasesTheFolder)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("t.db.tmp/obsah")));
    paradox::TableWriter writer({{QStringLiteral("N"), FieldType::Long, 4}});
    writer.addRecord({qint64(1)});
    EXPECT_THROW(writer.write(path()), paradox::TableError);
    ASSERT_TRUE(QDir(path(QStringLiteral("t.db.tmp"))).removeRecursively());
    EXPECT_NO_THROW(writer.write(path()));
}

TEST_F(TableWriterTest, EmptyTableHasFieldsAndNoRecords)
{
    paradox::TableWriter writer(allTypes());
    openWritten(writer);
    EXPECT_EQ(m_table.recordCount(), 0);
    EXPECT_EQ(m_table.fieldCount(), 5);
    EXPECT_EQ(m_table.recNo(), 0);
}

}
