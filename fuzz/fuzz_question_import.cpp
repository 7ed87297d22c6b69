// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Moodle XML, GIFT and Aiken readers and the HTML to text step: any input either reads or
// fails with an ImportError naming a line inside the input.
#include "tools/import/AikenReader.h"
#include "tools/import/GiftReader.h"
#include "tools/import/HtmlText.h"
#include "tools/import/ImportError.h"
#include "tools/import/MoodleXmlReader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    htmlToPlainText(text);
    for (int reader = 0; reader < 3; ++reader) {
        try {
            if (reader == 0)
                readMoodleXml(QStringLiteral("fuzz.xml"), text);
            else if (reader == 1)
                readGift(QStringLiteral("fuzz.gift"), text);
            else
                readAiken(QStringLiteral("fuzz.txt"), text);
        } catch (const ImportError &error) {
            if (error.line() < 0 || error.line() > lines)
                std::abort();
        }
    }
    return 0;
}
