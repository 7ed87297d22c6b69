// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "paradox/Types.h"

namespace paradox {

class Memo;
class TextCodec;

// The value of a field whose bytes start at `bytes`; BLOB values longer than the record's part
// are read from `memo`. Raises TableError for a damaged value.
Value decodeValue(const char *bytes, const FieldDef &field, const TextCodec &codec,
                  const Memo &memo);

// The value as text: numbers in plain decimal (reals as the shortest text that reads back to
// the same number), Logical as true/false, dates and times in ISO 8601, bytes in hex.
QString valueToText(const Value &value, FieldType type);

// The value as a 32-bit integer: integers and reals (rounded to nearest, an exact half to
// even) in range, or a text holding a decimal integer. Raises ConvertError otherwise.
qint32 valueToInteger(const Value &value, FieldType type, const QString &fieldName);

// The shortest plain decimal text that reads back to `number`.
QString numberToText(double number);

}
