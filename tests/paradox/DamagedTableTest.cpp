// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Damaged tables, made by cutting and corrupting good ones: each gives a paradox::TableError that
// names the file, never a crash, a hang or a wrong record count.
#include "common/BankBuilder.h"
#include "platform/core/AppError.h"
#include "paradox/Table.h"
#include "settings/EnforcedPermissions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr char DamagedTableName[] = "poškozená.db";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putLE16(QByteArray &bytes, int offset, quint16 value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

void putLE32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

// A damaged table may well hold text where a number was: that is a conversion error.
void integerIfAny(const paradox::Table &table, const QString &name)
{
    try {
        table.fieldAsInteger(name);
    } catch (const ConvertError &) {
    }
}

// Every value of every record as text, in table order.
QStringList fieldTexts(const QByteArray &db, const QByteArray &mb)
{
    paradox::Table table;
    table.openFromBytes(db, mb, QString::fromUtf8(DamagedTableName));
    QStringList texts;
    table.first();
    for (int r = 0; r < table.recordCount(); ++r) {
        for (int i = 0; i < table.fieldCount(); ++i)
            texts.append(table.fieldAsString(table.field(i).name));
        table.next();
    }
    return texts;
}

// Opens the bytes and reads every field of every record as text, and those that are no memo
// as integers too, as the program and `dump` do.
void readEverything(const QByteArray &db, const QByteArray &mb)
{
    paradox::Table table;
    table.openFromBytes(db, mb, QString::fromUtf8(DamagedTableName));
    table.first();
    for (int r = 0; r < table.recordCount(); ++r) {
        for (int i = 0; i < table.fieldCount(); ++i)
            table.fieldAsString(table.field(i).name);
        for (int i = 0; i < table.fieldCount(); ++i) {
            if (table.field(i).type != paradox::FieldType::Memo)
                integerIfAny(table, table.field(i).name);
        }
        table.next();
    }
}

// The table error for the bytes, or an empty text when they read without one.
QString tableErrorFor(const QByteArray &db, const QByteArray &mb)
{
    try {
        readEverything(db, mb);
    } catch (const paradox::TableError &error) {
        return error.message();
    }
    return {};
}

class DamagedTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // 40 records take several data blocks; record 1 has a memo value in a block of its own.
        QList<BankRecord> records = makeBankRecords(15, 15, 10);
        records[0].dotaz = QStringLiteral("Velmi dlouhá otázka. ").repeated(120);
        const QString path = m_dir.filePath(QStringLiteral("good.db"));
        writeBank(path, records);
        m_db = readFile(path);
        m_mb = readFile(m_dir.filePath(QStringLiteral("good.mb")));
        m_headerSize = le16(m_db, 2);
        m_blockSize = quint8(m_db[5]) * 1024;
        ASSERT_GE(le16(m_db, 0x0C), 3) << "the fixture needs several blocks";
        ASSERT_TRUE(tableErrorFor(m_db, m_mb).isEmpty());
    }

    int blockStart(int block) const { return m_headerSize + (block - 1) * m_blockSize; }
    // Where the last record of the last block ends.
    qsizetype recordsEnd() const
    {
        const int last = le16(m_db, 0x10);
        return blockStart(last) + 6 + qint16(le16(m_db, blockStart(last) + 4)) + le16(m_db, 0);
    }

    void expectUnreadable(const QByteArray &db, const char *what) const
    {
        const QString message = tableErrorFor(db, m_mb);
        EXPECT_TRUE(message.contains(QStringLiteral("není čitelná tabulka Paradox"))) << what << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(DamagedTableName))) << what << ": " << qPrintable(message);
    }

    void expectDamagedMemo(const QByteArray &mb, const char *what) const
    {
        const QString message = tableErrorFor(m_db, mb);
        EXPECT_TRUE(message.contains(QStringLiteral("poškozená.mb"))) << what << ": " << qPrintable(message);
    }

    QByteArray changed(const std::function<void(QByteArray &)> &change) const
    {
        QByteArray bytes = m_db;
        change(bytes);
        return bytes;
    }

    QTemporaryDir m_dir;
    QByteArray m_db;
    QByteArray m_mb;
    int m_headerSize = 0;
    int m_blockSize = 0;
};

