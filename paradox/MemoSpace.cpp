// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/MemoSpace.h"

#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/Layout.h"
#include "paradox/Table.h"

#include <algorithm>
#include <cstring>

namespace paradox {

using namespace paradox::bytes;
using namespace paradox::format;

namespace {

// The header chunk of a memo file as the engine writes it for a new table.
constexpr unsigned char MemoHeader[] = {
    0x00, 0x01, 0x00, 0x01, 0x00, 0x82, 0x73, 0x02, 0x00, 0x29, 0x00, 0x00, 0x10, 0x00, 0x10, 0x00,
    0x10, 0x40, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA1, 0x02};

constexpr int Unit = 16;
constexpr int UnitsPerChunk = MemoChunk / Unit;
// The entry table ends at 12 + 64 × 5 = 332 bytes; values start at the next unit.
constexpr int FirstDataUnit = (SubAllocatedHeader + SubAllocatedEntries * SubAllocatedEntrySize + Unit - 1) / Unit;
// Longer values waste less in a block of their own than in the space left in a shared one.
constexpr int MaxSharedValue = 2048;
// Blocks still taking values; a few are enough to fill the gaps that long values leave.
constexpr int OpenBlockLimit = 8;
// A leader's block offset has 24 bits above the index byte.
constexpr qint64 MaxBlockOffset = 0xFFFFFF00ll;

bool isBlobType(FieldType type)
{
    return type == FieldType::Memo || type == FieldType::Blob || type == FieldType::FormattedMemo
        || type == FieldType::Ole || type == FieldType::Graphic;
}

}

MemoSpace::MemoSpace(const QByteArray &memo, const QByteArray &table)
    : m_image(memo)
{
    // The header chunk holds no value: it is made the writer's own whatever was there.
    QByteArray header(MemoChunk, '\0');
    std::memcpy(header.data(), MemoHeader, sizeof MemoHeader);
    m_image.resize(std::max<qsizetype>(MemoChunk, (m_image.size() + MemoChunk - 1) / MemoChunk * MemoChunk), '\0');
    const qint64 chunks = m_image.size() / MemoChunk;
    m_used.assign(std::size_t(chunks), false);
    m_changed.assign(std::size_t(chunks), false);
    m_used[0] = true;
    m_changed[0] = memo.left(MemoChunk) != header;
    m_image.replace(0, MemoChunk, header);
    if (!table.isEmpty())
        markUsedBy(table);
}

void MemoSpace::markUsedBy(const QByteArray &table)
{
    Layout layout;
    try {
        layout = Layout::parse(table, QString());
    } catch (const TableError &) {
        std::fill(m_used.begin(), m_used.end(), true);
        return;
    }
    for (qsizetype f = 0; f < layout.fields.size(); ++f) {
        const FieldDef &field = layout.fields[f];
        if (!isBlobType(field.type) || field.size < BlobLeaderSize)
            continue;
        const int leader = layout.fieldOffsets[f] + field.size - BlobLeaderSize;
        for (const Layout::BlockRecords &block : layout.blocks) {
            for (int r = 0; r < block.count; ++r) {
                const char *at = table.constData() + block.firstOffset + qint64(r) * layout.recordSize + leader;
                if (readLE32(at + BlobLength) <= quint32(field.size - BlobLeaderSize))
                    continue;
                const qint64 offset = readLE32(at + BlobBlockAndIndex) & 0xFFFFFF00u;
                const qint64 chunks = offset + MemoChunkCount + 2 <= m_image.size()
                    ? std::max<qint64>(1, readLE16(m_image.constData() + offset + MemoChunkCount))
                    : 1;
                markChunks(offset / MemoChunk, chunks);
            }
        }
    }
}

void MemoSpace::markChunks(qint64 firstChunk, qint64 count)
{
    const qint64 end = std::min<qint64>(firstChunk + count, qint64(m_used.size()));
    for (qint64 c = firstChunk; c < end; ++c)
        m_used[std::size_t(c)] = true;
}

// The first run of `count` chunks that nothing uses, else new chunks after the end.
qint64 MemoSpace::takeChunks(qint64 count)
{
    qint64 runStart = m_searchFrom;
    for (qint64 c = m_searchFrom; c < qint64(m_used.size()) && c - runStart < count; ++c) {
        if (m_used[std::size_t(c)])
            runStart = c + 1;
    }
    if (runStart * MemoChunk > MaxBlockOffset)
        throw TableError(QStringLiteral("Soubor poznámek by byl větší, než tabulka Paradox dovoluje."));
    if (runStart + count > qint64(m_used.size())) {
        m_used.resize(std::size_t(runStart + count), false);
        m_changed.resize(m_used.size(), false);
        m_image.resize(qsizetype(m_used.size()) * MemoChunk, '\0');
    }
    for (qint64 c = runStart; c < runStart + count; ++c) {
        m_used[std::size_t(c)] = true;
        m_changed[std::size_t(c)] = true;
    }
    std::memset(m_image.data() + runStart * MemoChunk, 0, std::size_t(count * MemoChunk));
    if (runStart == m_searchFrom)
        m_searchFrom = runStart + count;
    m_neededChunks = std::max(m_neededChunks, runStart + count);
    return runStart * MemoChunk;
}

quint32 MemoSpace::place(const QByteArray &value)
{
    return value.size() <= MaxSharedValue ? placeShared(value) : placeOwn(value);
}

quint32 MemoSpace::placeShared(const QByteArray &value)
{
    const int units = int((value.size() + Unit - 1) / Unit);
    auto block = std::find_if(m_openBlocks.begin(), m_openBlocks.end(), [units](const SharedBlock &open) {
        return open.nextUnit + units <= UnitsPerChunk;
    });
    if (block == m_openBlocks.end()) {
        if (m_openBlocks.size() == OpenBlockLimit)
            m_openBlocks.removeFirst();
        const qint64 offset = takeChunks(1);
        m_image[offset + MemoBlockType] = char(SubAllocated);
        writeLE16(m_image.data() + offset + MemoChunkCount, 1);
        m_openBlocks.append({offset, FirstDataUnit, 0});
        block = m_openBlocks.end() - 1;
    }
    char *start = m_image.data() + block->offset;
    char *entry = start + SubAllocatedHeader + block->nextEntry * SubAllocatedEntrySize;
    entry[0] = char(block->nextUnit);
    entry[1] = char(units);
    writeLE16(entry + 2, 1);
    entry[4] = char(value.size() - qsizetype(units - 1) * Unit);
    std::memcpy(start + qint64(block->nextUnit) * Unit, value.constData(), std::size_t(value.size()));
    const auto placed = quint32(block->offset) | quint32(block->nextEntry);
    block->nextUnit += units;
    if (++block->nextEntry == SubAllocatedEntries || block->nextUnit == UnitsPerChunk)
        m_openBlocks.erase(block);
    return placed;
}

quint32 MemoSpace::placeOwn(const QByteArray &value)
{
    const qint64 chunks = (OwnBlockHeader + value.size() + MemoChunk - 1) / MemoChunk;
    const qint64 offset = takeChunks(chunks);
    char *block = m_image.data() + offset;
    block[MemoBlockType] = char(OwnBlock);
    writeLE16(block + MemoChunkCount, quint16(chunks));
    writeLE32(block + OwnValueLength, quint32(value.size()));
    writeLE16(block + OwnModification, 1);
    std::memcpy(block + OwnBlockHeader, value.constData(), std::size_t(value.size()));
    return quint32(offset) | 0xFFu;
}

QList<std::pair<qint64, qint64>> MemoSpace::changedChunks() const
{
    QList<std::pair<qint64, qint64>> runs;
    for (qint64 c = 0; c < qint64(m_changed.size()); ++c) {
        if (!m_changed[std::size_t(c)])
            continue;
        if (!runs.isEmpty() && runs.last().first + runs.last().second == c)
            ++runs.last().second;
        else
            runs.append({c, 1});
    }
    return runs;
}

qint64 MemoSpace::neededSize() const
{
    return m_neededChunks * MemoChunk;
}

}
