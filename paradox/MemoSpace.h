// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

namespace paradox {

// Where the values of a new table go in a memo file (.mb) that the current table still uses:
// only into chunks no value of the current table lies in, else after the file's end, so the
// current table reads as before until the new one replaces it. Values up to a few KiB share
// sub-allocated blocks; longer ones get blocks of their own.
class MemoSpace
{
public:
    // `memo`: the memo file now (empty when there is none); `table`: the table file that uses it
    // now. When the table is missing or does not read, only a memo file without a table
    // (empty `table`) counts as free; an unreadable table keeps every chunk of the file.
    MemoSpace(const QByteArray &memo, const QByteArray &table);

    // Places a value longer than the record holds; returns the leader's block-and-index word.
    // Raises TableError when the file would grow past what a leader can point to.
    quint32 place(const QByteArray &value);

    // The memo file with the placed values.
    const QByteArray &image() const { return m_image; }
    // The chunks that differ from the file given: (first chunk, chunk count) runs.
    QList<std::pair<qint64, qint64>> changedChunks() const;
    // Bytes the new table needs: the header chunk and every chunk holding a placed value.
    qint64 neededSize() const;

private:
    struct SharedBlock
    {
        qint64 offset;
        int nextUnit;
        int nextEntry;
    };

    void markUsedBy(const QByteArray &table);
    void markChunks(qint64 firstChunk, qint64 count);
    qint64 takeChunks(qint64 count);
    quint32 placeShared(const QByteArray &value);
    quint32 placeOwn(const QByteArray &value);

    QByteArray m_image;
    std::vector<bool> m_used;    // per chunk: holds a value of the current or the new table
    std::vector<bool> m_changed; // per chunk
    qint64 m_neededChunks = 1;
    qint64 m_searchFrom = 1;     // no free run starts before this chunk
    QList<SharedBlock> m_openBlocks;
};

}
