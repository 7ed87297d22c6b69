// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace results {

// The on-disk form of a record: UTF-8 JSON, an object whose "format" is RecordFormat and whose
// "formatVersion" is at most RecordFormatVersion. README.md documents every field.
inline constexpr char RecordFormat[] = "test-znalosti-pokus";
inline constexpr int RecordFormatVersion = 1;

QByteArray toJson(const AttemptRecord &record);

// A record, or why the bytes are none (in Czech): not JSON, another program's file, a newer
// format, a field missing or of the wrong kind.
struct ParsedRecord
{
    std::optional<AttemptRecord> record;
    QString problem;
};
ParsedRecord parseRecord(const QByteArray &json);

}
