// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/AikenReader.h"

#include "bankfile/ImportError.h"
#include "bankfile/QuestionDraft.h"

#include <QRegularExpression>

namespace {

// "A. text", "A) text", and "A)text" as Moodle also reads it.
const QRegularExpression &optionLine()
{
    static const QRegularExpression option(QStringLiteral(R"(^([A-Z])(?:[.)]\s+|\))(.*)$)"));
    return option;
}

const QLatin1String AnswerTag("ANSWER:");

class AikenReader
{
public:
    AikenReader(const QString &file, const QString &text) : m_file(file), m_text(text) {}

    BankContent read()
    {
        int number = 0;
        for (const QStringView line : QStringView(m_text).tokenize(u'\n')) {
            m_line = ++number;
            take(line.trimmed().toString());
        }
        if (!m_draft.choices.isEmpty() && m_skipReason.isEmpty())
            throw ImportError(m_file, m_draft.line, QStringLiteral("otázce chybí řádek „ANSWER:“"));
        endPiece();
        return m_result;
    }

private:
    [[noreturn]] void fail(const QString &reason) const { throw ImportError(m_file, m_line, reason); }

    void take(const QString &line)
    {
        if (line.isEmpty()) {
            // Text with no options yet ends here rather than running into the next question.
            if (m_draft.choices.isEmpty())
                endPiece();
            return;
        }
        if (m_pieceLine == 0) {
            m_pieceLine = m_line;
            m_pieceStart = line;
        }
        if (line.startsWith(AnswerTag)) {
            finish(line.mid(AnswerTag.size()).trimmed());
            return;
        }
        const QRegularExpressionMatch option = optionLine().match(line);
        if (option.hasMatch() && (m_questionLines.isEmpty() || !m_skipReason.isEmpty())) {
            skipPiece(QStringLiteral("možnost bez otázky"));
            return;
        }
        if (option.hasMatch()) {
            addOption(option.captured(1).front(), option.captured(2).trimmed());
            return;
        }
        if (!m_skipReason.isEmpty())
            return;
        if (!m_draft.choices.isEmpty())
            fail(QStringLiteral("po možnostech má následovat řádek „ANSWER:“"));
        if (m_questionLines.isEmpty())
            m_draft.line = m_line;
        m_questionLines.append(line);
    }

    void addOption(QChar letter, const QString &text)
    {
        const QChar expected(char16_t(u'A' + m_draft.choices.size()));
        if (letter != expected)
            fail(QStringLiteral("očekává se možnost %1, ne %2").arg(expected).arg(letter));
        m_draft.choices.append({text, 0, QString()});
    }

    void finish(const QString &letter)
    {
        if (!m_skipReason.isEmpty() || m_draft.choices.isEmpty()) {
            skipPiece(QStringLiteral("řádek „ANSWER:“ bez možností"));
            endPiece();
            return;
        }
        const qsizetype index = letter.size() == 1 ? letter.front().unicode() - u'A' : -1;
        if (index < 0 || index >= m_draft.choices.size())
            fail(QStringLiteral("„ANSWER: %1“ neoznačuje žádnou z možností").arg(letter));
        m_draft.choices[index].fraction = 100;
        m_draft.file = m_file;
        m_draft.text = m_questionLines.join(QLatin1Char('\n'));
        m_draft.name = nameFromText(m_draft.text);
        addDraft(m_result, m_draft);
        m_questionLines.clear();
        endPiece();
    }

    // The lines from here to the piece's end begin no question; the first reason found is kept.
    void skipPiece(const QString &reason)
    {
        if (m_skipReason.isEmpty())
            m_skipReason = reason;
    }

    // Lines that begin no question (a lone option, a lone "ANSWER:", text followed by an empty
    // line) are skipped together.
    void endPiece()
    {
        if (!m_questionLines.isEmpty())
            skipPiece(QStringLiteral("text bez možností a řádku „ANSWER:“"));
        if (!m_skipReason.isEmpty())
            addSkipped(m_result, nameFromText(m_pieceStart), m_file, m_pieceLine, m_skipReason);
        m_draft = QuestionDraft();
        m_questionLines.clear();
        m_skipReason.clear();
        m_pieceLine = 0;
    }

    QString m_file;
    const QString &m_text;
    int m_line = 0;
    int m_pieceLine = 0;
    QString m_pieceStart;
    QString m_skipReason;
    QStringList m_questionLines;
    QuestionDraft m_draft;
    BankContent m_result;
};

}

BankContent readAiken(const QString &file, const QString &text)
{
    return AikenReader(file, text).read();
}
