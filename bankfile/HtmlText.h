// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A question's text as the bank stores it, and whether an embedded image had to go.
struct PlainText
{
    QString text;
    bool droppedImage = false;
};

// Moodle's HTML as plain text: tags removed, entities decoded, <br>, <p>, <li> and <div> as
// line breaks, runs of white space folded, images and linked files dropped.
PlainText htmlToPlainText(const QString &html);

// Text that is not HTML: trimmed, line ends unified, Markdown images of the course dropped.
PlainText cleanPlainText(const QString &text);
