// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/BankBuilder.h"

#include "bank/QuestionBank.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class QuestionBankTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeBank(dbPath(), makeBankRecords(14, 13, 13));
        bank.open(dbPath());
    }

    QString dbPath() const { return m_dir.filePath(QStringLiteral("test.db")); }
    QString memoPath() const { return m_dir.filePath(QStringLiteral("test.mb")); }
    QString otherPath(const QString &name) const { return m_dir.filePath(name); }

    QuestionBank bank;

private:
    QTemporaryDir m_dir;
};

TEST_F(QuestionBankTest, ReadsARecordWhereverTheCursorWasLeft)
{
    EXPECT_EQ(bank.recordCount(), 40);
    EXPECT_EQ(bank.groupCounts(), (std::array<qint32, 4>{0, 14, 13, 13}));
    for (const int record : {39, 0, 17, 17, 5}) {
        SCOPED_TRACE(record);
        const Totazka question = bank.question(record);
        EXPECT_EQ(question.wdotaz, QStringLiteral("Otázka %1").arg(record));
        EXPECT_EQ(question.wodp3, QStringLiteral("Odpověď C %1").arg(record));
        EXPECT_EQ(question.wkomentar, QStringLiteral("Komentář %1").arg(record));
        EXPECT_EQ(question.wcspravOdp, record % 3);
        EXPECT_EQ(bank.groupAt(record), record < 14 ? 1 : record < 27 ? 2 : 3);
    }
}

// Whatever another program does to the files after the bank was opened shows at the next check.
TEST_F(QuestionBankTest, NoticesEveryChangeOfEitherFile)
{
    struct Change
    {
        const char *name;
        std::function<void()> apply;
        bool noticed;
    };
    const Change changes[] = {
        {"nothing", [] {}, false},
        {"table cut to nothing", [this] { ASSERT_TRUE(QFile::resize(dbPath(), 0)); }, true},
        {"memo grown",
         [this] {
             QFile memo(memoPath());
             ASSERT_TRUE(memo.open(QIODevice::Append));
             memo.write(QByteArray(4096, '\0'));
         },
         true},
        {"another bank of the same size copied over",
         [this] {
             writeBank(otherPath(QStringLiteral("other.db")), makeBankRecords(13, 14, 13));
             ASSERT_TRUE(QFile::remove(dbPath()));
             ASSERT_TRUE(QFile::copy(otherPath(QStringLiteral("other.db")), dbPath()));
         },
         true},
        {"table touched",
         [this] {
             QFile table(dbPath());
             ASSERT_TRUE(table.open(QIODevice::ReadWrite));
             ASSERT_TRUE(table.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                           QFileDevice::FileModificationTime));
         },
         true},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        writeBank(dbPath(), makeBankRecords(14, 13, 13));
        bank.open(dbPath());
        ASSERT_FALSE(bank.changedOnDisk());
        change.apply();
        EXPECT_EQ(bank.changedOnDisk(), change.noticed);
    }
}

TEST_F(QuestionBankTest, ABankThatFailedToOpenIsTriedAgainOnlyOnceItChanges)
{
    QFile file(dbPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no table");
    file.close();
    EXPECT_ANY_THROW(bank.open(dbPath()));
    EXPECT_FALSE(bank.changedOnDisk());

    writeBank(dbPath(), makeBankRecords(12, 12, 12));
    ASSERT_TRUE(bank.changedOnDisk());
    bank.open(dbPath());
    EXPECT_EQ(bank.recordCount(), 36);
}

}
