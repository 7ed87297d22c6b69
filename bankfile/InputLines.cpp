// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/InputLines.h"

#include "bankfile/ImportError.h"
#include "bankfile/InputFile.h"

namespace {

// Read at a time: large enough for speed, small beside any input worth reading this way.
constexpr qint64 PieceSize = 1024 * 1024;

}

TextLines::TextLines(QString text) : m_text(std::move(text))
{
}

bool TextLines::next(QString &line)
{
    if (m_position > m_text.size())
        return false;
    const qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_position);
    const qsizetype stop = end < 0 ? m_text.size() : end;
    line = m_text.mid(m_position, stop - m_position);
    m_position = stop + 1;
    ++m_number;
    return true;
}

DeviceLines::DeviceLines(QIODevice &device, const QString &name, qint64 sizeLimit, bool strict, Progress &progress)
    : m_device(device), m_name(name), m_sizeLimit(sizeLimit), m_strict(strict), m_progress(progress)
{
    m_total = device.isSequential() ? 0 : device.size() - device.pos();
    if (m_total > m_sizeLimit)
        refuseInputSize(m_name, m_sizeLimit);
}

bool DeviceLines::fill()
{
    // One buffer for every piece: a large input leaves no trail of freed pieces behind.
    m_buffer.resize(PieceSize);
    m_buffer.resize(std::max<qint64>(m_device.read(m_buffer.data(), PieceSize), 0));
    m_position = 0;
    if (m_buffer.isEmpty())
        return false;
    if (m_read == 0 && m_buffer.startsWith("\xEF\xBB\xBF"))
        m_position = 3;
    m_read += m_buffer.size();
    if (m_read > m_sizeLimit)
        refuseInputSize(m_name, m_sizeLimit);
    if (m_buffer.contains('\0'))
        refuseBinaryInput(m_name);
    m_progress.advance(m_read, std::max(m_total, m_read));
    return true;
}

QString DeviceLines::decoded(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (m_strict && utf8.hasError())
        throw ImportError(m_name, m_number, QStringLiteral("text není v kódování UTF-8"));
    return text;
}

bool DeviceLines::next(QString &line)
{
    QByteArray pending;
    for (;;) {
        if (m_position >= m_buffer.size() && !fill()) {
            if (pending.isEmpty())
                return false;
            break;
        }
        if (m_afterCarriageReturn && m_position < m_buffer.size() && m_buffer[m_position] == '\n')
            ++m_position;
        m_afterCarriageReturn = false;
        const char *start = m_buffer.constData() + m_position;
        const char *end = m_buffer.constData() + m_buffer.size();
        const char *stop = std::find_if(start, end, [](char c) { return c == '\n' || c == '\r'; });
        pending.append(start, stop - start);
        m_position = stop - m_buffer.constData();
        if (stop == end)
            continue;
        m_afterCarriageReturn = *stop == '\r';
        ++m_position;
        break;
    }
    ++m_number;
    line = decoded(pending);
    return true;
}
