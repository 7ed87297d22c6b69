// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/Layout.h"

#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/Table.h"
#include "paradox/TextCodec.h"

#include <QDir>
#include <algorithm>

namespace paradox {

using namespace paradox::bytes;
using namespace paradox::format;

namespace {

// How many blocks ahead of the chain's walk their headers are fetched.
constexpr int ChainPrefetchBlocks = 8;

[[noreturn]] void throwUnreadable(const QString &fileName, const QString &reason)
{
    throw TableError(QStringLiteral("Soubor %1 není čitelná tabulka Paradox: %2")
                         .arg(QDir::toNativeSeparators(fileName), reason));
}

bool isKnownType(quint8 type)
{
    switch (static_cast<FieldType>(type)) {
    case FieldType::Alpha: case FieldType::Date: case FieldType::Short: case FieldType::Long:
    case FieldType::Currency: case FieldType::Number: case FieldType::Logical:
    case FieldType::Memo: case FieldType::Blob: case FieldType::FormattedMemo:
    case FieldType::Ole: case FieldType::Graphic: case FieldType::Time:
    case FieldType::Timestamp: case FieldType::AutoInc: case FieldType::Bcd:
    case FieldType::Bytes:
        return true;
    }
    return false;
}

class LayoutParser
{
public:
    LayoutParser(const QByteArray &db, const QString &fileName)
        : m_db(db), m_fileName(fileName)
    {
    }

    Layout parse()
    {
        readFixedHeader();
        readFields();
        readFieldNames();
        indexRecords();
        return std::move(m_layout);
    }

private:
    const char *at(qint64 offset) const { return m_db.constData() + offset; }
    [[noreturn]] void fail(const QString &reason) const { throwUnreadable(m_fileName, reason); }

    void readFixedHeader()
    {
        if (m_db.size() < FixedHeaderEnd)
            fail(QStringLiteral("soubor je kratší než hlavička tabulky"));
        const int fileType = static_cast<quint8>(m_db[FileType]);
        if (fileType != 0 && fileType != 2)
            fail(QStringLiteral("není to datový soubor tabulky (typ souboru %1)").arg(fileType));
        m_version = static_cast<quint8>(m_db[FileVersion]);
        if (m_version < 3 || m_version > Version7)
            fail(QStringLiteral("neznámá verze souboru (%1)").arg(m_version));
        m_extended = m_version >= FirstExtendedVersion;
        refuseProtected();
        m_layout.recordSize = readLE16(at(RecordSize));
        m_headerSize = readLE16(at(HeaderSize));
        const int blockKiB = static_cast<quint8>(m_db[BlockSizeKiB]);
        if (blockKiB != 1 && blockKiB != 2 && blockKiB != 3 && blockKiB != 4 && blockKiB != 8
            && blockKiB != 16 && blockKiB != 32)
            fail(QStringLiteral("neplatná velikost bloku (%1 KiB)").arg(blockKiB));
        m_blockSize = blockKiB * 1024;
        m_recordCount = readLE32(at(RecordCount));
        m_blocksInFile = readLE16(at(BlocksInFile));
        m_firstBlock = readLE16(at(FirstBlock));
        m_fieldCount = readLE16(at(FieldCount));
        if (m_headerSize < FixedHeaderEnd || m_headerSize > m_db.size())
            fail(QStringLiteral("velikost hlavičky (%1 B) nesouhlasí s délkou souboru").arg(m_headerSize));
        if (m_fieldCount <= 0)
            fail(QStringLiteral("tabulka nemá žádná pole"));
        if (m_layout.recordSize <= 0 || m_layout.recordSize + BlockHeaderSize > m_blockSize)
            fail(QStringLiteral("neplatná velikost záznamu (%1 B)").arg(m_layout.recordSize));
    }

    // A protected table's blocks are scrambled: refuse it before anything reads them.
    void refuseProtected() const
    {
        const int offset = m_extended ? NewProtection : OldProtection;
        if (m_db.size() < offset + 4)
            fail(QStringLiteral("soubor je kratší než hlavička tabulky"));
        const quint32 word = readLE32(at(offset));
        if (word != 0 && (m_extended || word != PlainTableMark))
            throw TableError(QStringLiteral("Tabulka %1 je chráněna heslem; program chráněné tabulky nečte.")
                                 .arg(QDir::toNativeSeparators(m_fileName)));
    }

    void readFields()
    {
        m_position = m_extended ? ExtendedFieldList : FixedHeaderEnd;
        require(0, QStringLiteral("hlavička je kratší než její pevná část"));
        if (m_extended) {
            const int codePage = readLE16(at(CodePage));
            m_layout.codePage = codePage == 0 ? 437 : codePage;
        }
        require(FieldEntrySize * m_fieldCount, QStringLiteral("seznam polí přesahuje hlavičku"));
        int offset = 0;
        for (int i = 0; i < m_fieldCount; ++i) {
            const quint8 type = static_cast<quint8>(m_db[m_position + 2 * i]);
            int size = static_cast<quint8>(m_db[m_position + 2 * i + 1]);
            if (!isKnownType(type))
                fail(QStringLiteral("pole č. %1 má neznámý typ 0x%2")
                         .arg(i + 1).arg(type, 2, 16, QLatin1Char('0')));
            FieldDef field;
            field.type = static_cast<FieldType>(type);
            // The size byte of a BCD field holds its decimal places.
            field.size = field.type == FieldType::Bcd ? BcdSize : size;
            if (field.type == FieldType::Bcd)
                field.decimals = std::min(size, MaxBcdPlaces);
            if (!isValidFieldSize(field.type, field.size))
                fail(QStringLiteral("pole č. %1 má neplatnou velikost %2 B").arg(i + 1).arg(size));
            m_layout.fields.append(field);
            m_layout.fieldOffsets.append(offset);
            offset += field.size;
        }
        if (offset != m_layout.recordSize)
            fail(QStringLiteral("součet velikostí polí (%1 B) nesouhlasí s velikostí záznamu (%2 B)")
                     .arg(offset).arg(m_layout.recordSize));
        m_position += FieldEntrySize * m_fieldCount;
    }

