// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProfileFile.h"

#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <SimpleIni.h>

#include <optional>
#include <string>

namespace {

// The file's bytes; empty when it does not exist, nothing when it exists but cannot be
// opened in the mode asked for.
std::optional<QByteArray> readContents(const QString &path, QIODevice::OpenMode mode = QIODevice::ReadOnly)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(mode))
        return std::nullopt;
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
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

QString writeErrorText(const QString &path)
{
    return QStringLiteral("Nastavení nelze zapsat do souboru „%1“.").arg(QDir::toNativeSeparators(path));
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

bool replaceAtomically(const QString &path, const QByteArray &output)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(output) == output.size() && file.commit();
}

// For a writable file in a folder the user may not write, where no temporary file can be made.
// A failed write puts the old contents back.
bool overwriteInPlace(const QString &path, const QByteArray &output, const QByteArray &original)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    if (file.write(output) == output.size() && file.resize(output.size()) && file.flush())
        return true;
    file.seek(0);
    file.write(original);
    file.resize(original.size());
    return false;
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
    const std::optional<QByteArray> contents = readContents(m_path, QIODevice::ReadWrite);
    if (!contents)
        throw AppError(writeErrorText(m_path));
    const qsizetype tail = tailStart(*contents);

    CSimpleIniA ini;
    configure(ini);
    if (ini.LoadData(contents->constData(), size_t(tail)) < 0)
        throw AppError(writeErrorText(m_path));
    // The comparison is case-insensitive, so a key spelled otherwise gets the new value.
    if (ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(), value.toUtf8().constData()) < 0)
        throw AppError(writeErrorText(m_path));
    std::string saved;
    if (ini.Save(saved) < 0)
        throw AppError(writeErrorText(m_path));

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

    if (!replaceAtomically(m_path, output) && !overwriteInPlace(m_path, output, *contents))
        throw AppError(writeErrorText(m_path));
}
