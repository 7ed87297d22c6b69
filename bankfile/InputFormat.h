// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringView>

enum class InputFormat { MoodleXml, Gift, Aiken, Csv, Unknown };

// Tells an input's format from its lines as they come, whatever the file is called: the first
// line that is not blank starts Moodle XML ("<") or names a CSV bank's fields (after Excel's
// "sep=;"); otherwise a line "ANSWER: X" makes Aiken, a "$CATEGORY:" or a "{" outside a comment
// GIFT.
class FormatDetector
{
public:
    // Takes the next line; true once the format is certain and later lines cannot change it.
    bool take(QStringView line);
    InputFormat format() const;
    // Whether any line held more than white space.
    bool sawText() const { return m_sawText; }
    // Lines that look like GIFT: at least as many as the questions of a GIFT file.
    qsizetype giftLines() const { return m_giftLines; }

private:
    bool m_sawText = false;
    bool m_headerNext = false;
    qsizetype m_giftLines = 0;
    InputFormat m_decided = InputFormat::Unknown;
};

// The format of a whole content, which may start with a UTF-8 byte order mark.
InputFormat detectInputFormat(const QByteArray &content);
