// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/TableWriter.h"

#include "platform/core/Conversions.h"
#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/Layout.h"
#include "paradox/MemoSpace.h"
#include "paradox/Table.h"
#include "paradox/TableFiles.h"
#include "paradox/Value.h"
#include "paradox/TextCodec.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace paradox {

using namespace paradox::bytes;
using namespace paradox::format;

namespace {

constexpr int HeaderUnit = 0x800;
constexpr int MaxFieldNameLength = 25;
constexpr int MaxBlocks = 65535;
constexpr char SortOrder[] = "ascii";

[[noreturn]] void throwTableError(const QString &message)
{
    throw TableError(message);
}

bool isWritableType(FieldType type)
{
    return type == FieldType::Alpha || type == FieldType::Short || type == FieldType::Long
        || type == FieldType::Number || type == FieldType::Memo;
}

QString valueText(const Value &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *integer = std::get_if<qint64>(&value))
        return QString::number(*integer);
    if (const auto *real = std::get_if<double>(&value))
        return numberToText(*real);
    return {};
}

// An integer from an integer, an integral real or a decimal text.
std::optional<qint64> valueInteger(const Value &value)
{
    if (const auto *integer = std::get_if<qint64>(&value))
        return *integer;
    if (const auto *real = std::get_if<double>(&value)) {
        if (std::isfinite(*real) && std::trunc(*real) == *real && std::abs(*real) < 1e18)
            return static_cast<qint64>(*real);
        return std::nullopt;
    }
    if (const auto *text = std::get_if<QString>(&value)) {
        if (const auto parsed = tryStrToInt(*text))
            return *parsed;
    }
    return std::nullopt;
}

std::optional<double> valueReal(const Value &value)
{
    if (const auto *integer = std::get_if<qint64>(&value))
        return static_cast<double>(*integer);
    if (const auto *real = std::get_if<double>(&value))
        return std::isfinite(*real) ? std::optional<double>(*real) : std::nullopt;
    if (const auto *text = std::get_if<QString>(&value)) {
        bool ok = false;
        const double parsed = text->toDouble(&ok);
        if (ok && std::isfinite(parsed))
            return parsed;
    }
    return std::nullopt;
}

bool isBlankValue(const Value &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return true;
    const auto *text = std::get_if<QString>(&value);
    return text != nullptr && text->isEmpty();
}

int blockSizeFor(int recordSize)
{
    for (const int kib : {4, 8, 16, 32}) {
        if (recordSize + BlockHeaderSize <= kib * 1024)
            return kib * 1024;
    }
    throwTableError(QStringLiteral("Záznam tabulky by byl příliš dlouhý (%1 B).").arg(recordSize));
}

}

TableWriter::TableWriter(QList<FieldDef> fields, int codePage)
    : m_fields(std::move(fields))
    , m_codec(std::make_unique<TextCodec>(codePage))
{
    if (!m_codec->isValid())
        throwTableError(QStringLiteral("Kódovou stránku %1 nelze použít.").arg(codePage));
    if (m_fields.isEmpty())
        throwTableError(QStringLiteral("Tabulka musí mít aspoň jedno pole."));
    for (const FieldDef &field : std::as_const(m_fields)) {
        if (field.name.isEmpty() || field.name.size() > MaxFieldNameLength
            || field.name.contains(QChar(0)) || !m_codec->encode(field.name))
            throwTableError(QStringLiteral("Jméno pole „%1“ nelze zapsat.").arg(field.name));
        if (!isWritableType(field.type) || !isValidFieldSize(field.type, field.size)
            || (field.type == FieldType::Memo && field.size <= BlobLeaderSize))
            throwTableError(QStringLiteral("Pole %1 nelze zapsat: nepodporovaný typ nebo velikost %2 B.")
                                .arg(field.name).arg(field.size));
        m_recordSize += field.size;
    }
    m_blockSize = blockSizeFor(m_recordSize);
}

TableWriter::~TableWriter() = default;

void TableWriter::addRecord(const QList<Value> &values)
{
    if (values.size() != m_fields.size())
        throwTableError(QStringLiteral("Záznam má %1 hodnot, tabulka má %2 polí.").arg(values.size()).arg(m_fields.size()));
    if (m_records.size() >= qint64(MaxBlocks) * recordsPerBlock())
        throwTableError(QStringLiteral("Tabulka nepojme další záznam."));
    QByteArray record;
    record.reserve(m_recordSize);
    QList<LongMemo> longMemos;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        record += encodeField(m_fields[i], values[i], m_records.size(), int(record.size()), longMemos);
    m_records.append(record);
    m_longMemos += longMemos;
}

