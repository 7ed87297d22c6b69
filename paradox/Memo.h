// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace paradox {

// The BLOB file (.mb) of a table: found beside it in any letter case, read whole when first
// needed, never written.
class Memo
{
public:
    // The memo file of the table at `tablePath`, looked up lazily.
    void setTablePath(const QString &tablePath);
    // Memo bytes given directly (the memo file is then taken as present).
    void setBytes(const QByteArray &bytes, const QString &nameForMessages);
    void clear();

    // The value a BLOB leader points to. Raises TableError for a missing or damaged file.
    QByteArray value(quint32 blockAndIndex, quint32 length) const;

    // The path of the memo file beside `tablePath`, any letter case; empty when there is none.
    static QString findBeside(const QString &tablePath);

private:
    void load() const;
    [[noreturn]] void fail(const QString &reason) const;
    QByteArray ownBlockValue(qint64 block, quint32 length) const;
    QByteArray subAllocatedValue(qint64 block, int index, quint32 length) const;

    QString m_tablePath;
    mutable QString m_path;
    mutable std::optional<QByteArray> m_bytes;
};

}
