// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/GiftReader.h"

#include "bankfile/HtmlText.h"
#include "bankfile/ImportError.h"
#include "bankfile/InputLines.h"
#include "bankfile/QuestionDraft.h"

#include <QRegularExpression>

namespace {

// A line of the file and its number.
struct SourceLine
{
    int number = 0;
    QString text;
};

// Where token starts at or after from, not counting characters escaped with a backslash.
qsizetype findUnescaped(const QString &text, QLatin1String token, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (QStringView(text).mid(i).startsWith(token))
            return i;
    }
    return -1;
}

qsizetype skipSpace(const QString &text, qsizetype position)
{
    while (position < text.size() && text[position].isSpace())
        ++position;
    return position;
}

// Past a "[html]", "[moodle]", "[plain]" or "[markdown]" at position, which sets format; position
// itself when there is none.
qsizetype formatPrefixEnd(const QString &text, qsizetype position, QString &format)
{
    static const QRegularExpression prefix(QStringLiteral(R"(\[(html|moodle|plain|markdown)\])"));
    const QRegularExpressionMatch match =
        prefix.match(text, position, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return position;
    format = match.captured(1);
    return match.capturedEnd();
}

QString unescape(const QString &text)
{
    static const QString escapable = QStringLiteral(":{}=~#\\");
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] != QLatin1Char('\\') || next.isNull()) {
            plain.append(text[i]);
        } else if (escapable.contains(next)) {
            plain.append(next);
            ++i;
        } else if (next == QLatin1Char('n')) {
            plain.append(QLatin1Char('\n'));
            ++i;
        } else {
            plain.append(text[i]);
        }
    }
    return plain;
}

// The answers of a block split at each unescaped '=' or '~', the marker kept in front.
QStringList splitAnswers(const QString &block, QString &leading)
{
    QStringList answers;
    qsizetype start = -1;
    for (qsizetype i = 0; i < block.size(); ++i) {
        const QChar c = block[i];
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('=') || c == QLatin1Char('~')) {
            if (start >= 0)
                answers.append(block.mid(start, i - start));
            else
                leading = block.left(i);
            start = i;
        }
    }
    if (start >= 0)
        answers.append(block.mid(start));
    else
        leading = block;
    return answers;
}

class GiftQuestion
{
public:
    GiftQuestion(const QString &file, const QList<SourceLine> &lines, const QString &category)
        : m_lines(lines)
    {
        for (const SourceLine &line : lines) {
            if (!m_source.isEmpty())
                m_source += QLatin1Char('\n');
            m_source += line.text;
        }
        m_draft.file = file;
        m_draft.line = lines.first().number;
        m_draft.category = category;
    }

    void addTo(BankContent &result)
    {
        qsizetype position = readTitle(skipSpace(m_source, 0));
        position = readFormat(skipSpace(m_source, position));
        const qsizetype open = findUnescaped(m_source, QLatin1String("{"), position);
        refuseStrayClose(position, open < 0 ? m_source.size() : open);
        if (open < 0) {
            m_draft.text = convert(m_source.mid(position));
            skip(result, QStringLiteral("popis bez odpovědí"));
            return;
        }
        const qsizetype close = findUnescaped(m_source, QLatin1String("}"), open + 1);
        if (close < 0)
            throw ImportError(m_draft.file, lineAt(open), QStringLiteral("blok odpovědí „{“ není uzavřen „}“"));
        const qsizetype next = findUnescaped(m_source, QLatin1String("{"), close + 1);
        refuseStrayClose(close + 1, next < 0 ? m_source.size() : next);
        const QString after = m_source.mid(close + 1);
        const QString before = m_source.mid(position, open - position);
        m_draft.text = convert(after.trimmed().isEmpty() ? before : before + QStringLiteral("_____") + after);
        if (next >= 0) {
            skip(result, QStringLiteral("více bloků odpovědí"));
            return;
        }
        const QString reason = readAnswers(m_source.mid(open + 1, close - open - 1));
        if (!reason.isEmpty()) {
            skip(result, reason);
            return;
        }
        setName();
        addDraft(result, m_draft);
    }

private:
    // A "}" that closes no "{" is as much a fault as a "{" left open.
    void refuseStrayClose(qsizetype from, qsizetype to) const
    {
        const qsizetype stray = findUnescaped(m_source, QLatin1String("}"), from);
        if (stray >= 0 && stray < to)
            throw ImportError(m_draft.file, lineAt(stray), QStringLiteral("„}“ neuzavírá žádný blok odpovědí „{“"));
    }

    int lineAt(qsizetype position) const
    {
        return m_lines[m_source.left(position).count(QLatin1Char('\n'))].number;
    }

    qsizetype readTitle(qsizetype position)
    {
        if (!QStringView(m_source).mid(position).startsWith(QLatin1String("::")))
            return position;
        const qsizetype end = findUnescaped(m_source, QLatin1String("::"), position + 2);
        if (end < 0)
            throw ImportError(m_draft.file, lineAt(position), QStringLiteral("název otázky „::“ není uzavřen „::“"));
        m_draft.name = unescape(m_source.mid(position + 2, end - position - 2)).simplified();
        return end + 2;
    }