int TableWriter::recordsPerBlock() const
{
    return (m_blockSize - BlockHeaderSize) / m_recordSize;
}

qsizetype TableWriter::blockCount() const
{
    return (m_records.size() + recordsPerBlock() - 1) / recordsPerBlock();
}

QByteArray TableWriter::encodeText(const FieldDef &field, const Value &value) const
{
    if (std::holds_alternative<bool>(value) || std::holds_alternative<QByteArray>(value))
        throwTableError(QStringLiteral("Do textového pole %1 nelze zapsat tuto hodnotu.").arg(field.name));
    const QString text = valueText(value);
    const auto encoded = m_codec->encode(text);
    if (!encoded)
        throwTableError(QStringLiteral("Text „%1“ pole %2 obsahuje znak, který kódová stránka %3 nemá.")
                            .arg(text.left(40), field.name).arg(m_codec->codePage()));
    if (encoded->contains('\0'))
        throwTableError(QStringLiteral("Text pole %1 obsahuje nulový znak.").arg(field.name));
    return *encoded;
}

QByteArray TableWriter::encodeField(const FieldDef &field, const Value &value, qsizetype record, int fieldOffset,
                                    QList<LongMemo> &longMemos) const
{
    QByteArray bytes(field.size, '\0');
    if (isBlankValue(value))
        return bytes;
    switch (field.type) {
    case FieldType::Alpha: {
        const QByteArray text = encodeText(field, value);
        if (text.size() > field.size)
            throwTableError(QStringLiteral("Text „%1“ je delší než pole %2 (%3 B).")
                                .arg(valueText(value).left(40), field.name).arg(field.size));
        std::memcpy(bytes.data(), text.constData(), static_cast<size_t>(text.size()));
        return bytes;
    }
    case FieldType::Short: case FieldType::Long: {
        // The smallest value would be stored as all zeros, which reads as blank.
        const qint64 limit = field.type == FieldType::Short ? std::numeric_limits<qint16>::max()
                                                            : std::numeric_limits<qint32>::max();
        const auto integer = valueInteger(value);
        if (!integer || *integer < -limit || *integer > limit)
            throwTableError(QStringLiteral("Hodnotu „%1“ nelze zapsat do celočíselného pole %2.")
                                .arg(valueText(value), field.name));
        if (field.type == FieldType::Short)
            encodeShort(bytes.data(), static_cast<qint16>(*integer));
        else
            encodeLong(bytes.data(), static_cast<qint32>(*integer));
        return bytes;
    }
    case FieldType::Number: {
        const auto real = valueReal(value);
        if (!real)
            throwTableError(QStringLiteral("Hodnotu „%1“ nelze zapsat do číselného pole %2.")
                                .arg(valueText(value), field.name));
        encodeNumber(bytes.data(), *real);
        return bytes;
    }
    case FieldType::Memo: {
        const QByteArray text = encodeText(field, value);
        const int inRecord = field.size - BlobLeaderSize;
        std::memcpy(bytes.data(), text.constData(), static_cast<size_t>(std::min<qsizetype>(inRecord, text.size())));
        if (text.size() > inRecord) {
            if (OwnBlockHeader + text.size() > qint64(0xFFFF) * MemoChunk)
                throwTableError(QStringLiteral("Text pole %1 je příliš dlouhý.").arg(field.name));
            // The block is known only when the memo file is written.
            longMemos.append({record, fieldOffset + inRecord + BlobBlockAndIndex, text});
        }
        writeLE32(bytes.data() + inRecord + BlobLength, static_cast<quint32>(text.size()));
        writeLE16(bytes.data() + inRecord + BlobModification, 1);
        return bytes;
    }
    default:
        break;
    }
    throwTableError(QStringLiteral("Pole %1 nelze zapsat.").arg(field.name));
}

bool TableWriter::hasMemoFields() const
{
    return std::any_of(m_fields.cbegin(), m_fields.cend(),
                       [](const FieldDef &field) { return field.type == FieldType::Memo; });
}

