// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProgramLocation.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A relative XDG_DATA_HOME would mean another folder in every current folder: it is ignored.
TEST(ProgramLocationTest, UserDataFolderTakesOnlyAnAbsoluteXdgDataHome)
{
    const QByteArray home = qgetenv("HOME");
    const std::optional<QByteArray> dataHome =
        qEnvironmentVariableIsSet("XDG_DATA_HOME") ? std::optional(qgetenv("XDG_DATA_HOME")) : std::nullopt;
    const auto setDataHome = [](const std::optional<QByteArray> &value) {
        value ? qputenv("XDG_DATA_HOME", *value) : qunsetenv("XDG_DATA_HOME");
    };
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        setDataHome(dataHome);
    });
    QTemporaryDir homeDir;
    qputenv("HOME", QFile::encodeName(homeDir.path()));
    const QString standard = homeDir.path() + QStringLiteral("/.local/share/test-znalosti/");
    const std::pair<std::optional<QByteArray>, QString> cases[] = {
        {std::nullopt, standard},
        {QByteArray(), standard},
        {QByteArray("relativni/data"), standard},
        {QByteArray("./data"), standard},
        {QByteArray("/srv/data/"), QStringLiteral("/srv/data/test-znalosti/")},
    };
    for (const auto &[value, expected] : cases) {
        setDataHome(value);
        EXPECT_EQ(ProgramLocation::userDataDirectory(), expected) << value.value_or("(unset)").constData();
    }
}

}
