// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The CSV, Moodle XML, GIFT and Aiken readers and the HTML to text step: any input either reads
// or fails with an ImportError naming a line inside the input.
#include "bankfile/AikenReader.h"
#include "bankfile/CsvBank.h"
#include "bankfile/GiftReader.h"
#include "bankfile/HtmlText.h"
#include "bankfile/ImportError.h"
#include "bankfile/MoodleXmlReader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    htmlToPlainText(text);
    for (int reader = 0; reader < 4; ++reader) {
        try {
            if (reader == 0)
                readMoodleXml(QStringLiteral("fuzz.xml"), text);
            else if (reader == 1)
                readGift(QStringLiteral("fuzz.gift"), text);
            else if (reader == 2)
                readAiken(QStringLiteral("fuzz.txt"), text);
            else
                readCsvBank(bytes, QStringLiteral("fuzz.csv"));
        } catch (const ImportError &error) {
            if (error.line() < 0 || error.line() > lines)
                std::abort();
        }
    }
    return 0;
}
