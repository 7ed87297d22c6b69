// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How `build` replaces a bank: killed at any step, refused by the system or beside a running build.
#include "bankfile/Csv.h"
#include "tools/ToolRun.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

class BankWriteTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A bank whose texts all carry `tag`, short ones, shared-block ones and long ones.
    QString writeCsv(const QString &tag, int records = 12)
    {
        QString csv = QStringLiteral("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n");
        for (int i = 0; i < records; ++i) {
            const QString question = QStringLiteral("%1 otázka %2 ").arg(tag).arg(i).repeated(1 + (i * 37) % 120);
            csv += QStringLiteral("%1,%2,%3,A %4,B,C,%5,%6\n")
                       .arg(i).arg(1 + i % 3).arg(question, tag, QStringLiteral("%1 komentář").arg(tag).repeated(i % 4 * 90))
                       .arg(i % 3);
        }
        const QString file = path(tag + QStringLiteral(".csv"));
        writeFile(file, csv.toUtf8());
        return file;
    }

    Outcome buildBank(const QString &tag, const QString &db, int records = 12)
    {
        return runTestbank({QStringLiteral("build"), writeCsv(tag, records), db});
    }

    static QProcessEnvironment killedAt(int step)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ_KILL_AT_WRITE_STEP"), QString::number(step));
        return environment;
    }

    // The bank's records as the tool dumps them; empty when it does not read.
    static QString dump(const QString &db)
    {
        const Outcome outcome = runTestbank({QStringLiteral("dump"), db});
        return outcome.exitCode == 0 ? outcome.out : QString();
    }

    QStringList filesIn(const QString &folder, const QString &pattern) const
    {
        return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

// A kill before the new table is renamed into place leaves the old bank, after it the new one;
// never a table with another bank's memo file. The next build clears what the kill left, and
// the memo file stays within about twice what the bank holds.
TEST_F(BankWriteTest, KillAtEachStepLeavesTheOldBankOrTheNew)
{
    const QString db = path(QStringLiteral("bank.db"));
    ASSERT_EQ(buildBank(QStringLiteral("start"), db).exitCode, 0);
    for (int step = 1; step <= 7; ++step) {
        const QString before = dump(db);
        ASSERT_FALSE(before.isEmpty()) << step;
        const QString csv = writeCsv(QStringLiteral("krok%1").arg(step), 10 + step);
        const QStringList backupsBefore = filesIn(m_dir.path(), QStringLiteral("*-zaloha*"));
        const Outcome killed = runProcess(QStringLiteral(TZ_BINARY_DIR "/test-znalosti-banka"),
                                          {QStringLiteral("build"), csv, db}, killedAt(step));
        EXPECT_EQ(killed.exitCode, -1) << "step " << step << " was not reached";
        const QString reference = path(QStringLiteral("reference/krok%1.db").arg(step));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(reference).absolutePath()));
        ASSERT_EQ(runTestbank({QStringLiteral("build"), csv, reference}).exitCode, 0);
        EXPECT_EQ(dump(db), step <= 4 ? before : dump(reference)) << "step " << step;
        if (step <= 4) {
            EXPECT_EQ(filesIn(m_dir.path(), QStringLiteral("*-zaloha*")), backupsBefore) << "backup before the new bank, step " << step;
        }
    }
    const Outcome last = buildBank(QStringLiteral("konec"), db, 40);
    ASSERT_EQ(last.exitCode, 0) << qPrintable(last.err);
    EXPECT_TRUE(dump(db).contains(QStringLiteral("konec otázka 39")));
    EXPECT_EQ(filesIn(m_dir.path(), QStringLiteral("*.tmp")), QStringList());
    qint64 texts = 0;
    for (const CsvRow &row : Csv::parse(dump(db)))
        for (const QString &cell : row.cells)
            texts += cell.toUtf8().size();
    EXPECT_LE(QFileInfo(path(QStringLiteral("bank.mb"))).size(), 2 * texts + 8192);
}

// A write the system refuses half-way (a file size limit) or a second build to the same folder
// leaves the old bank, no temporary file and no backup, and says why in Czech.
TEST_F(BankWriteTest, ARefusedBuildLeavesTheOldBankAndSaysWhy)
{
    QString folder;
    QString db;
    const QString limited = QStringLiteral("trap '' XFSZ; ulimit -f 16; exec \"$0\" \"$@\"");
    const std::pair<const char *, std::function<Outcome()>> refusals[] = {
        {"nelze zapsat: soubor je příliš velký",
         [&] {
             return runProcess(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), limited,
                               QStringLiteral(TZ_BINARY_DIR "/test-znalosti-banka"), QStringLiteral("build"),
                               writeCsv(QStringLiteral("nova"), 80), db});
         }},
        {"právě zapisuje",
         [&] {
             const int lock = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
             EXPECT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
             const Outcome refused = buildBank(QStringLiteral("druha"), db);
             ::close(lock);
             return refused;
         }},
    };
    int round = 0;
    for (const auto &[reason, run] : refusals) {
        SCOPED_TRACE(reason);
        folder = path(QString::number(++round)); // a folder of its own: no backup from the round before
        ASSERT_TRUE(QDir().mkpath(folder));
        db = folder + QStringLiteral("/bank.db");
        ASSERT_EQ(buildBank(QStringLiteral("stara"), db, 60).exitCode, 0);
        const QString before = dump(db);
        const Outcome refused = run();
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(reason))) << qPrintable(refused.err);
        EXPECT_EQ(dump(db), before);
        EXPECT_EQ(filesIn(folder, QStringLiteral("*.tmp")), QStringList());
        EXPECT_EQ(filesIn(folder, QStringLiteral("*-zaloha*")), QStringList());
    }
}

}
