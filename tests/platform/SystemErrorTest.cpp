// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/SystemError.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(SystemErrorTest, CommonReasonsAreCzech)
{
    const std::pair<int, const char *> cases[] = {
        {ENOSPC, "na disku není místo"}, {EACCES, "chybí oprávnění"}, {EPERM, "chybí oprávnění"},
        {EROFS, "jen pro čtení"},        {ENOENT, "neexistuje"},       {EISDIR, "je to složka"},
        {EDQUOT, "kvóta"},                {EFBIG, "příliš velký"},      {EIO, "chyba čtení nebo zápisu"},
    };
    for (const auto &[number, words] : cases) {
        const QString text = SystemError::text(number);
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << number << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(QString::fromLocal8Bit(std::strerror(number)))) << number;
    }
    EXPECT_TRUE(SystemError::text(12345).contains(QStringLiteral("12345")));
}

// Qt's kind of failure stands in when errno says nothing; errno wins when it says more.
TEST(SystemErrorTest, QtFailuresTakeErrnoFirst)
{
    EXPECT_EQ(SystemError::text(QFileDevice::ResourceError, 0), SystemError::text(ENOSPC));
    EXPECT_EQ(SystemError::text(QFileDevice::PermissionsError, 0), SystemError::text(EACCES));
    EXPECT_EQ(SystemError::text(QFileDevice::WriteError, EROFS), SystemError::text(EROFS));
    QTemporaryDir dir;
    QFile folder(dir.path());
    errno = 0;
    ASSERT_FALSE(folder.open(QIODevice::ReadWrite));
    EXPECT_EQ(SystemError::text(folder.error(), errno), SystemError::text(EISDIR));
}

}
