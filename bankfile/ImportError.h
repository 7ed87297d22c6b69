// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// An input that cannot be read at all; nothing is written then.
class ImportError
{
public:
    // An empty file stands for an error of the options, line 0 for one of the whole file.
    ImportError(QString file, int line, QString reason);

    QString file() const { return m_file; }
    int line() const { return m_line; }
    QString reason() const { return m_reason; }
    // The Czech text for the user, naming file and line.
    QString message() const;

private:
    QString m_file;
    int m_line;
    QString m_reason;
};