TEST_F(DamagedTable, TruncatedFile)
{
    for (const qsizetype length : {qsizetype(0), qsizetype(10), qsizetype(0x57), qsizetype(0x100),
                                   qsizetype(m_headerSize - 1), qsizetype(m_headerSize),
                                   qsizetype(m_headerSize + 100), recordsEnd() - 1})
        expectUnreadable(m_db.left(length), qPrintable(QStringLiteral("length %1").arg(length)));
}

TEST_F(DamagedTable, CutInsideTheLastRecordNamesItsBlock)
{
    const int last = le16(m_db, 0x10);
    const QString message = tableErrorFor(m_db.left(recordsEnd() - 1), m_mb);
    EXPECT_TRUE(message.contains(QStringLiteral("bloku %1 ").arg(last))) << qPrintable(message);
    EXPECT_FALSE(message.contains(QStringLiteral("řetěz"))) << qPrintable(message);
}

// Paradox leaves tables whose last block is only partly in the file.
TEST_F(DamagedTable, FileEndingAfterTheLastRecordReadsWhole)
{
    ASSERT_LT(recordsEnd(), m_db.size()) << "the last block must have room to cut";
    const QStringList whole = fieldTexts(m_db, m_mb);
    EXPECT_EQ(fieldTexts(m_db.left(recordsEnd()), m_mb), whole);
    EXPECT_EQ(fieldTexts(m_db.left(recordsEnd() + 1), m_mb), whole);
    // Also when the header counts blocks far beyond the file.
    EXPECT_EQ(fieldTexts(changed([](QByteArray &b) { putLE16(b, 0x0C, 60000); }), m_mb), whole);
}

// Another program may cut, rewrite or replace the files while the table is open: the open
// table keeps reading what it read, whole and unmixed, and knows the files are no longer those.
TEST_F(DamagedTable, FilesChangedWhileOpenKeepTheReadSnapshot)
{
    const QString db = m_dir.filePath(QStringLiteral("good.db"));
    const QString mb = m_dir.filePath(QStringLiteral("good.mb"));
    QList<BankRecord> other = makeBankRecords(2, 2, 2);
    other[0].dotaz = QStringLiteral("Jiná dlouhá otázka. ").repeated(40);
    const QString otherDb = m_dir.filePath(QStringLiteral("other.db"));
    writeBank(otherDb, other);
    const QByteArray otherMb = readFile(m_dir.filePath(QStringLiteral("other.mb")));
    const QStringList whole = fieldTexts(m_db, m_mb);
    const auto overwrite = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // in place, as cp does
        file.write(bytes);
    };
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"table cut to nothing", [&] { QFile(db).resize(0); }},
        {"table cut inside the header", [&] { QFile(db).resize(m_headerSize); }},
        {"smaller bank copied over both", [&] { overwrite(db, readFile(otherDb)); overwrite(mb, otherMb); }},
        {"memo file damaged", [&] { overwrite(mb, m_mb.left(4096) + QByteArray(8192, '\x07')); }},
        {"memo file removed", [&] { QFile::remove(mb); }},
    };
    for (const auto &[what, change] : changes) {
        overwrite(db, m_db);
        overwrite(mb, m_mb);
        paradox::Table table;
        table.setTableName(db);
        table.open();
        change();
        QStringList texts;
        table.first();
        for (int r = 0; r < table.recordCount(); ++r, table.next()) {
            for (int i = 0; i < table.fieldCount(); ++i)
                texts.append(table.fieldAsString(table.field(i).name));
        }
        EXPECT_EQ(texts, whole) << what;
        EXPECT_EQ(table.integerColumn(QStringLiteral("Cis")).size(), whole.size() / 8) << what;
    }
}

// A memo file that is there but does not read fails only the value that needs it, in Czech.
TEST_F(DamagedTable, UnreadableMemoFileFailsOnlyTheValuesThatNeedIt)
{
    const QString db = m_dir.filePath(QStringLiteral("good.db"));
    ASSERT_TRUE(QFile::setPermissions(m_dir.filePath(QStringLiteral("good.mb")), QFileDevice::Permissions()));
    EnforcedPermissions enforced;
    paradox::Table table;
    table.setTableName(db);
    table.open();
    table.setRecNo(2);
    EXPECT_EQ(table.fieldAsString(QStringLiteral("Dotaz")), QStringLiteral("Otázka 1"));
    table.first();
    try {
        table.fieldAsString(QStringLiteral("Dotaz"));
        ADD_FAILURE() << "read a value from a memo file without rights to it";
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("good.mb nelze otevřít: chybí oprávnění"))) << qPrintable(error.message());
    }
}

