// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>

// The largest input read by default: far above any real bank, low enough that a build stays a
// small multiple of it in memory.
constexpr qint64 InputSizeLimit = 64 * 1024 * 1024;

// Opens the device for reading unless it is open; raises ImportError naming `name` and the
// system's reason when it cannot.
void openInput(QIODevice &device, const QString &name);

// Whether the open device's content begins with a UTF-16 byte order mark.
bool startsAsUtf16(QIODevice &device);

// Raise ImportError naming the input: larger than the limit, or binary data.
[[noreturn]] void refuseInputSize(const QString &name, qint64 sizeLimit);
[[noreturn]] void refuseBinaryInput(const QString &name);

// An input's content in UTF-8 (or as it is, for CSV in Windows-1250), its byte order mark
// removed, UTF-16 with a mark converted, CR and CRLF line ends made LF. device is opened for
// reading when it is not open; `name` names it in messages. Raises ImportError for an input that
// cannot be read, is larger than sizeLimit bytes or holds binary data, each found before more
// than the limit is read.
QByteArray readInput(QIODevice &device, const QString &name, qint64 sizeLimit);
