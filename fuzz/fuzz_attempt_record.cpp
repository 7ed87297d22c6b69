// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A results file of any content: reading never fails, and a record that reads is written back
// so that it reads again as the same record.
#include "results/RecordJson.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const results::ParsedRecord parsed =
        results::parseRecord(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!parsed.record) {
        if (parsed.problem.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = results::toJson(*parsed.record);
    const results::ParsedRecord again = results::parseRecord(written);
    if (!again.record || results::toJson(*again.record) != written)
        std::abort();
    return 0;
}