    qsizetype readFormat(qsizetype position)
    {
        return formatPrefixEnd(m_source, position, m_format);
    }

    // The text in its own format where a prefix names one, else in the question's.
    QString convert(const QString &text)
    {
        QString format = m_format;
        const QString unescaped = unescape(text.mid(formatPrefixEnd(text, skipSpace(text, 0), format)));
        const PlainText plain = format == QLatin1String("html") ? htmlToPlainText(unescaped) : cleanPlainText(unescaped);
        m_draft.droppedImage = m_draft.droppedImage || plain.droppedImage;
        return plain.text;
    }

    void setName()
    {
        if (m_draft.name.isEmpty())
            m_draft.name = nameFromText(m_draft.text);
    }

    void skip(BankContent &result, const QString &reason)
    {
        setName();
        addSkipped(result, m_draft.name, m_draft.file, m_draft.line, reason);
    }

    // Fills the draft's choices; returns why the block is not a choice question, if it is not.
    QString readAnswers(QString block)
    {
        static const QRegularExpression trueFalse(QStringLiteral(R"(^\s*(T|F|TRUE|FALSE)\s*(#.*)?$)"),
                                                  QRegularExpression::CaseInsensitiveOption
                                                      | QRegularExpression::DotMatchesEverythingOption);
        const qsizetype general = findUnescaped(block, QLatin1String("####"), 0);
        if (general >= 0) {
            m_draft.generalFeedback = convert(block.mid(general + 4));
            block.truncate(general);
        }
        if (block.trimmed().isEmpty())
            return QStringLiteral("esej");
        if (block.trimmed().startsWith(QLatin1Char('#')))
            return QStringLiteral("číselná odpověď");
        if (trueFalse.match(block).hasMatch())
            return QStringLiteral("pravda/nepravda");
        QString leading;
        const QStringList answers = splitAnswers(block, leading);
        if (!leading.trimmed().isEmpty())
            return QStringLiteral("text v bloku odpovědí před první odpovědí");
        // Only "=" answers make pairs; a "->" beside a wrong answer is text.
        const bool wrongAnswer = std::any_of(answers.cbegin(), answers.cend(),
                                             [](const QString &answer) { return answer.startsWith(QLatin1Char('~')); });
        for (const QString &answer : answers) {
            if (!wrongAnswer && findUnescaped(answer, QLatin1String("->"), 0) >= 0)
                return QStringLiteral("přiřazování");
            m_draft.choices.append(choice(answer));
        }
        return wrongAnswer ? QString() : QStringLiteral("krátká odpověď");
    }

    // One answer with its marker: "=text", "~text", "~%50%text", each maybe with "#feedback". As
    // in Moodle, a weight follows "~" only: "=%50%text" is a correct answer "%50%text".
    Choice choice(const QString &answer)
    {
        Choice choice;
        const bool correct = answer.startsWith(QLatin1Char('='));
        choice.fraction = correct ? 100 : 0;
        QString rest = answer.mid(1);
        static const QRegularExpression weight(QStringLiteral(R"(^\s*%(-?[0-9]+(?:\.[0-9]+)?)%)"));
        const QRegularExpressionMatch match = weight.match(rest);
        if (!correct && match.hasMatch()) {
            choice.fraction = match.captured(1).toDouble();
            rest = rest.mid(match.capturedEnd());
        }
        const qsizetype hash = findUnescaped(rest, QLatin1String("#"), 0);
        if (hash >= 0) {
            choice.feedback = convert(rest.mid(hash + 1));
            rest.truncate(hash);
        }
        choice.text = convert(rest);
        return choice;
    }

    const QList<SourceLine> &m_lines;
    QString m_source;
    QuestionDraft m_draft;
    QString m_format;
};

class GiftReader
{
public:
    GiftReader(const QString &file, LineSource &lines, qsizetype expected) : m_file(file), m_lines(lines)
    {
        m_result.records.reserve(expected);
        m_result.origins.reserve(expected);
    }

    BankContent read()
    {
        QString line;
        while (m_lines.next(line)) {
            const QStringView trimmed = QStringView(line).trimmed();
            if (trimmed.startsWith(QLatin1String("//")))
                continue;
            if (trimmed.isEmpty())
                flush();
            else
                m_block.append({m_lines.number(), line});
        }
        flush();
        return m_result;
    }

private:
    // Questions are separated by empty lines; a category line applies to those after it.
    void flush()
    {
        static const QLatin1String categoryTag("$CATEGORY:");
        if (!m_block.isEmpty() && QStringView(m_block.first().text).trimmed().startsWith(categoryTag)) {
            m_category = QStringView(m_block.first().text).trimmed().mid(categoryTag.size()).trimmed().toString();
            m_block.removeFirst();
        }
        if (!m_block.isEmpty())
            GiftQuestion(m_file, m_block, m_category).addTo(m_result);
        m_block.clear();
    }

    QString m_file;
    LineSource &m_lines;
    QList<SourceLine> m_block;
    QString m_category;
    BankContent m_result;
};

}

BankContent readGift(const QString &file, LineSource &lines, qsizetype expected)
{
    return GiftReader(file, lines, expected).read();
}

BankContent readGift(const QString &file, const QString &text)
{
    TextLines lines(text);
    return readGift(file, lines);
}