    void readFieldNames()
    {
        const int pointers = PointerSize * (1 + m_fieldCount);
        const int tableName = m_version >= Version7 ? TableNameSize : OldTableNameSize;
        require(pointers + tableName, QStringLiteral("jméno tabulky přesahuje hlavičku"));
        m_position += pointers + tableName;
        const TextCodec codec(m_layout.codePage);
        for (int i = 0; i < m_fieldCount; ++i) {
            const char *start = at(m_position);
            const auto *end = static_cast<const char *>(
                std::memchr(start, 0, static_cast<size_t>(m_headerSize - m_position)));
            if (end == nullptr || end == start)
                fail(QStringLiteral("chybí jméno pole č. %1").arg(i + 1));
            m_layout.fields[i].name = codec.decode(start, end - start);
            m_position += static_cast<int>(end - start) + 1;
        }
    }

    void indexRecords()
    {
        for (const int block : blockChain()) {
            const int count = recordsInBlock(block);
            if (count > 0)
                m_layout.blocks.push_back({blockStart(block) + BlockHeaderSize, m_layout.recordCount, count});
            m_layout.recordCount += count;
        }
        if (m_layout.recordCount != m_recordCount)
            fail(QStringLiteral("počet záznamů v hlavičce (%1) nesouhlasí s datovými bloky (%2)")
                     .arg(m_recordCount).arg(m_layout.recordCount));
    }

    QList<int> blockChain() const
    {
        QList<int> chain;
        std::vector<bool> visited(static_cast<size_t>(m_blocksInFile) + 1, false);
        for (int block = m_firstBlock; block != 0;) {
            if (block > m_blocksInFile)
                fail(QStringLiteral("řetěz datových bloků vede mimo soubor (blok %1 z %2)")
                         .arg(block).arg(m_blocksInFile));
            if (blockStart(block) + BlockHeaderSize > m_db.size())
                fail(QStringLiteral("blok %1 leží za koncem souboru").arg(block));
            if (visited[static_cast<size_t>(block)])
                fail(QStringLiteral("řetěz datových bloků se zacyklil (blok %1)").arg(block));
            visited[static_cast<size_t>(block)] = true;
            chain.append(block);
            // Chains mostly run in file order: fetch the headers of the coming blocks early.
            if (blockStart(block + ChainPrefetchBlocks) < m_db.size())
                __builtin_prefetch(at(blockStart(block + ChainPrefetchBlocks)));
            block = readLE16(at(blockStart(block) + NextBlock));
        }
        return chain;
    }

    int recordsInBlock(int block) const
    {
        const auto used = static_cast<qint16>(readLE16(at(blockStart(block) + LastRecordOffset)));
        if (used < 0)
            return 0;
        if (used % m_layout.recordSize != 0
            || used + m_layout.recordSize + BlockHeaderSize > m_blockSize)
            fail(QStringLiteral("blok %1 udává neplatnou délku dat (%2 B)").arg(block).arg(used));
        // The file may end inside its last block; the records it counts must not.
        if (blockStart(block) + BlockHeaderSize + used + m_layout.recordSize > m_db.size())
            fail(QStringLiteral("záznamy bloku %1 přesahují konec souboru").arg(block));
        return used / m_layout.recordSize + 1;
    }

    qint64 blockStart(int block) const { return m_headerSize + qint64(block - 1) * m_blockSize; }

    void require(int bytes, const QString &reason) const
    {
        if (qint64(m_position) + bytes > m_headerSize)
            fail(reason);
    }

    const QByteArray &m_db;
    const QString &m_fileName;
    Layout m_layout;
    int m_headerSize = 0;
    int m_blockSize = 0;
    quint32 m_recordCount = 0;
    int m_blocksInFile = 0;
    int m_firstBlock = 0;
    int m_fieldCount = 0;
    int m_version = 0;
    bool m_extended = false;
    int m_position = 0;
};

}

Layout Layout::parse(const QByteArray &db, const QString &fileName)
{
    return LayoutParser(db, fileName).parse();
}

std::size_t Layout::blockOf(qint64 record) const
{
    const auto after = std::upper_bound(blocks.cbegin(), blocks.cend(), record,
                                        [](qint64 r, const BlockRecords &block) { return r < block.firstRecord; });
    return static_cast<std::size_t>(after - blocks.cbegin()) - 1;
}

bool isValidFieldSize(FieldType type, int size)
{
    switch (type) {
    case FieldType::Alpha: case FieldType::Bytes:
        return size >= 1 && size <= 255;
    case FieldType::Short:
        return size == 2;
    case FieldType::Logical:
        return size == 1;
    case FieldType::Date: case FieldType::Long: case FieldType::Time: case FieldType::AutoInc:
        return size == 4;
    case FieldType::Number: case FieldType::Currency: case FieldType::Timestamp:
        return size == 8;
    case FieldType::Bcd:
        return size == format::BcdSize;
    case FieldType::Memo: case FieldType::Blob: case FieldType::FormattedMemo:
    case FieldType::Ole: case FieldType::Graphic:
        // A BLOB field may keep nothing of its value in the record but its 10-byte leader.
        return size >= 10 && size <= 250;
    }
    return false;
}

}
