// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/HtmlText.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

const QLatin1String PluginFile("@@PLUGINFILE@@");

const QHash<QString, char16_t> &namedEntities()
{
    static const QHash<QString, char16_t> entities = {
        {QStringLiteral("amp"), u'&'}, {QStringLiteral("lt"), u'<'}, {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'}, {QStringLiteral("apos"), u'\''}, {QStringLiteral("nbsp"), u'\u00A0'},
        {QStringLiteral("ndash"), u'–'}, {QStringLiteral("mdash"), u'—'}, {QStringLiteral("hellip"), u'…'},
        {QStringLiteral("bdquo"), u'„'}, {QStringLiteral("ldquo"), u'“'}, {QStringLiteral("rdquo"), u'”'},
        {QStringLiteral("sbquo"), u'‚'}, {QStringLiteral("lsquo"), u'‘'}, {QStringLiteral("rsquo"), u'’'},
        {QStringLiteral("laquo"), u'«'}, {QStringLiteral("raquo"), u'»'}, {QStringLiteral("deg"), u'°'},
        {QStringLiteral("times"), u'×'}, {QStringLiteral("divide"), u'÷'}, {QStringLiteral("plusmn"), u'±'},
        {QStringLiteral("sect"), u'§'}, {QStringLiteral("copy"), u'©'}, {QStringLiteral("reg"), u'®'},
        {QStringLiteral("euro"), u'€'}, {QStringLiteral("middot"), u'·'}, {QStringLiteral("bull"), u'•'},
        {QStringLiteral("shy"), u'\u00AD'},
        {QStringLiteral("aacute"), u'á'}, {QStringLiteral("Aacute"), u'Á'}, {QStringLiteral("eacute"), u'é'},
        {QStringLiteral("Eacute"), u'É'}, {QStringLiteral("iacute"), u'í'}, {QStringLiteral("Iacute"), u'Í'},
        {QStringLiteral("oacute"), u'ó'}, {QStringLiteral("Oacute"), u'Ó'}, {QStringLiteral("uacute"), u'ú'},
        {QStringLiteral("Uacute"), u'Ú'}, {QStringLiteral("yacute"), u'ý'}, {QStringLiteral("Yacute"), u'Ý'},
        {QStringLiteral("ecaron"), u'ě'}, {QStringLiteral("Ecaron"), u'Ě'}, {QStringLiteral("scaron"), u'š'},
        {QStringLiteral("Scaron"), u'Š'}, {QStringLiteral("ccaron"), u'č'}, {QStringLiteral("Ccaron"), u'Č'},
        {QStringLiteral("rcaron"), u'ř'}, {QStringLiteral("Rcaron"), u'Ř'}, {QStringLiteral("zcaron"), u'ž'},
        {QStringLiteral("Zcaron"), u'Ž'}, {QStringLiteral("dcaron"), u'ď'}, {QStringLiteral("Dcaron"), u'Ď'},
        {QStringLiteral("tcaron"), u'ť'}, {QStringLiteral("Tcaron"), u'Ť'}, {QStringLiteral("ncaron"), u'ň'},
        {QStringLiteral("Ncaron"), u'Ň'}, {QStringLiteral("uring"), u'ů'}, {QStringLiteral("Uring"), u'Ů'},
        {QStringLiteral("auml"), u'ä'}, {QStringLiteral("Auml"), u'Ä'}, {QStringLiteral("ouml"), u'ö'},
        {QStringLiteral("Ouml"), u'Ö'}, {QStringLiteral("uuml"), u'ü'}, {QStringLiteral("Uuml"), u'Ü'},
        {QStringLiteral("szlig"), u'ß'},
    };
    return entities;
}

bool isBreakTag(const QString &name)
{
    static const QStringList breaks = {
        QStringLiteral("br"), QStringLiteral("p"), QStringLiteral("li"), QStringLiteral("div"),
        QStringLiteral("tr"), QStringLiteral("ul"), QStringLiteral("ol"), QStringLiteral("h1"),
        QStringLiteral("h2"), QStringLiteral("h3"), QStringLiteral("h4"), QStringLiteral("h5"),
        QStringLiteral("h6"),
    };
    return breaks.contains(name);
}

// Each line folded to single spaces; empty lines go.
QString foldWhiteSpace(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString folded = line.simplified();
        if (!folded.isEmpty())
            lines.append(folded);
    }
    return lines.join(QLatin1Char('\n'));
}

