// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AikenReader.h"

#include "ImportError.h"
#include "QuestionDraft.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &optionLine()
{
    static const QRegularExpression option(QStringLiteral(R"(^([A-Z])[.)]\s+(.*)$)"));
    return option;
}

const QRegularExpression &answerLine()
{
    static const QRegularExpression answer(QStringLiteral(R"(^ANSWER:\s*(\S*)\s*$)"));
    return answer;
}

class AikenReader
{
public:
    AikenReader(const QString &file, const QString &text) : m_file(file), m_text(text) {}

    ImportResult read()
    {
        const QStringList lines = m_text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_line = static_cast<int>(i) + 1;
            const QString line = lines[i].trimmed();
            if (!line.isEmpty())
                take(line);
        }
        if (!m_questionLines.isEmpty())
            throw ImportError(m_file, m_draft.line, QStringLiteral("otázce chybí řádek „ANSWER:“"));
        return m_result;
    }

private:
    [[noreturn]] void fail(const QString &reason) const { throw ImportError(m_file, m_line, reason); }

    void take(const QString &line)
    {
        const QRegularExpressionMatch answer = answerLine().match(line);
        if (answer.hasMatch()) {
            finish(answer.captured(1));
            return;
        }
        const QRegularExpressionMatch option = optionLine().match(line);
        if (option.hasMatch() && !m_questionLines.isEmpty()) {
            addOption(option.captured(1).front(), option.captured(2).trimmed());
            return;
        }
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
        if (m_draft.choices.isEmpty())
            fail(QStringLiteral("řádek „ANSWER:“ bez otázky a možností"));
        const qsizetype index = letter.size() == 1 ? letter.front().unicode() - u'A' : -1;
        if (index < 0 || index >= m_draft.choices.size())
            fail(QStringLiteral("„ANSWER: %1“ neoznačuje žádnou z možností").arg(letter));
        m_draft.choices[index].fraction = 100;
        m_draft.file = m_file;
        m_draft.text = m_questionLines.join(QLatin1Char('\n'));
        m_draft.name = nameFromText(m_draft.text);
        addDraft(m_result, m_draft);
        m_draft = QuestionDraft();
        m_questionLines.clear();
    }

    QString m_file;
    const QString &m_text;
    int m_line = 0;
    QStringList m_questionLines;
    QuestionDraft m_draft;
    ImportResult m_result;
};

}

ImportResult readAiken(const QString &file, const QString &text)
{
    return AikenReader(file, text).read();
}
