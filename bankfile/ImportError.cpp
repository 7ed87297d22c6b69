// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/ImportError.h"

#include <QDir>

ImportError::ImportError(QString file, int line, QString reason)
    : m_file(std::move(file)), m_line(line), m_reason(std::move(reason))
{
}

QString ImportError::message() const
{
    if (m_file.isEmpty())
        return m_reason;
    const QString file = QDir::toNativeSeparators(m_file);
    if (m_line <= 0)
        return QStringLiteral("Soubor %1: %2").arg(file, m_reason);
    return QStringLiteral("Soubor %1, řádek %2: %3").arg(file).arg(m_line).arg(m_reason);
}
