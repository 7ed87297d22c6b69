// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// One input holds a table and its memo file: a 4-byte little-endian length of the table part,
// the table, then the memo file.
#include "platform/core/AppError.h"
#include "paradox/Table.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    quint32 dbSize = 0;
    std::memcpy(&dbSize, data, 4);
    const size_t rest = size - 4;
    dbSize = static_cast<quint32>(std::min<size_t>(dbSize, rest));
    const QByteArray db(reinterpret_cast<const char *>(data + 4), dbSize);
    const QByteArray mb(reinterpret_cast<const char *>(data + 4 + dbSize), static_cast<qsizetype>(rest - dbSize));
    paradox::Table table;
    try {
        table.openFromBytes(db, mb, QStringLiteral("fuzz.db"));
        for (int f = 0; f < table.fieldCount(); ++f) {
            try {
                table.integerColumn(table.field(f).name);
            } catch (const AppError &) {
            }
        }
        const int count = table.recordCount();
        table.first();
        for (int i = 0; i < count && i < 4096; ++i) {
            for (int f = 0; f < table.fieldCount(); ++f) {
                const QString name = table.field(f).name;
                try {
                    table.fieldAsInteger(name);
                } catch (const AppError &) {
                }
                table.fieldAsString(name);
                table.value(f);
            }
            table.next();
        }
    } catch (const AppError &) {
    }
    return 0;
}
