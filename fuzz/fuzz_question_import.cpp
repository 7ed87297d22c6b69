// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The CSV, Moodle XML, GIFT and Aiken readers, the HTML to text step and the reading of an input
// as a file is read (format detection, line by line, size limit): any input either reads or
// fails with an ImportError naming a line inside the input.
#include "bankfile/AikenReader.h"
#include "bankfile/BankImport.h"
#include "bankfile/CsvBank.h"
#include "bankfile/GiftReader.h"
#include "bankfile/HtmlText.h"
#include "bankfile/ImportError.h"
#include "bankfile/MoodleXmlReader.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

// A small limit lets inputs both under and over it come from the fuzzer.
constexpr qint64 FuzzSizeLimit = 4096;

void readAsFile(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    ImportOptions options;
    options.sizeLimit = FuzzSizeLimit;
    importInput(buffer, QStringLiteral("fuzz"), options);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    htmlToPlainText(text);
    for (int reader = 0; reader < 5; ++reader) {
        try {
            if (reader == 0)
                readMoodleXml(QStringLiteral("fuzz.xml"), text);
            else if (reader == 1)
                readGift(QStringLiteral("fuzz.gift"), text);
            else if (reader == 2)
                readAiken(QStringLiteral("fuzz.txt"), text);
            else if (reader == 3)
                readCsvBank(bytes, QStringLiteral("fuzz.csv"));
            else
                readAsFile(bytes);
        } catch (const ImportError &error) {
            if (error.line() < 0 || error.line() > lines)
                std::abort();
        }
    }
    return 0;
}
