// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The largest input the bank tool reads: far above any real bank, low enough that a build
// stays a small multiple of it in memory.
constexpr qint64 InputSizeLimit = 64 * 1024 * 1024;

// Lowers the limit for a test, which then needs no huge file; never raises it.
inline const char InputLimitVariable[] = "TEST_ZNALOSTI_BANKA_LIMIT";

// The limit in force: InputSizeLimit or the lower number of bytes InputLimitVariable gives.
qint64 inputSizeLimit();

// An input file's content in UTF-8 (or as it is, for CSV in Windows-1250), its byte order mark
// removed, UTF-16 with a mark converted, CR and CRLF line ends made LF. Raises ImportError for
// a file that cannot be read, is larger than the limit or holds binary data, each found before
// more than the limit is read.
QByteArray readInputFile(const QString &path);
