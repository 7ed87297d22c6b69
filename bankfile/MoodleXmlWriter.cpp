// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/MoodleXmlWriter.h"

#include "bank/BankRules.h"
#include "bankfile/MoodleNaming.h"

#include <QXmlStreamWriter>

namespace {

// Plain text keeps the bank's line breaks and shows '<' and '&' as they are.
const QString PlainFormat = QStringLiteral("plain_text");

// Moodle's parser drops character data that is only white space between two entities ("< >"
// arrives as "<>"); in a CDATA section every character stays. The writer splits a "]]>" of the
// text across two sections.
void writeText(QXmlStreamWriter &xml, const QString &text)
{
    xml.writeStartElement(QStringLiteral("text"));
    if (text.isEmpty())
        xml.writeCharacters(text); // "<text></text>", as Moodle writes an empty text
    else
        xml.writeCDATA(text);
    xml.writeEndElement();
}

void writeFormatted(QXmlStreamWriter &xml, const QString &element, const QString &text)
{
    xml.writeStartElement(element);
    xml.writeAttribute(QStringLiteral("format"), PlainFormat);
    writeText(xml, text);
    xml.writeEndElement();
}

void writeCategory(QXmlStreamWriter &xml, const QString &category)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    xml.writeStartElement(QStringLiteral("category"));
    writeText(xml, category);
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeQuestion(QXmlStreamWriter &xml, const BankRecord &record)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    xml.writeStartElement(QStringLiteral("name"));
    writeText(xml, moodleName(record));
    xml.writeEndElement();
    writeFormatted(xml, QStringLiteral("questiontext"), record.dotaz);
    writeFormatted(xml, QStringLiteral("generalfeedback"), record.komentar);
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("abc"));
    for (int a = 0; a < BankRules::AnswerCount; ++a) {
        xml.writeStartElement(QStringLiteral("answer"));
        xml.writeAttribute(QStringLiteral("fraction"), a == record.cspravOdp ? QStringLiteral("100") : QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("format"), PlainFormat);
        writeText(xml, record.answer(a));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

}

void writeMoodleXml(QIODevice &device, const QList<BankRecord> &records, const QList<GroupChoice> &groupNames,
                    Progress &progress)
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    QString category;
    for (qsizetype r = 0; r < records.size(); ++r) {
        if (r % RecordsPerStep == 0)
            progress.advance(r, records.size());
        const QString recordCategory = moodleCategory(records[r].skupina, groupNames);
        if (recordCategory != category)
            writeCategory(xml, recordCategory);
        category = recordCategory;
        writeQuestion(xml, records[r]);
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    progress.advance(records.size(), records.size());
}
