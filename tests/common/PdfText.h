// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Text extracted from a PDF file by poppler's pdftotext, which tests need installed.
namespace PdfText {

struct Word
{
    double left; // in points
    QString text;
    double top = 0; // in points from the page's top
    int page = 0;   // from 1
};

bool available();
// The text of the file laid out as printed; pages end with a form feed.
QString extract(const QString &pdfPath);
// The pages of the file's text, the empty final page included.
QStringList pageTexts(const QString &pdfPath);
// The words of the file with their boxes and pages, in the order they were drawn.
QList<Word> wordBoxes(const QString &pdfPath);
// The left edges of the words equal to text.
QList<double> leftsOf(const QList<Word> &words, const QString &text);

}