QByteArray TableWriter::header(const QString &tableName) const
{
    QByteArray tail;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        tail += QByteArray(4, '\0');
    QByteArray name = m_codec->encode(tableName).value_or(QByteArray("table.db")).left(TableNameSize - 1);
    name.resize(TableNameSize, '\0');
    tail += name;
    for (const FieldDef &field : m_fields)
        tail += *m_codec->encode(field.name) + '\0';
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        char number[2];
        writeLE16(number, static_cast<quint16>(i + 1));
        tail += QByteArray(number, 2);
    }
    tail += QByteArray(SortOrder, sizeof SortOrder);

    const qsizetype used = ExtendedFieldList + 2 * m_fields.size() + 4 + tail.size();
    const qsizetype size = (used + HeaderUnit - 1) / HeaderUnit * HeaderUnit;
    if (size > 0xF800)
        throwTableError(QStringLiteral("Hlavička tabulky by byla příliš velká."));
    const auto blocks = static_cast<quint16>(blockCount());

    QByteArray h(size, '\0');
    char *p = h.data();
    writeLE16(p + RecordSize, static_cast<quint16>(m_recordSize));
    writeLE16(p + HeaderSize, static_cast<quint16>(size));
    p[FileType] = 2; // non-keyed
    p[BlockSizeKiB] = static_cast<char>(m_blockSize / 1024);
    writeLE32(p + RecordCount, static_cast<quint32>(m_records.size()));
    writeLE16(p + BlocksUsed, blocks);
    writeLE16(p + BlocksInFile, blocks);
    writeLE16(p + FirstBlock, blocks > 0 ? 1 : 0);
    writeLE16(p + LastBlock, blocks);
    writeLE16(p + FieldCount, static_cast<quint16>(m_fields.size()));
    writeLE32(p + OldProtection, PlainTableMark);
    p[FileVersion] = static_cast<char>(Version7);
    p[0x3E] = 0x1F;
    p[0x3F] = 0x0F;
    p[0x56] = 0x20;
    p[0x58] = p[0x5A] = static_cast<char>(Version7);
    p[0x59] = p[0x5B] = 1;
    writeLE16(p + CodePage, static_cast<quint16>(m_codec->codePage()));
    p[0x6C] = p[0x6D] = 1;
    int offset = ExtendedFieldList;
    for (const FieldDef &field : m_fields) {
        p[offset++] = static_cast<char>(field.type);
        p[offset++] = static_cast<char>(field.size);
    }
    std::memcpy(p + offset + 4, tail.constData(), static_cast<size_t>(tail.size()));
    return h;
}

QByteArray TableWriter::dataBlock(qsizetype b) const
{
    QByteArray data(m_blockSize, '\0');
    char *block = data.data();
    const qsizetype first = b * recordsPerBlock();
    const qsizetype count = std::min<qsizetype>(recordsPerBlock(), m_records.size() - first);
    writeLE16(block + NextBlock, static_cast<quint16>(b + 1 < blockCount() ? b + 2 : 0));
    writeLE16(block + PreviousBlock, static_cast<quint16>(b));
    writeLE16(block + LastRecordOffset, static_cast<quint16>((count - 1) * m_recordSize));
    for (qsizetype r = 0; r < count; ++r)
        std::memcpy(block + BlockHeaderSize + r * m_recordSize, m_records[first + r].constData(),
                    static_cast<size_t>(m_recordSize));
    return data;
}

void TableWriter::write(const QString &dbPath, const std::function<void(const TableFiles &)> &afterReplacing)
{
    TableFiles files(dbPath);
    std::optional<MemoSpace> memo;
    if (hasMemoFields()) {
        memo.emplace(files.previousMemo().value_or(QByteArray()), files.previousTable().value_or(QByteArray()));
        for (const LongMemo &value : std::as_const(m_longMemos))
            writeLE32(m_records[value.record].data() + value.leaderOffset, memo->place(value.text));
        files.writeMemo(memo->image(), memo->changedChunks());
    }
    qsizetype next = -1; // the header, then the data blocks
    files.replaceTable([&]() {
        const qsizetype part = next++;
        if (part < 0)
            return header(QFileInfo(files.tablePath()).fileName());
        return part < blockCount() ? dataBlock(part) : QByteArray();
    });
    if (memo)
        files.trimMemo(memo->neededSize());
    if (afterReplacing)
        afterReplacing(files);
    TableFiles::reachStep(7);
}

}
