// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace paradox {

// The BLOB file (.mb) of a table, held in memory: read together with the table, never written.
class Memo
{
public:
    void setBytes(const QByteArray &bytes, const QString &nameForMessages);
    // No memo file could be read; `message` says why when a value needs one.
    void setUnavailable(const QString &message);
    void clear();

    // The value a BLOB leader points to. Raises TableError for a missing or damaged file.
    QByteArray value(quint32 blockAndIndex, quint32 length) const;

    // The path of the memo file beside `tablePath`, any letter case; empty when there is none.
    static QString findBeside(const QString &tablePath);
    // The memo file of the table at `tablePath`: a link's table has it beside the table the link
    // points to, else beside the link; empty when there is none.
    static QString findFor(const QString &tablePath);

private:
    [[noreturn]] void fail(const QString &reason) const;
    QByteArray ownBlockValue(qint64 block, quint32 length) const;
    QByteArray subAllocatedValue(qint64 block, int index, quint32 length) const;

    QString m_path;
    QString m_unavailable;
    std::optional<QByteArray> m_bytes;
};

}
