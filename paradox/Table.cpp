// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/Table.h"

#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/FileSnapshot.h"
#include "paradox/Layout.h"
#include "paradox/Memo.h"
#include "paradox/Value.h"
#include "paradox/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

namespace paradox {


namespace {

// Larger than any table the format can describe (65535 blocks of 32 KiB and the header).
constexpr qint64 MaxTableFileSize = qint64(65536) * 32768 + 65536;
// The largest memo file a leader can point into: the last block offset and its chunks.
constexpr qint64 MaxMemoFileSize = qint64(0xFFFFFF00u) + qint64(0xFFFF) * format::MemoChunk;
// A build elsewhere may replace the files between the two reads; read again this often.
constexpr int SnapshotAttempts = 3;
// How far ahead of the current record reading in table order fetches memory.
constexpr qint64 PrefetchDistance = 32768;
// Enough for every spelling of every field a program asks for.
constexpr qsizetype NameCacheSize = 64;

}

struct Table::Data
{
    QString tableName;
    QString nameForMessages;
    bool open = false;
    // The table's bytes, read whole at open.
    QByteArray db;
    // What was read, to tell when the files on disk are no longer those (only for open()).
    std::optional<FileIdentity> dbIdentity;
    QString memoPath;
    std::optional<FileIdentity> memoIdentity;
    Memo memo;
    Layout layout;
    std::unique_ptr<TextCodec> codec;
    qsizetype current = -1;
    std::size_t currentBlock = 0;
    qint64 currentOffset = 0; // of the current record, inside the file
    // Names asked for, exactly as given, with their field index: the program asks by the same
    // few names for every record.
    mutable QList<std::pair<QString, int>> nameCache;