TEST_F(DamagedTable, CountsThatDisagreeWithTheFile)
{
    const quint32 records = quint8(m_db[6]) | (quint8(m_db[7]) << 8);
    expectUnreadable(changed([&](QByteArray &b) { putLE32(b, 6, records + 1); }), "one record more");
    expectUnreadable(changed([&](QByteArray &b) { putLE32(b, 6, records - 1); }), "one record less");
    expectUnreadable(changed([](QByteArray &b) { putLE32(b, 6, 0xFFFFFFFFu); }), "huge record count");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 2, 0xFFFF); }), "header beyond the file");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 2, 0x20); }), "header too short");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 0, le16(b, 0) + 1); }), "record size");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 0, 0); }), "zero record size");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 0x21, 0); }), "no fields");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 0x21, 2000); }), "fields beyond the header");
    expectUnreadable(changed([&](QByteArray &b) { putLE16(b, blockStart(1) + 4, 7); }), "block data size");
    expectUnreadable(changed([&](QByteArray &b) { putLE16(b, blockStart(1) + 4, 0x7000); }), "block overflow");
    expectUnreadable(changed([](QByteArray &b) { b[5] = 5; }), "block size");
    expectUnreadable(changed([](QByteArray &b) { b[5] = 0; }), "zero block size");
}

TEST_F(DamagedTable, LoopingChain)
{
    expectUnreadable(changed([&](QByteArray &b) { putLE16(b, blockStart(2), 1); }), "back to the first");
    expectUnreadable(changed([&](QByteArray &b) { putLE16(b, blockStart(1), 1); }), "onto itself");
}

TEST_F(DamagedTable, ChainLeavingTheFile)
{
    expectUnreadable(changed([&](QByteArray &b) { putLE16(b, blockStart(1), 999); }), "next block");
    expectUnreadable(changed([](QByteArray &b) { putLE16(b, 0x0E, le16(b, 0x0C) + 1); }), "first block");
}

TEST_F(DamagedTable, PasswordProtectionIsRecognisedInEveryFileVersion)
{
    const auto expectProtected = [&](const QByteArray &db, const char *what) {
        const QString message = tableErrorFor(db, m_mb);
        EXPECT_TRUE(message.contains(QStringLiteral("chráněna heslem"))) << what << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(DamagedTableName))) << what << ": " << qPrintable(message);
    };
    // From version 5 on the word is at 0x5C, and 0x25 holds the plain-table mark.
    expectProtected(changed([](QByteArray &b) { putLE32(b, 0x5C, 0x0A25E09Au); }), "version 7");
    expectProtected(changed([](QByteArray &b) { b[0x39] = 9; putLE32(b, 0x5C, 1); }), "version 4.x");
    // Before version 5 the word is at 0x25; the protected blocks are never looked at.
    expectProtected(changed([&](QByteArray &b) {
        b[0x39] = 4;
        putLE32(b, 0x25, 0x1234ABCDu);
        putLE16(b, blockStart(1), 999);
    }), "version 3.5");
    // Zero is no protection in either place.
    EXPECT_EQ(tableErrorFor(changed([](QByteArray &b) { putLE32(b, 0x25, 0); putLE32(b, 0x5C, 0); }), m_mb),
              QString());
}

TEST_F(DamagedTable, UnknownFieldTypeOrSize)
{
    const QString message = tableErrorFor(changed([](QByteArray &b) { b[0x78] = 0x07; }), m_mb);
    EXPECT_TRUE(message.contains(QStringLiteral("neznámý typ 0x07"))) << qPrintable(message);
    expectUnreadable(changed([](QByteArray &b) { b[0x79] = 3; }), "Long of 3 bytes");
}

