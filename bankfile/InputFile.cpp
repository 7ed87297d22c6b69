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

std::optional<QStringConverter::Encoding> utf16Mark(QByteArrayView bytes)
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
        refuseBinaryInput(path);
    return text.toUtf8();
}

// Up to limit + 1 bytes, read straight into one buffer of the file's size: binary data is
// refused on the first piece, an input over the limit before more than the limit is read.
QByteArray readLimited(QIODevice &device, const QString &path, qint64 limit)
{
    openInput(device, path);
    const qint64 expected = device.isSequential() ? ProbeSize : device.size() - device.pos();
    if (!device.isSequential() && expected > limit)
        refuseInputSize(path, limit);
    QByteArray bytes;
    bytes.reserve(std::min(expected, limit) + 1);
    for (qint64 piece = std::min(ProbeSize, limit + 1); piece > 0;) {
        const qsizetype before = bytes.size();
        bytes.resize(before + piece);
        const qint64 got = device.read(bytes.data() + before, piece);
        bytes.resize(before + std::max<qint64>(got, 0));
        if (before == 0 && !utf16Mark(bytes) && bytes.contains('\0'))
            refuseBinaryInput(path);
        if (got <= 0 || (!device.isSequential() && device.atEnd()))
            break;
        piece = std::min(std::max(expected - bytes.size(), ProbeSize), limit + 1 - bytes.size());
    }
    if (bytes.size() > limit)
        refuseInputSize(path, limit);
    return bytes;
}

}

void refuseInputSize(const QString &path, qint64 limit)
{
    throw ImportError(path, 0, QStringLiteral("soubor je větší než %1, tak velkou banku nástroj nepřevádí").arg(limitText(limit)));
}

void refuseBinaryInput(const QString &path)
{
    throw ImportError(path, 0, QStringLiteral("soubor obsahuje binární data (nulové bajty), není to banka CSV, "
                                              "Moodle XML, GIFT ani Aiken"));
}

void openInput(QIODevice &device, const QString &name)
{
    errno = 0;
    if (device.isOpen() || device.open(QIODevice::ReadOnly))
        return;
    const auto *file = qobject_cast<QFileDevice *>(&device);
    throw ImportError(name, 0, QStringLiteral("nelze číst: %1")
                                   .arg(SystemError::text(file ? file->error() : QFileDevice::ReadError, errno)));
}

bool startsAsUtf16(QIODevice &device)
{
    return utf16Mark(device.peek(2)).has_value();
}

QByteArray readInput(QIODevice &device, const QString &name, qint64 sizeLimit)
{
    QByteArray bytes = readLimited(device, name, sizeLimit);
    if (const auto encoding = utf16Mark(bytes))
        bytes = fromUtf16(name, bytes, *encoding);
    else if (bytes.contains('\0'))
        refuseBinaryInput(name);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.contains('\r')) {
        bytes.replace("\r\n", "\n");
        bytes.replace('\r', '\n');
    }
    return bytes;
}