    void load(const QByteArray &bytes);
    // The program asks by the same few QString objects for every record: those are found by
    // their characters' address alone.
    int fieldIndex(const QString &name) const
    {
        for (const auto &[cachedName, index] : std::as_const(nameCache)) {
            if (cachedName.constData() == name.constData())
                return index;
        }
        return lookUpField(name);
    }
    int lookUpField(const QString &name) const;
    const char *fieldBytes(int index) const;
    void requireCurrent() const
    {
        if (!open || current < 0) [[unlikely]]
            failWithoutCurrent();
    }
    [[noreturn]] void failWithoutCurrent() const;
    void readFiles();
    bool filesAsRead() const;
    void moveTo(qsizetype record);
    qint32 integerAt(const char *raw, const FieldDef &field) const;
    qint32 convertedIntegerAt(const char *raw, const FieldDef &field) const;
};

void Table::Data::load(const QByteArray &bytes)
{
    Layout parsed = Layout::parse(bytes, nameForMessages);
    auto textCodec = std::make_unique<TextCodec>(parsed.codePage);
    if (!textCodec->isValid())
        throw TableError(QStringLiteral("Soubor %1 není čitelná tabulka Paradox: neznámá kódová stránka %2")
                             .arg(QDir::toNativeSeparators(nameForMessages))
                             .arg(parsed.codePage));
    layout = std::move(parsed);
    codec = std::move(textCodec);
    db = bytes;
    nameCache.clear();
    current = -1;
    if (layout.recordCount > 0)
        moveTo(0);
    open = true;
}

int Table::Data::lookUpField(const QString &name) const
{
    for (const auto &[cachedName, index] : std::as_const(nameCache)) {
        if (cachedName == name)
            return index;
    }
    for (qsizetype i = 0; i < layout.fields.size(); ++i) {
        if (layout.fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            if (nameCache.size() < NameCacheSize)
                nameCache.append({name, static_cast<int>(i)});
            return static_cast<int>(i);
        }
    }
    throw TableError(QStringLiteral("Tabulka %1 nemá pole %2.")
                         .arg(QDir::toNativeSeparators(nameForMessages), name));
}

void Table::Data::failWithoutCurrent() const
{
    if (!open)
        throw TableError(QStringLiteral("Tabulka není otevřená."));
    throw TableError(QStringLiteral("Tabulka %1 nemá žádný záznam.").arg(QDir::toNativeSeparators(nameForMessages)));
}

// Reads the table and its memo file once each; the memo file's problems matter only when a
// value needs it.
void Table::Data::readFiles()
{
    const FileSnapshot table = FileSnapshot::read(
        tableName, MaxTableFileSize, QStringLiteral("soubor je příliš velký pro tabulku Paradox"));
    memoPath = Memo::findFor(tableName);
    FileSnapshot memoFile;
    QString memoProblem;
    if (memoPath.isEmpty()) {
        memoProblem = QStringLiteral("Chybí soubor poznámek %1 k tabulce %2.")
                          .arg(QFileInfo(tableName).completeBaseName() + QStringLiteral(".mb"),
                               QDir::toNativeSeparators(tableName));
    } else {
        try {
            memoFile = FileSnapshot::read(memoPath, MaxMemoFileSize,
                                          QStringLiteral("soubor je příliš velký pro soubor poznámek"));
        } catch (const TableError &error) {
            memoProblem = error.message();
        }
    }
    nameForMessages = tableName;
    // Noted before the bytes are checked, so that a file cut while it was read can be told from
    // a damaged one. A memo file that is there but does not read is still the one to compare
    // against later.
    dbIdentity = table.identity;
    memoIdentity = memoProblem.isEmpty() ? std::optional(memoFile.identity) : FileSnapshot::identityOf(memoPath);
    load(table.bytes);
    if (memoProblem.isEmpty())
        memo.setBytes(memoFile.bytes, memoPath);
    else
        memo.setUnavailable(memoProblem);
}

bool Table::Data::filesAsRead() const
{
    if (!dbIdentity || FileSnapshot::identityOf(tableName) != dbIdentity)
        return false;
    const QString memoNow = Memo::findFor(tableName);
    if (memoNow != memoPath)
        return false;
    return memoNow.isEmpty() || FileSnapshot::identityOf(memoNow) == memoIdentity;
}

inline const char *Table::Data::fieldBytes(int index) const
{
    return db.constData() + currentOffset + layout.fieldOffsets[index];
}

inline qint32 Table::Data::integerAt(const char *raw, const FieldDef &field) const
{
    // The bank's numbers are Short or Long: read them without building a value.
    if (field.type == FieldType::Short && !bytes::isBlank(raw, 2))
        return bytes::decodeShort(raw);
    if ((field.type == FieldType::Long || field.type == FieldType::AutoInc) && !bytes::isBlank(raw, 4))
        return bytes::decodeLong(raw);
    return convertedIntegerAt(raw, field);
}

qint32 Table::Data::convertedIntegerAt(const char *raw, const FieldDef &field) const
{
    return valueToInteger(decodeValue(raw, field, *codec, memo), field.type, field.name);
}

void Table::Data::moveTo(qsizetype record)
{
    // Reading in table order mostly steps to the next record of the same block.
    const Layout::BlockRecords *block = current >= 0 ? &layout.blocks[currentBlock] : nullptr;
    if (block && record == current + 1 && record < block->firstRecord + block->count) {
        currentOffset += layout.recordSize;
        // Records are read one after another: ask for the coming ones early.
        if (currentOffset + PrefetchDistance < db.size())
            __builtin_prefetch(db.constData() + currentOffset + PrefetchDistance);
    } else {
        // The next record in table order is the first of the next block.
        const bool nextBlock = block && record == current + 1 && currentBlock + 1 < layout.blocks.size();
        currentBlock = nextBlock ? currentBlock + 1 : layout.blockOf(record);
        block = &layout.blocks[currentBlock];
        currentOffset = block->firstOffset + (record - block->firstRecord) * layout.recordSize;
    }
    current = record;
}

Table::Table()
    : d(std::make_unique<Data>())
{
}

Table::~Table() = default;

void Table::close()
{
    d->open = false;
    d->db.clear();
    d->dbIdentity.reset();
    d->memoPath.clear();
    d->memoIdentity.reset();
    d->memo.clear();
    d->layout = {};
    d->codec.reset();
    d->current = -1;
    d->nameCache.clear();
}

void Table::setTableName(const QString &fullPath)
{
    d->tableName = fullPath;
}

QString Table::tableName() const
{
    return d->tableName;
}

void Table::open()
{
    close();
    for (int attempt = 0; attempt < SnapshotAttempts; ++attempt) {
        try {
            d->readFiles();
        } catch (const TableError &) {
            // Bytes that do not read because another program was rewriting them are read again;
            // a file that is damaged as it stands is reported.
            if (!d->dbIdentity || d->filesAsRead())
                throw;
            close();
            continue;
        }
        if (d->filesAsRead())
            return;
        close();
    }
    throw TableError(QStringLiteral("Soubory tabulky %1 se při čtení měnily: jiný program je právě přepisuje.")
                         .arg(QDir::toNativeSeparators(d->tableName)));
}

void Table::openFromBytes(const QByteArray &db, const QByteArray &mb, const QString &nameForMessages)
{
    close();
    d->nameForMessages = nameForMessages;
    d->load(db);
    QString memoName = nameForMessages;
    memoName.replace(QRegularExpression(QStringLiteral("\\.db$"), QRegularExpression::CaseInsensitiveOption), QString());
    d->memo.setBytes(mb, memoName + QStringLiteral(".mb"));
}

bool Table::isOpen() const
{
    return d->open;
}

int Table::recordCount() const
{
    return static_cast<int>(d->layout.recordCount);
}

void Table::first()
{
    if (d->open && recordCount() > 0)
        d->moveTo(0);
}

void Table::next()
{
    if (d->open && d->current + 1 < recordCount())
        d->moveTo(d->current + 1);
}

int Table::recNo() const
{
    return d->open && d->current >= 0 ? static_cast<int>(d->current) + 1 : 0;
}

void Table::setRecNo(int recNo)
{
    if (!d->open || recNo < 1 || recNo > recordCount())
        throw TableError(QStringLiteral("Záznam č. %1 v tabulce neexistuje.").arg(recNo));
    d->moveTo(recNo - 1);
}

qint32 Table::fieldAsInteger(const QString &name) const
{
    d->requireCurrent();
    const int index = d->fieldIndex(name);
    // Read through const: a QList reached otherwise checks whether it must detach, on every call.
    return d->integerAt(d->fieldBytes(index), std::as_const(d->layout.fields)[index]);
}

QList<qint32> Table::integerColumn(const QString &name) const
{
    return integerColumns({name}).first();
}

QList<QList<qint32>> Table::integerColumns(const QStringList &names) const
{
    if (!d->open)
        throw TableError(QStringLiteral("Tabulka není otevřená."));
    struct Column
    {
        qint64 offset;
        const FieldDef *field;
        qint32 *out;
    };
    QList<QList<qint32>> columns;
    std::vector<Column> reads;
    for (const QString &name : names) {
        const int index = d->fieldIndex(name);
        columns.append(QList<qint32>(d->layout.recordCount));
        reads.push_back({d->layout.fieldOffsets[index], &std::as_const(d->layout.fields)[index], nullptr});
    }
    for (std::size_t c = 0; c < reads.size(); ++c)
        reads[c].out = columns[qsizetype(c)].data();
    // One pass over the records: the fields of a record share its cache lines.
    const char *end = d->db.constData() + d->db.size();
    for (const Layout::BlockRecords &block : d->layout.blocks) {
        const char *record = d->db.constData() + block.firstOffset;
        for (int r = 0; r < block.count; ++r, record += d->layout.recordSize) {
            if (record + PrefetchDistance < end)
                __builtin_prefetch(record + PrefetchDistance);
            for (Column &read : reads)
                *read.out++ = d->integerAt(record + read.offset, *read.field);
        }
    }
    return columns;
}

QString Table::fieldAsString(const QString &name) const
{
    d->requireCurrent();
    const int index = d->fieldIndex(name);
    return valueToText(value(index), std::as_const(d->layout.fields)[index].type);
}

int Table::fieldCount() const
{
    return static_cast<int>(d->layout.fields.size());
}

FieldDef Table::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw TableError(QStringLiteral("Pole č. %1 v tabulce neexistuje.").arg(index + 1));
    return std::as_const(d->layout.fields)[index];
}

int Table::codePage() const
{
    return d->layout.codePage;
}

Value Table::value(int index) const
{
    d->requireCurrent();
    return decodeValue(d->fieldBytes(index), field(index), *d->codec, d->memo);
}

}
