// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A profile (INI) file: sections and keys matched without regard to letter case. Every read
// reads the file, every write writes it at once, through a temporary file renamed into place,
// or over the file itself where its folder takes no new file; a failed write leaves the file
// as it was. Comments and other keys are kept.
class ProfileFile
{
public:
    explicit ProfileFile(const QString &path);
    QString path() const { return m_path; }

    // The default for a missing file, section or key, or a value that is no decimal integer.
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;

    // A key existing in another letter case is replaced. Raises AppError when the file
    // system refuses the write.
    void writeInteger(const QString &section, const QString &key, qint32 value);
    void writeString(const QString &section, const QString &key, const QString &value);

private:
    QString m_path;
};
