// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the event handler it is raised in; the handler boundary shows its
// message to the user (see guarded) and the program goes on.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A text that does not convert to the number asked for.
class ConvertError : public AppError
{
public:
    using AppError::AppError;
};