TEST_F(DamagedTable, MissingFieldName)
{
    const qsizetype names = m_db.indexOf(QByteArray("Cis\0Skupina", 11));
    ASSERT_GT(names, 0);
    const QString first = tableErrorFor(changed([&](QByteArray &b) { b[names] = 0; }), m_mb);
    EXPECT_TRUE(first.contains(QStringLiteral("chybí jméno pole č. 1"))) << qPrintable(first);
    const qsizetype last = m_db.indexOf("CspravOdp", names);
    const QString cut = tableErrorFor(changed([&](QByteArray &b) {
        std::fill(b.begin() + last, b.begin() + m_headerSize, '\x01');
    }), m_mb);
    EXPECT_TRUE(cut.contains(QStringLiteral("chybí jméno pole č. 8"))) << qPrintable(cut);
}

TEST_F(DamagedTable, UnknownCodePageLeavesTheTableClosed)
{
    paradox::Table table;
    table.openFromBytes(m_db, m_mb, QString::fromUtf8(DamagedTableName));
    ASSERT_GT(table.recordCount(), 0);
    try {
        table.openFromBytes(changed([](QByteArray &b) { putLE16(b, 0x6A, 4321); }), m_mb, QString::fromUtf8(DamagedTableName));
        ADD_FAILURE();
    } catch (const paradox::TableError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("kódová stránka 4321"))) << qPrintable(error.message());
    }
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_EQ(table.recNo(), 0);
}

TEST_F(DamagedTable, IndexFileOrUnknownVersion)
{
    expectUnreadable(changed([](QByteArray &b) { b[4] = 1; }), "index file");
    expectUnreadable(changed([](QByteArray &b) { b[0x39] = 0x30; }), "version");
}

TEST_F(DamagedTable, DamagedMemoFile)
{
    const int block = 4096;
    ASSERT_EQ(m_mb[block], 2) << "the long question has a block of its own";
    expectDamagedMemo(QByteArray(), "empty");
    expectDamagedMemo(m_mb.left(block + 50), "cut inside the value");
    QByteArray wrongType = m_mb;
    wrongType[block] = 7;
    expectDamagedMemo(wrongType, "block type");
    QByteArray wrongLength = m_mb;
    putLE32(wrongLength, block + 3, 5);
    expectDamagedMemo(wrongLength, "length");
    QByteArray noChunks = m_mb;
    putLE16(noChunks, block + 1, 0);
    expectDamagedMemo(noChunks, "chunk count");
}

TEST_F(DamagedTable, DamagedSubAllocatedMemoOfTheSample)
{
    const QString sample = QDir(QStringLiteral(TZ_SHARED_PARADOX_DIR)).filePath(QStringLiteral("biolife.mb"));
    if (!QFileInfo::exists(sample))
        GTEST_SKIP();
    const QByteArray db = readFile(QDir(QStringLiteral(TZ_SHARED_PARADOX_DIR)).filePath(QStringLiteral("biolife.db")));
    const QByteArray mb = readFile(sample);
    ASSERT_TRUE(tableErrorFor(db, mb).isEmpty());
    // The first record's note sits in a sub-allocated block (type 3) at 0x1000.
    ASSERT_EQ(mb[0x1000], 3);
    for (int entry = 0; entry < 64; ++entry) {
        QByteArray damaged = mb;
        damaged[0x1000 + 12 + entry * 5 + 1] = char(0xFF);
        const QString message = tableErrorFor(db, damaged);
        EXPECT_TRUE(message.isEmpty() || message.contains(QStringLiteral("poškozená.mb"))) << qPrintable(message);
    }
    QByteArray beyond = mb;
    beyond.truncate(0x1000 + 40);
    EXPECT_FALSE(tableErrorFor(db, beyond).isEmpty());
}

TEST_F(DamagedTable, AnySingleCorruptedHeaderOrBlockByteIsHandled)
{
    QList<int> offsets;
    for (int i = 0; i < m_headerSize; ++i)
        offsets.append(i);
    for (int block = 1; block <= le16(m_db, 0x0C); ++block) {
        for (int i = 0; i < 6; ++i)
            offsets.append(blockStart(block) + i);
    }
    for (const int offset : offsets) {
        for (const char value : {char(0x00), char(0xFF), char(0x80)}) {
            QByteArray bytes = m_db;
            bytes[offset] = value;
            const QString message = tableErrorFor(bytes, m_mb);
            if (!message.isEmpty()) {
                EXPECT_TRUE(message.contains(QStringLiteral("poškozená"))) << offset << ": " << qPrintable(message);
            }
        }
    }
}

}
