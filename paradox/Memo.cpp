// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/Memo.h"

#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/Table.h"

#include <QDir>
#include <QFileInfo>

namespace paradox {

using namespace paradox::bytes;
using namespace paradox::format;


void Memo::setBytes(const QByteArray &bytes, const QString &nameForMessages)
{
    clear();
    m_path = nameForMessages;
    m_bytes = bytes;
}

void Memo::setUnavailable(const QString &message)
{
    clear();
    m_unavailable = message;
}

void Memo::clear()
{
    m_path.clear();
    m_unavailable.clear();
    m_bytes.reset();
}

QString Memo::findFor(const QString &tablePath)
{
    const QString target = QFileInfo(tablePath).canonicalFilePath();
    const QString memo = target.isEmpty() ? QString() : findBeside(target);
    return memo.isEmpty() ? findBeside(tablePath) : memo;
}

QString Memo::findBeside(const QString &tablePath)
{
    const QFileInfo table(tablePath);
    const QString wanted = table.completeBaseName() + QStringLiteral(".mb");
    const QDir directory = table.absoluteDir();
    if (QFileInfo::exists(directory.filePath(wanted)))
        return directory.filePath(wanted);
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return directory.filePath(entry);
    }
    return {};
}

void Memo::fail(const QString &reason) const
{
    throw TableError(QStringLiteral("Soubor %1 není čitelný soubor poznámek Paradox: %2")
                         .arg(QDir::toNativeSeparators(m_path), reason));
}

QByteArray Memo::value(quint32 blockAndIndex, quint32 length) const
{
    if (!m_bytes)
        throw TableError(m_unavailable);
    const qint64 block = blockAndIndex & 0xFFFFFF00u;
    const int index = static_cast<int>(blockAndIndex & 0xFFu);
    if (block < MemoChunk || block + SubAllocatedHeader > m_bytes->size())
        fail(QStringLiteral("odkaz na blok %1 leží mimo soubor").arg(block));
    const auto type = static_cast<quint8>(m_bytes->at(block));
    if (index == 0xFF && type == OwnBlock)
        return ownBlockValue(block, length);
    if (index != 0xFF && type == SubAllocated)
        return subAllocatedValue(block, index, length);
    fail(QStringLiteral("blok na pozici %1 má nečekaný typ %2").arg(block).arg(type));
}

QByteArray Memo::ownBlockValue(qint64 block, quint32 length) const
{
    const char *header = m_bytes->constData() + block;
    const quint32 stored = readLE32(header + OwnValueLength);
    if (stored != length)
        fail(QStringLiteral("délka hodnoty v bloku (%1 B) nesouhlasí se záznamem (%2 B)")
                 .arg(stored).arg(length));
    const qint64 chunks = readLE16(header + MemoChunkCount);
    if (OwnBlockHeader + qint64(length) > chunks * MemoChunk
        || block + OwnBlockHeader + qint64(length) > m_bytes->size())
        fail(QStringLiteral("hodnota na pozici %1 přesahuje svůj blok nebo soubor").arg(block));
    return m_bytes->mid(block + OwnBlockHeader, length);
}

QByteArray Memo::subAllocatedValue(qint64 block, int index, quint32 length) const
{
    if (index >= SubAllocatedEntries)
        fail(QStringLiteral("neplatný index %1 v bloku na pozici %2").arg(index).arg(block));
    const qint64 entryOffset = block + SubAllocatedHeader + qint64(index) * SubAllocatedEntrySize;
    if (entryOffset + SubAllocatedEntrySize > m_bytes->size())
        fail(QStringLiteral("tabulka bloku na pozici %1 přesahuje soubor").arg(block));
    const auto *entry = reinterpret_cast<const quint8 *>(m_bytes->constData() + entryOffset);
    const qint64 start = block + qint64(entry[0]) * 16;
    const int units = entry[1];
    const qint64 stored = units == 0 ? -1 : qint64(units - 1) * 16 + entry[4];
    if (stored != length)
        fail(QStringLiteral("délka hodnoty v bloku (%1 B) nesouhlasí se záznamem (%2 B)")
                 .arg(stored).arg(length));
    const qint64 blockEnd = block + qint64(readLE16(m_bytes->constData() + block + MemoChunkCount)) * MemoChunk;
    if (entry[0] == 0 || start + qint64(length) > std::min<qint64>(blockEnd, m_bytes->size()))
        fail(QStringLiteral("hodnota v bloku na pozici %1 přesahuje soubor").arg(block));
    return m_bytes->mid(start, length);
}

}
