// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace results {

// Walks JSON text once, value by value, without building a document: a year of records is read
// in a fraction of the time a document would take. A value of another kind than asked for, or
// text that is no JSON, stops the walk; every later read fails and `error` says where.
class JsonReader
{
public:
    explicit JsonReader(QByteArrayView text);

    enum class Kind { Object, Array, String, Number, Literal, None };
    // The kind of the value that comes next; None at the end or before anything that starts no
    // value. Reads nothing.
    Kind next();

    // Reads `{`; then nextMember gives each key in turn (valid until the next read) and false
    // after the closing `}`. The member's value must be read or skipped before the next key.
    bool enterObject();
    bool nextMember(QByteArrayView &key);
    // Reads `[`; then nextElement is true before each element and false after the closing `]`.
    bool enterArray();
    bool nextElement();

    // A null is consumed and gives true; anything else is left for another read.
    bool readNull();
    std::optional<double> readNumber();
    // The string's UTF-8, escapes decoded; valid until the next read.
    std::optional<QByteArrayView> readString();
    void skipValue();

    // Whether the whole text was one value, nothing following it but white space; when more
    // follows, that is the error.
    bool finished();
    bool failed() const { return m_failed; }
    // Where the walk stopped, for a message: "znak N: ...".
    QString error() const;

private:
    bool fail(const char *what);
    char peek();
    bool consume(char expected);
    bool readLiteral(QByteArrayView literal);
    bool decodeEscape();
    bool closeOrComma(char close, bool &first);
    void skipValue(int depth);

    QByteArrayView m_text;
    qsizetype m_at = 0;
    bool m_failed = false;
    QString m_error;
    QByteArray m_string;
    // Whether the next member or element is the first of its container.
    bool m_first = false;
};

}
