#include "platform/ParadoxMemo.h"

#include "platform/ParadoxBytes.h"
#include "platform/ParadoxTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace paradox::bytes;

namespace {

constexpr int kChunkSize = 4096;
constexpr int kOwnBlockHeader = 9;
constexpr int kSubAllocatedHeader = 12;
constexpr int kSubAllocatedEntries = 64;
constexpr int kEntrySize = 5;
constexpr quint8 kOwnBlock = 2;
constexpr quint8 kSubAllocated = 3;

}

void ParadoxMemo::setTablePath(const QString &tablePath)
{
    clear();
    m_tablePath = tablePath;
}

void ParadoxMemo::setBytes(const QByteArray &bytes, const QString &nameForMessages)
{
    clear();
    m_path = nameForMessages;
    m_bytes = bytes;
}

void ParadoxMemo::clear()
{
    m_tablePath.clear();
    m_path.clear();
    m_bytes.reset();
}

QString ParadoxMemo::findBeside(const QString &tablePath)
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

void ParadoxMemo::fail(const QString &reason) const
{
    throw TableError(QStringLiteral("Soubor %1 není čitelný soubor poznámek Paradox: %2")
                         .arg(QDir::toNativeSeparators(m_path), reason));
}

void ParadoxMemo::load() const
{
    if (m_bytes)
        return;
    m_path = findBeside(m_tablePath);
    if (m_path.isEmpty()) {
        const QFileInfo table(m_tablePath);
        throw TableError(QStringLiteral("Chybí soubor poznámek %1 k tabulce %2.")
                             .arg(table.completeBaseName() + QStringLiteral(".mb"),
                                  QDir::toNativeSeparators(m_tablePath)));
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw TableError(QStringLiteral("Soubor poznámek %1 nelze číst: %2")
                             .arg(QDir::toNativeSeparators(m_path), file.errorString()));
    m_bytes = file.readAll();
}

QByteArray ParadoxMemo::value(quint32 blockAndIndex, quint32 length) const
{
    load();
    const qint64 block = blockAndIndex & 0xFFFFFF00u;
    const int index = static_cast<int>(blockAndIndex & 0xFFu);
    if (block < kChunkSize || block + kSubAllocatedHeader > m_bytes->size())
        fail(QStringLiteral("odkaz na blok %1 leží mimo soubor").arg(block));
    const auto type = static_cast<quint8>(m_bytes->at(block));
    if (index == 0xFF && type == kOwnBlock)
        return ownBlockValue(block, length);
    if (index != 0xFF && type == kSubAllocated)
        return subAllocatedValue(block, index, length);
    fail(QStringLiteral("blok na pozici %1 má nečekaný typ %2").arg(block).arg(type));
}

QByteArray ParadoxMemo::ownBlockValue(qint64 block, quint32 length) const
{
    const char *header = m_bytes->constData() + block;
    const quint32 stored = readLE32(header + 3);
    if (stored != length)
        fail(QStringLiteral("délka hodnoty v bloku (%1 B) nesouhlasí se záznamem (%2 B)")
                 .arg(stored).arg(length));
    const qint64 chunks = readLE16(header + 1);
    if (kOwnBlockHeader + qint64(length) > chunks * kChunkSize
        || block + kOwnBlockHeader + qint64(length) > m_bytes->size())
        fail(QStringLiteral("hodnota na pozici %1 přesahuje svůj blok nebo soubor").arg(block));
    return m_bytes->mid(block + kOwnBlockHeader, length);
}

QByteArray ParadoxMemo::subAllocatedValue(qint64 block, int index, quint32 length) const
{
    if (index >= kSubAllocatedEntries)
        fail(QStringLiteral("neplatný index %1 v bloku na pozici %2").arg(index).arg(block));
    const qint64 entryOffset = block + kSubAllocatedHeader + qint64(index) * kEntrySize;
    if (entryOffset + kEntrySize > m_bytes->size())
        fail(QStringLiteral("tabulka bloku na pozici %1 přesahuje soubor").arg(block));
    const auto *entry = reinterpret_cast<const quint8 *>(m_bytes->constData() + entryOffset);
    const qint64 start = block + qint64(entry[0]) * 16;
    const int units = entry[1];
    const qint64 stored = units == 0 ? -1 : qint64(units - 1) * 16 + entry[4];
    if (stored != length)
        fail(QStringLiteral("délka hodnoty v bloku (%1 B) nesouhlasí se záznamem (%2 B)")
                 .arg(stored).arg(length));
    const qint64 blockEnd = block + qint64(readLE16(m_bytes->constData() + block + 1)) * kChunkSize;
    if (entry[0] == 0 || start + qint64(length) > std::min<qint64>(blockEnd, m_bytes->size()))
        fail(QStringLiteral("hodnota v bloku na pozici %1 přesahuje soubor").arg(block));
    return m_bytes->mid(start, length);
}
