// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/TextCodec.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <string>

namespace paradox {

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t openConverter(const QByteArray &to, const QByteArray &from)
{
    return iconv_open(to.constData(), from.constData());
}

bool isAscii(const char *bytes, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

}

TextCodec::TextCodec(int codePage)
    : m_codePage(codePage)
{
    const QByteArray name = "CP" + QByteArray::number(codePage);
    m_toUtf8 = openConverter("UTF-8", name);
    m_fromUtf8 = openConverter(name, "UTF-8");
}

TextCodec::~TextCodec()
{
    if (m_toUtf8 != NoConverter)
        iconv_close(static_cast<iconv_t>(m_toUtf8));
    if (m_fromUtf8 != NoConverter)
        iconv_close(static_cast<iconv_t>(m_fromUtf8));
}

bool TextCodec::isValid() const
{
    return m_toUtf8 != NoConverter && m_fromUtf8 != NoConverter;
}

QString TextCodec::decode(const char *bytes, qsizetype size) const
{
    // Most texts are plain ASCII, which every supported code page shares.
    if (isAscii(bytes, size) || !isValid())
        return QString::fromLatin1(bytes, size);
    auto converter = static_cast<iconv_t>(m_toUtf8);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string output(static_cast<size_t>(size) * 4, '\0');
    char *in = const_cast<char *>(bytes);
    size_t inLeft = static_cast<size_t>(size);
    char *out = output.data();
    size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // An undefined byte: mark it and go on with the next one.
        static const char replacement[] = "\xEF\xBF\xBD";
        if (outLeft < 3)
            break;
        std::memcpy(out, replacement, 3);
        out += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(output.data(), static_cast<qsizetype>(output.size() - outLeft));
}

std::optional<QByteArray> TextCodec::encode(const QString &text) const
{
    QByteArray input = text.toUtf8();
    if (isAscii(input.constData(), input.size()))
        return input;
    if (!isValid())
        return std::nullopt;
    auto converter = static_cast<iconv_t>(m_fromUtf8);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QByteArray output(input.size(), '\0');
    char *in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    char *out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return output;
}

}
