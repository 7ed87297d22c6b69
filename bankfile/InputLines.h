// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/Progress.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

// The lines of an input one after the other, without their line ends, numbered from 1: for the
// readers that work line by line, so that a large input need not be held whole.
class LineSource
{
public:
    virtual ~LineSource() = default;
    // The next line into `line`; false at the end.
    virtual bool next(QString &line) = 0;
    // The number of the line `next` gave last.
    int number() const { return m_number; }

protected:
    int m_number = 0;
};

// The lines of a text already in memory, split at LF.
class TextLines : public LineSource
{
public:
    explicit TextLines(QString text); // shared, not copied: a temporary may be passed
    bool next(QString &line) override;

private:
    const QString m_text;
    qsizetype m_position = 0;
};

// The lines of a UTF-8 input read from a device a piece at a time, as readInput would give them
// (a byte order mark dropped, LF, CRLF and CR alike). Raises ImportError naming `name` for more
// than sizeLimit bytes, for binary data (a zero byte), and, when strict, for a line that is not
// UTF-8; reports the bytes read to progress.
class DeviceLines : public LineSource
{
public:
    DeviceLines(QIODevice &device, const QString &name, qint64 sizeLimit, bool strict, Progress &progress);
    bool next(QString &line) override;

private:
    // Reads the next piece into m_buffer; false at the end of the device.
    bool fill();
    QString decoded(QByteArrayView bytes);

    QIODevice &m_device;
    const QString m_name;
    const qint64 m_sizeLimit;
    const bool m_strict;
    Progress &m_progress;
    qint64 m_total = 0;
    qint64 m_read = 0;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_afterCarriageReturn = false;
};
