// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace paradox {

enum class FieldType : quint8 {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Number = 0x06,
    Logical = 0x09,
    Memo = 0x0C,
    Blob = 0x0D,
    FormattedMemo = 0x0E,
    Ole = 0x0F,
    Graphic = 0x10,
    Time = 0x14,
    Timestamp = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17,
    Bytes = 0x18,
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Alpha;
    int size = 0; // bytes inside a record
    int decimals = 0; // BCD: digits after the point

    bool operator==(const FieldDef &) const = default;
};

// A decoded field value: blank, an integer (Short, Long, AutoInc, Date, Time), a real
// (Number, Currency, Timestamp, BCD), a Boolean (Logical), a text (Alpha, Memo, Formatted
// memo), or raw bytes (Bytes and binary BLOBs).
using Value = std::variant<std::monostate, qint64, double, bool, QString, QByteArray>;

}
