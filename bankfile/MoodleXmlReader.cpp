// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/MoodleXmlReader.h"

#include "bankfile/HtmlText.h"
#include "bankfile/ImportError.h"
#include "bankfile/QuestionDraft.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

// A <questiontext>, <feedback> or similar element: its <text> in its format.
struct FormattedText
{
    QString text;
    QString format;
    bool hasFile = false;
};

PlainText toPlain(const FormattedText &formatted)
{
    const bool html = formatted.format.isEmpty() || formatted.format == QLatin1String("html");
    PlainText plain = html ? htmlToPlainText(formatted.text) : cleanPlainText(formatted.text);
    plain.droppedImage = plain.droppedImage || formatted.hasFile;
    return plain;
}

QString skippedType(const QString &type)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("truefalse"), QStringLiteral("pravda/nepravda")},
        {QStringLiteral("shortanswer"), QStringLiteral("krátká odpověď")},
        {QStringLiteral("numerical"), QStringLiteral("číselná odpověď")},
        {QStringLiteral("matching"), QStringLiteral("přiřazování")},
        {QStringLiteral("essay"), QStringLiteral("esej")},
        {QStringLiteral("cloze"), QStringLiteral("vložené odpovědi (cloze)")},
        {QStringLiteral("multianswer"), QStringLiteral("vložené odpovědi (cloze)")},
        {QStringLiteral("description"), QStringLiteral("popis bez odpovědí")},
    };
    if (type.isEmpty())
        return QStringLiteral("chybí typ otázky");
    return QStringLiteral("typ otázky %1").arg(names.value(type, type));
}

class MoodleXmlReader
{
public:
    MoodleXmlReader(const QString &file, const QString &content) : m_file(file), m_xml(content) {}

    BankContent read()
    {
        if (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("quiz"))
                fail(QStringLiteral("kořenový prvek je <%1>, ne <quiz>").arg(m_xml.name()));
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("question"))
                    question();
                else
                    m_xml.skipCurrentElement();
            }
        }
        if (m_xml.hasError())
            fail(QStringLiteral("chybné XML: %1 (sloupec %2)").arg(xmlErrorText()).arg(m_xml.columnNumber()));
        if (m_xml.name() != QLatin1String("quiz"))
            fail(QStringLiteral("chybí prvek <quiz>"));
        return m_result;
    }

private:
    [[noreturn]] void fail(const QString &reason) const
    {
        throw ImportError(m_file, static_cast<int>(m_xml.lineNumber()), reason);
    }

    // The reader's own messages are English; the kind of fault is told in Czech instead.
    QString xmlErrorText() const
    {
        if (m_xml.errorString().contains(QLatin1String("entity"), Qt::CaseInsensitive))
            return QStringLiteral("entita je nedefinovaná, zacyklená nebo se rozvine do příliš dlouhého textu");
        switch (m_xml.error()) {
        case QXmlStreamReader::PrematureEndOfDocumentError:
            return QStringLiteral("soubor končí uprostřed prvku");
        case QXmlStreamReader::UnexpectedElementError:
            return QStringLiteral("prvek tam, kde má být jen text");
        case QXmlStreamReader::NotWellFormedError:
            return QStringLiteral("značky nebo znaky neodpovídají pravidlům XML");
        default:
            return QStringLiteral("soubor nelze přečíst jako XML");
        }
    }

    // The handler reads the child it knows and returns true; others are skipped.
    template<typename Handler>
    void forEachChild(Handler handle)
    {
        while (m_xml.readNextStartElement()) {
            if (!handle(m_xml.name()))
                m_xml.skipCurrentElement();
        }
    }

    // Reads the current element's text, which may not hold elements.
    QString elementText()
    {
        return m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    }

    // Reads the current element; true when it holds more than white space.
    bool hasText() { return !elementText().trimmed().isEmpty(); }

    FormattedText formattedText()
    {
        FormattedText formatted;
        formatted.format = m_xml.attributes().value(QLatin1String("format")).toString();
        forEachChild([&](QStringView name) {
            if (name == QLatin1String("text"))
                formatted.text = elementText();
            else if (name == QLatin1String("file"))
                formatted.hasFile = true;
            return name == QLatin1String("text");
        });
        return formatted;
    }

    void question()
    {
        const QString type = m_xml.attributes().value(QLatin1String("type")).toString();
        QuestionDraft draft;
        draft.file = m_file;
        draft.line = static_cast<int>(m_xml.lineNumber());
        draft.category = m_category;
        FormattedText text;
        FormattedText generalFeedback;
        QList<FormattedText> feedbacks;
        QString single;
        forEachChild([&](QStringView name) {
            if (name == QLatin1String("category"))
                m_category = formattedText().text.trimmed();
            else if (name == QLatin1String("name"))
                draft.name = formattedText().text.trimmed();
            else if (name == QLatin1String("questiontext"))
                text = formattedText();
            else if (name == QLatin1String("generalfeedback"))
                generalFeedback = formattedText();
            else if (name == QLatin1String("single"))
                single = elementText().trimmed();
            else if (name == QLatin1String("answer"))
                feedbacks.append(answer(draft));
            else if (name == QLatin1String("image") || name == QLatin1String("image_base64"))
                draft.droppedImage = hasText() || draft.droppedImage;
            else
                return false;
            return true;
        });
        if (m_xml.hasError() || type == QLatin1String("category"))
            return;
        draft.singleAnswer = single != QLatin1String("false") && single != QLatin1String("0");
        const PlainText plain = toPlain(text);
        const PlainText feedback = toPlain(generalFeedback);
        draft.text = plain.text;
        draft.droppedImage = draft.droppedImage || plain.droppedImage || feedback.droppedImage;
        draft.generalFeedback = feedback.text;
        for (qsizetype i = 0; i < draft.choices.size(); ++i)
            draft.choices[i].feedback = toPlain(feedbacks[i]).text;
        if (draft.name.isEmpty())
            draft.name = nameFromText(draft.text);
        if (type == QLatin1String("multichoice"))
            addDraft(m_result, draft);
        else
            addSkipped(m_result, draft.name, m_file, draft.line, skippedType(type));
    }

    // Adds the answer's choice to the draft and returns its feedback.
    FormattedText answer(QuestionDraft &draft)
    {
        const QString fraction = m_xml.attributes().value(QLatin1String("fraction")).toString();
        const int line = static_cast<int>(m_xml.lineNumber());
        FormattedText text;
        text.format = m_xml.attributes().value(QLatin1String("format")).toString();
        FormattedText feedback;
        forEachChild([&](QStringView name) {
            if (name == QLatin1String("text"))
                text.text = elementText();
            else if (name == QLatin1String("feedback"))
                feedback = formattedText();
            else if (name == QLatin1String("file"))
                text.hasFile = true;
            return name == QLatin1String("text") || name == QLatin1String("feedback");
        });
        bool ok = false;
        const double percent = fraction.toDouble(&ok);
        if (!ok && !m_xml.hasError())
            throw ImportError(m_file, line, QStringLiteral("hodnocení odpovědi „%1“ není číslo").arg(fraction));
        const PlainText plain = toPlain(text);
        draft.choices.append({plain.text, percent, QString()});
        draft.droppedImage = draft.droppedImage || plain.droppedImage;
        return feedback;
    }

    QString m_file;
    QXmlStreamReader m_xml;
    QString m_category;
    BankContent m_result;
};

}

BankContent readMoodleXml(const QString &file, const QString &content)
{
    return MoodleXmlReader(file, content).read();
}
