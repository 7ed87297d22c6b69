// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/Computer.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {
struct Names
{
    QString host;
    QString login;
};

Names &replacement()
{
    static Names names;
    return names;
}
}

QString Computer::hostName()
{
    if (!replacement().host.isEmpty())
        return replacement().host;
    return QSysInfo::machineHostName();
}

QString Computer::loginName()
{
    if (!replacement().login.isEmpty())
        return replacement().login;
    // The account itself rather than $USER, which anyone may set.
    if (const passwd *account = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return qEnvironmentVariable("USER");
}

void Computer::setNamesForTests(const QString &hostName, const QString &loginName)
{
    replacement() = {hostName, loginName};
}
