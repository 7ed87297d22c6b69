// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/InputFile.h"

#include "bankfile/ImportError.h"
#include "platform/core/SystemError.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>

namespace {

// Enough to tell text from binary data at once.
constexpr qint64 ProbeSize = 64 * 1024;

QString limitText(qint64 limit)
{
    const qint64 mebibyte = 1024 * 1024;
    return limit % mebibyte == 0 ? QStringLiteral("%1 MiB").arg(limit / mebibyte) : QStringLiteral("%1 B").arg(limit);
}

[[noreturn]] void refuseSize(const QString &path, qint64 limit)
{
    throw ImportError(path, 0, QStringLiteral("soubor je větší než %1, tak velkou banku nástroj nepřevádí").arg(limitText(limit)));
}

[[noreturn]] void refuseBinary(const QString &path)
{
    throw ImportError(path, 0, QStringLiteral("soubor obsahuje binární data (nulové bajty), není to banka CSV, "
                                              "Moodle XML, GIFT ani Aiken"));
}

std::optional<QStringConverter::Encoding> utf16Mark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QByteArray fromUtf16(const QString &path, const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    if (decoder.hasError())
        throw ImportError(path, 0, QStringLiteral("text v kódování UTF-16 je poškozený"));
    if (text.contains(QChar(0)))
        refuseBinary(path);
    return text.toUtf8();
}

QByteArray readLimited(QIODevice &device, const QString &path, qint64 limit)
{
    errno = 0;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        const auto *file = qobject_cast<QFileDevice *>(&device);
        throw ImportError(path, 0, QStringLiteral("nelze číst: %1")
                                       .arg(SystemError::text(file ? file->error() : QFileDevice::ReadError, errno)));
    }
    if (!device.isSequential() && device.size() > limit)
        refuseSize(path, limit);
    QByteArray bytes = device.read(std::min(ProbeSize, limit + 1));
    if (!utf16Mark(bytes) && bytes.contains('\0'))
        refuseBinary(path);
    if (bytes.size() <= limit)
        bytes += device.read(limit + 1 - bytes.size());
    if (bytes.size() > limit)
        refuseSize(path, limit);
    return bytes;
}

}

QByteArray readInput(QIODevice &device, const QString &name, qint64 sizeLimit)
{
    QByteArray bytes = readLimited(device, name, sizeLimit);
    if (const auto encoding = utf16Mark(bytes))
        bytes = fromUtf16(name, bytes, *encoding);
    else if (bytes.contains('\0'))
        refuseBinary(name);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes;
}

QByteArray readInputFile(const QString &path, qint64 sizeLimit)
{
    QFile file(path);
    return readInput(file, path, sizeLimit);
}
