// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProgramLocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Restores an environment variable however the test ends.
class SavedVariable
{
public:
    explicit SavedVariable(const char *name) : m_name(name), m_value(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name)) {}
    ~SavedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }
    SavedVariable(const SavedVariable &) = delete;
    SavedVariable &operator=(const SavedVariable &) = delete;

private:
    const char *m_name;
    QByteArray m_value;
    bool m_wasSet;
};

// A relative XDG_DATA_HOME would mean another folder in every current folder: it is ignored.
TEST(ProgramLocationTest, UserDataFolderTakesOnlyAnAbsoluteXdgDataHome)
{
    const SavedVariable home("HOME");
    const SavedVariable dataHome("XDG_DATA_HOME");
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
        if (value)
            qputenv("XDG_DATA_HOME", *value);
        else
            qunsetenv("XDG_DATA_HOME");
        EXPECT_EQ(ProgramLocation::userDataDirectory(), expected) << value.value_or("(unset)").constData();
    }
}

}
