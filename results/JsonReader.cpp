// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/JsonReader.h"

#include <charconv>

namespace results {

namespace {
// Deeper nesting is no record; the limit keeps a hostile file from exhausting the stack.
constexpr int MaximumDepth = 64;

void appendUtf8(QByteArray &out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::optional<char32_t> hexQuad(QByteArrayView text)
{
    quint32 value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 4, value, 16);
    if (error != std::errc() || end != text.data() + 4)
        return std::nullopt;
    return char32_t(value);
}
}

JsonReader::JsonReader(QByteArrayView text)
    : m_text(text)
{
}

JsonReader::Kind JsonReader::next()
{
    if (m_failed)
        return Kind::None;
    switch (peek()) {
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case '"':
        return Kind::String;
    case 't':
    case 'f':
    case 'n':
        return Kind::Literal;
    case '-':
        return Kind::Number;
    default:
        return peek() >= '0' && peek() <= '9' ? Kind::Number : Kind::None;
    }
}

bool JsonReader::fail(const char *what)
{
    if (!m_failed) {
        m_failed = true;
        m_error = QStringLiteral("znak %1: %2").arg(m_at + 1).arg(QString::fromUtf8(what));
    }
    return false;
}

QString JsonReader::error() const
{
    return m_error;
}

char JsonReader::peek()
{
    while (m_at < m_text.size()) {
        const char c = m_text[m_at];
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            return c;
        ++m_at;
    }
    return '\0';
}

bool JsonReader::consume(char expected)
{
    if (m_failed || peek() != expected)
        return false;
    ++m_at;
    return true;
}

bool JsonReader::enterObject()
{
    m_first = true;
    return consume('{') || fail("očekáván objekt");
}

bool JsonReader::enterArray()
{
    m_first = true;
    return consume('[') || fail("očekáváno pole");
}

// Before a member or an element: the container's end, or the comma that separates it from
// the one before.
bool JsonReader::closeOrComma(char close, bool &first)
{
    if (m_failed)
        return false;
    if (consume(close)) {
        first = false;
        return false;
    }
    if (!first && !consume(',')) {
        fail("chybí čárka");
        return false;
    }
    first = false;
    return true;
}

bool JsonReader::nextMember(QByteArrayView &key)
{
    if (!closeOrComma('}', m_first))
        return false;
    const std::optional<QByteArrayView> name = readString();
    if (!name || !consume(':'))
        return fail("očekáván název a dvojtečka");
    key = *name;
    return true;
}

bool JsonReader::nextElement()
{
    return closeOrComma(']', m_first);
}

bool JsonReader::readLiteral(QByteArrayView literal)
{
    if (m_text.sliced(m_at).startsWith(literal)) {
        m_at += literal.size();
        return true;
    }
    return false;
}

bool JsonReader::readNull()
{
    return !m_failed && peek() == 'n' && readLiteral("null");
}

std::optional<double> JsonReader::readNumber()
{
    const char c = peek();
    if (m_failed || !(c == '-' || (c >= '0' && c <= '9'))) {
        fail("očekáváno číslo");
        return std::nullopt;
    }
    double value = 0;
    const char *begin = m_text.data() + m_at;
    const auto [end, error] = std::from_chars(begin, m_text.data() + m_text.size(), value);
    if (error != std::errc()) {
        fail("chybné číslo");
        return std::nullopt;
    }
    m_at += end - begin;
    return value;
}

bool JsonReader::decodeEscape()
{
    if (m_at >= m_text.size())
        return false;
    const char c = m_text[m_at++];
    switch (c) {
    case '"': case '\\': case '/':
        m_string += c;
        return true;
    case 'b': m_string += '\b'; return true;
    case 'f': m_string += '\f'; return true;
    case 'n': m_string += '\n'; return true;
    case 'r': m_string += '\r'; return true;
    case 't': m_string += '\t'; return true;
    case 'u': break;
    default: return false;
    }
    if (m_at + 4 > m_text.size())
        return false;
    std::optional<char32_t> code = hexQuad(m_text.sliced(m_at, 4));
    m_at += 4;
    if (code && *code >= 0xD800 && *code < 0xDC00 && m_text.sliced(m_at).startsWith("\\u") && m_at + 6 <= m_text.size()) {
        const std::optional<char32_t> low = hexQuad(m_text.sliced(m_at + 2, 4));
        if (low && *low >= 0xDC00 && *low < 0xE000) {
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
            m_at += 6;
        }
    }
    if (!code)
        return false;
    appendUtf8(m_string, *code);
    return true;
}

std::optional<QByteArrayView> JsonReader::readString()
{
    if (!consume('"')) {
        fail("očekáván text");
        return std::nullopt;
    }
    // Most texts hold no escape: they are handed out where they stand.
    const qsizetype start = m_at;
    while (m_at < m_text.size() && m_text[m_at] != '"' && m_text[m_at] != '\\'
           && static_cast<unsigned char>(m_text[m_at]) >= 0x20)
        ++m_at;
    if (m_at < m_text.size() && m_text[m_at] == '"')
        return m_text.sliced(start, m_at++ - start);
    m_string = m_text.sliced(start, m_at - start).toByteArray();
    while (m_at < m_text.size()) {
        const char c = m_text[m_at++];
        if (c == '"')
            return QByteArrayView(m_string);
        if (static_cast<unsigned char>(c) < 0x20)
            break;
        if (c != '\\')
            m_string += c;
        else if (!decodeEscape())
            break;
    }
    fail("chybný text");
    return std::nullopt;
}

void JsonReader::skipValue()
{
    skipValue(0);
}

void JsonReader::skipValue(int depth)
{
    if (depth > MaximumDepth) {
        fail("příliš hluboké vnoření");
        return;
    }
    switch (peek()) {
    case '{': {
        enterObject();
        QByteArrayView key;
        while (nextMember(key))
            skipValue(depth + 1);
        return;
    }
    case '[':
        enterArray();
        while (nextElement())
            skipValue(depth + 1);
        return;
    case '"':
        readString();
        return;
    case 't':
    case 'f':
    case 'n':
        if (!readLiteral("true") && !readLiteral("false") && !readLiteral("null"))
            fail("neznámá hodnota");
        return;
    default:
        readNumber();
    }
}

bool JsonReader::finished()
{
    if (!m_failed && (peek() != '\0' || m_at != m_text.size()))
        fail("za hodnotou pokračuje text");
    return !m_failed;
}

}
