// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoodleXmlWriter.h"

#include <QXmlStreamWriter>

namespace {

// Plain text keeps the bank's line breaks and shows '<' and '&' as they are.
const QString PlainFormat = QStringLiteral("plain_text");

void writeText(QXmlStreamWriter &xml, const QString &text)
{
    xml.writeTextElement(QStringLiteral("text"), text);
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

void writeQuestion(QXmlStreamWriter &xml, const ExportedQuestion &question)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    xml.writeStartElement(QStringLiteral("name"));
    writeText(xml, question.name);
    xml.writeEndElement();
    writeFormatted(xml, QStringLiteral("questiontext"), question.text);
    writeFormatted(xml, QStringLiteral("generalfeedback"), question.comment);
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("abc"));
    for (int a = 0; a < 3; ++a) {
        xml.writeStartElement(QStringLiteral("answer"));
        xml.writeAttribute(QStringLiteral("fraction"), a == question.correct ? QStringLiteral("100") : QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("format"), PlainFormat);
        writeText(xml, question.answers[a]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

}

void writeMoodleXml(QIODevice &device, const QList<ExportedQuestion> &questions)
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    QString category;
    for (const ExportedQuestion &question : questions) {
        if (question.category != category)
            writeCategory(xml, question.category);
        category = question.category;
        writeQuestion(xml, question);
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}