class HtmlConverter
{
public:
    explicit HtmlConverter(const QString &html) : m_html(html) {}

    PlainText convert()
    {
        while (m_position < m_html.size()) {
            const QChar c = m_html[m_position];
            if (c == QLatin1Char('<') && tag())
                continue;
            if (c == QLatin1Char('&') && entity())
                continue;
            m_text.append(c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QLatin1Char(' ') : c);
            ++m_position;
        }
        return {foldWhiteSpace(m_text), m_droppedImage || m_html.contains(PluginFile)};
    }

private:
    // A '<' that does not open a tag or comment stays as text.
    bool tag()
    {
        if (m_html.mid(m_position, 4) == QLatin1String("<!--")) {
            const qsizetype end = m_html.indexOf(QLatin1String("-->"), m_position + 4);
            m_position = end < 0 ? m_html.size() : end + 3;
            return true;
        }
        const QChar next = m_position + 1 < m_html.size() ? m_html[m_position + 1] : QChar();
        if (!next.isLetter() && next != QLatin1Char('/') && next != QLatin1Char('!') && next != QLatin1Char('?'))
            return false;
        if (m_unclosedTag)
            return false;
        const qsizetype end = tagEnd();
        if (end < 0) {
            // The rest is text: looking for a '>' again from each later '<' would take quadratic time.
            m_unclosedTag = true;
            return false;
        }
        const QString name = tagName();
        m_position = end + 1;
        if (name == QLatin1String("img"))
            m_droppedImage = true;
        else if (isBreakTag(name))
            m_text.append(QLatin1Char('\n'));
        else if (name == QLatin1String("script") || name == QLatin1String("style"))
            skipTo(QStringLiteral("</") + name);
        return true;
    }

    // The '>' closing the tag at m_position; quoted attribute values may hold one.
    qsizetype tagEnd() const
    {
        QChar quote;
        for (qsizetype i = m_position + 1; i < m_html.size(); ++i) {
            const QChar c = m_html[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = c;
            } else if (c == QLatin1Char('>')) {
                return i;
            }
        }
        return -1;
    }

    QString tagName() const
    {
        qsizetype i = m_position + 1;
        if (i < m_html.size() && m_html[i] == QLatin1Char('/'))
            ++i;
        const qsizetype start = i;
        while (i < m_html.size() && m_html[i].isLetterOrNumber())
            ++i;
        return m_html.mid(start, i - start).toLower();
    }

    void skipTo(const QString &closing)
    {
        const qsizetype end = m_html.indexOf(closing, m_position, Qt::CaseInsensitive);
        if (end < 0) {
            m_position = m_html.size();
            return;
        }
        const qsizetype close = m_html.indexOf(QLatin1Char('>'), end);
        m_position = close < 0 ? m_html.size() : close + 1;
    }

    // An unknown or malformed entity stays as text.
    bool entity()
    {
        const qsizetype semicolon = m_html.indexOf(QLatin1Char(';'), m_position + 1);
        if (semicolon < 0 || semicolon - m_position > 10)
            return false;
        const QString name = m_html.mid(m_position + 1, semicolon - m_position - 1);
        const QString decoded = name.startsWith(QLatin1Char('#')) ? numericEntity(name.mid(1)) : namedEntity(name);
        if (decoded.isEmpty())
            return false;
        m_text.append(decoded);
        m_position = semicolon + 1;
        return true;
    }

    static QString namedEntity(const QString &name)
    {
        const auto found = namedEntities().constFind(name);
        return found == namedEntities().cend() ? QString() : QString(QChar(*found));
    }

    static QString numericEntity(const QString &digits)
    {
        bool ok = false;
        const bool hex = digits.startsWith(QLatin1Char('x')) || digits.startsWith(QLatin1Char('X'));
        const uint code = hex ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QString();
        const char32_t character = code;
        return QString::fromUcs4(&character, 1);
    }

    const QString &m_html;
    qsizetype m_position = 0;
    QString m_text;
    bool m_droppedImage = false;
    bool m_unclosedTag = false;
};

}

PlainText htmlToPlainText(const QString &html)
{
    return HtmlConverter(html).convert();
}

PlainText cleanPlainText(const QString &text)
{
    static const QRegularExpression markdownImage(QStringLiteral(R"(!\[[^\]]*\]\([^)]*\))"));
    QString clean = text;
    clean.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const bool hasImage = clean.contains(markdownImage) || clean.contains(PluginFile);
    clean.remove(markdownImage);
    return {clean.trimmed(), hasImage};
}
