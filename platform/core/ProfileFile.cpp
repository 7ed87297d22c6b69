// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProfileFile.h"

#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"
#include "platform/core/SystemError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <SimpleIni.h>

#include <cerrno>
#include <optional>
#include <string>

namespace {

// The file's bytes; empty when it does not exist, nothing when it exists but cannot be
// opened in the mode asked for (`reason` then says why).
std::optional<QByteArray> readContents(const QString &path, QIODevice::OpenMode mode = QIODevice::ReadOnly,
                                       QString *reason = nullptr)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    errno = 0;
    std::optional<QByteArray> contents;
    if (file.open(mode))
        contents = file.readAll();
    if (file.error() == QFileDevice::NoError)
        return contents;
    if (reason)
        *reason = SystemError::text(file.error(), errno);
    return std::nullopt;
}

bool isEntryLine(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(';') && !trimmed.startsWith('#');
}

// SimpleIni keeps a comment only as the comment of the entry that follows it, so comments
// after the last section or key would be lost: they are split off and put back after saving.
qsizetype tailStart(const QByteArray &contents)
{
    qsizetype lineStart = 0;
    qsizetype tail = 0;
    while (lineStart < contents.size()) {
        qsizetype lineEnd = contents.indexOf('\n', lineStart);
        lineEnd = lineEnd < 0 ? contents.size() : lineEnd + 1;
        if (isEntryLine(contents.mid(lineStart, lineEnd - lineStart)))
            tail = lineEnd;
        lineStart = lineEnd;
    }
    return tail;
}

void configure(CSimpleIniA &ini)
{
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetQuotes(false);
}

QString writeErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Nastavení nelze zapsat do souboru „%1“: %2.").arg(QDir::toNativeSeparators(path), reason);
}

// The reason of a QFile failure, taken before anything else can change errno.
QString failureOf(const QFileDevice &file)
{
    return SystemError::text(file.error(), errno);
}

// What a later read would find under the key in these contents.
std::optional<std::string> valueIn(const QByteArray &contents, const QString &section, const QString &key)
{
    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(contents.constData(), size_t(contents.size())) < 0)
        return std::nullopt;
    const char *value = ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

// Empty when written, else why not.
QString replaceAtomically(const QString &path, const QByteArray &output)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(output) == output.size() && file.commit())
        return {};
    return failureOf(file);
}

// For a writable file in a folder the user may not write, where no temporary file can be made.
// A failed write puts the old contents back. Empty when written, else why not.
QString overwriteInPlace(const QString &path, const QByteArray &output, const QByteArray &original)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failureOf(file);
    if (file.write(output) == output.size() && file.resize(output.size()) && file.flush())
        return {};
    const QString reason = failureOf(file);
    file.seek(0);
    file.write(original);
    file.resize(original.size());
    return reason;
}

}

ProfileFile::ProfileFile(const QString &path)
    : m_path(path)
{
}

qint32 ProfileFile::readInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    const QString text = readString(section, key, QString());
    return tryStrToInt(text).value_or(defaultValue);
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QByteArray> contents = readContents(m_path);
    if (!contents)
        return defaultValue;
    const std::optional<std::string> value = valueIn(*contents, section, key);
    return value ? QString::fromStdString(*value) : defaultValue;
}

void ProfileFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // A line break would start a line of its own in the file, a key nobody meant to write.
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        throw AppError(QStringLiteral("Hodnota klíče „%1“ obsahuje konec řádku, do souboru „%2“ ji nelze zapsat.")
                           .arg(key, QDir::toNativeSeparators(m_path)));
    // A file that cannot be read is never replaced, its contents would be lost; nor one that
    // is read-only, whoever may rename over it.
    QString unreadable;
    const std::optional<QByteArray> contents = readContents(m_path, QIODevice::ReadWrite, &unreadable);
    if (!contents)
        throw AppError(writeErrorText(m_path, unreadable));
    const qsizetype tail = tailStart(*contents);

    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(contents->constData(), size_t(tail)) < 0)
        throw AppError(writeErrorText(m_path, QStringLiteral("soubor není platný soubor nastavení")));
    // The comparison is case-insensitive, so a key spelled otherwise gets the new value.
    if (ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(), value.toUtf8().constData()) < 0)
        throw AppError(writeErrorText(m_path, QStringLiteral("soubor není platný soubor nastavení")));
    std::string saved;
    if (ini.Save(saved) < 0)
        throw AppError(writeErrorText(m_path, QStringLiteral("soubor není platný soubor nastavení")));

    // Comments of a file without any entry stay at its head.
    QByteArray trailing = contents->mid(tail);
    const QByteArray body = QByteArray::fromStdString(saved);
    if (tail == 0 && !trailing.isEmpty() && !trailing.endsWith('\n'))
        trailing += '\n';
    const QByteArray output = tail == 0 ? trailing + body : body + trailing;

    // Damage that hides the new line from a reader (a NUL byte, say) must not pass for a save.
    if (valueIn(output, section, key) != value.toStdString())
        throw AppError(QStringLiteral("Soubor „%1“ je poškozený, nastavení do něj nelze zapsat.")
                           .arg(QDir::toNativeSeparators(m_path)));

    if (replaceAtomically(m_path, output).isEmpty())
        return;
    const QString reason = overwriteInPlace(m_path, output, *contents);
    if (!reason.isEmpty())
        throw AppError(writeErrorText(m_path, reason));
}
