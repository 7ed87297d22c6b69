// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace paradox {

// Converts between UTF-8 program strings and a DOS/Windows code page through iconv.
class TextCodec
{
public:
    // An unknown code page leaves the codec invalid.
    explicit TextCodec(int codePage);
    ~TextCodec();
    TextCodec(const TextCodec &) = delete;
    TextCodec &operator=(const TextCodec &) = delete;

    bool isValid() const;
    int codePage() const { return m_codePage; }

    // Bytes the code page does not define become U+FFFD.
    QString decode(const char *bytes, qsizetype size) const;
    // Nothing when a character has no code in the code page.
    std::optional<QByteArray> encode(const QString &text) const;

private:
    int m_codePage;
    void *m_toUtf8;
    void *m_fromUtf8;
};

}
