// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleAttempts.h"

#include "results/RecordJson.h"
#include "results/RecordKeeper.h"
#include "results/RecordReader.h"
#include "results/RecordWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using results::AttemptRecord;
using results::Ending;

AttemptRecord finished(const QString &id = QStringLiteral("pc-01-20260302-080000-0000abcd"))
{
    return sampleAttempt(id, QStringLiteral("Jana Nováková"), pragueTime(2, 8), QStringLiteral("ABCAB"),
                         QStringLiteral("AC-AB"));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(RecordJson, RecordReadsBackAsWritten)
{
    AttemptRecord record = finished();
    record.bank.memo = results::FileFacts{77, pragueTime(1, 7), QString(64, u'f')};
    record.questions[0].correct.reset();
    const results::ParsedRecord parsed = results::parseRecord(results::toJson(record));
    ASSERT_TRUE(parsed.record) << parsed.problem.toStdString();
    EXPECT_EQ(*parsed.record, record);
    const QByteArray later = results::toJson(record).replace("{\"bank\":", "{\"budouci\":{\"x\":[1,\"\\u00e1\"]},\"bank\":");
    EXPECT_EQ(results::parseRecord(later).record, record) << "fields a later version adds are passed over";

    const results::ParsedRecord unfinished = results::parseRecord(results::toJson(
        sampleAttempt(QStringLiteral("x"), QString(), pragueTime(3, 9), QStringLiteral("AB"), QStringLiteral("--"),
                      Ending::Unfinished)));
    ASSERT_TRUE(unfinished.record);
    EXPECT_FALSE(unfinished.record->end.isValid());
    EXPECT_EQ(unfinished.record->ending, Ending::Unfinished);
}

TEST(RecordJson, TimesCarryTheirOffsetFromUtc)
{
    AttemptRecord record = finished();
    record.start = QDateTime(QDate(2026, 1, 5), QTime(7, 30), Qt::UTC);
    const QByteArray json = results::toJson(record);
    EXPECT_TRUE(json.contains("\"start\":\"2026-01-05T07:30:00+00:00\"")) << json.constData();
    EXPECT_TRUE(json.contains("\"end\":\"2026-03-02T08:10:00+01:00\"")) << json.constData();
}

TEST(RecordJson, WhatIsNoRecordSaysWhy)
{
    QByteArray valid = results::toJson(finished());
    const struct
    {
        QByteArray bytes;
        QString problem;
    } cases[] = {
        {"", QStringLiteral("není platný JSON")},
        {valid.left(valid.size() / 2), QStringLiteral("není platný JSON")},
        {"[1, 2]", QStringLiteral("není záznam pokusu")},
        {"{\"format\":\"jiny-program\", \"formatVersion\":1}", QStringLiteral("není záznam pokusu")},
        {QByteArray(valid).replace("\"formatVersion\":1", "\"formatVersion\":7"), QStringLiteral("verze 7")},
        {QByteArray(valid).replace("\"formatVersion\":1", "\"formatVersion\":\"1\""), QStringLiteral("verze formátu")},
        {QByteArray(valid).replace("\"start\"", "\"zacatek\""), QStringLiteral("„start“")},
        {QByteArray(valid).replace("\"start\":\"2026", "\"start\":\"x2026"), QStringLiteral("„start“")},
        {QByteArray(valid).replace("\"start\":\"2026", "\"start\":\"\xcf\xcd\xc9\xcf"), QStringLiteral("„start“")},
        {QByteArray(valid).replace("\"start\":\"2026", "\"start\":\"0000"), QStringLiteral("„start“")},
        {QByteArray(valid).replace("\"ending\":\"ukončen\"", "\"ending\":\"hotovo\""), QStringLiteral("„ending“")},
        {QByteArray(valid).replace("\"given\":\"C\"", "\"given\":\"D\""), QStringLiteral("„questions[1].given“")},
        {QByteArray(valid).replace("\"evaluation\":2", "\"evaluation\":5"), QStringLiteral("„questions[1].evaluation“")},
        {QByteArray(valid).replace("\"cis\":3", "\"cis\":3.5"), QStringLiteral("„questions[3].cis“")},
        {QByteArray(valid).replace("\"percent\":60", "\"percent\":160"), QStringLiteral("„counts.percent“")},
        {QByteArray(valid).replace("\"quotas\":[", "\"quotas\":[1, "), QStringLiteral("„bank.quotas“")},
        {QByteArray(valid).replace("\"size\":1234", "\"size\":-1"), QStringLiteral("„bank.table.size“")},
        {QByteArray(valid).replace("\"table\":{", "\"table\":\"x\",\"jine\":{"), QStringLiteral("„bank.table“")},
    };
    for (const auto &[bytes, problem] : cases) {
        const results::ParsedRecord parsed = results::parseRecord(bytes);
        EXPECT_FALSE(parsed.record) << bytes.constData();
        EXPECT_TRUE(parsed.problem.contains(problem)) << parsed.problem.toStdString() << " / " << problem.toStdString();
    }
}

TEST(RecordJson, AttemptIdNamesTheComputerAndTheStart)
{
    EXPECT_EQ(results::attemptId(QStringLiteral("pc07.skola.cz"), pragueTime(2, 8, 5), 0xabc),
              QStringLiteral("pc07-skola-cz-20260302-080500-00000abc"));
    EXPECT_EQ(results::attemptId(QStringLiteral("Učebna 1/á"), pragueTime(2, 8), 1),
              QStringLiteral("Uebna1-20260302-080000-00000001"));
    EXPECT_EQ(results::attemptId(QString(), pragueTime(2, 8), 1), QStringLiteral("pocitac-20260302-080000-00000001"));
}

class RecordFolders : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(RecordFolders, WriteLeavesTheWholeRecordUnderItsNameAndNothingElse)
{
    const AttemptRecord record = finished();
    ASSERT_EQ(results::writeRecord(path(QStringLiteral("a/b")), record), std::nullopt);
    ASSERT_EQ(results::writeRecord(path(QStringLiteral("a/b")), record), std::nullopt) << "rewritten in place";
    EXPECT_EQ(QDir(path(QStringLiteral("a/b"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{results::recordFileName(record)});
    QFile file(path(QStringLiteral("a/b/")) + results::recordFileName(record));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(results::parseRecord(file.readAll()).record, record);
}

TEST_F(RecordFolders, RightsFollowTheUmaskAndPrivateFoldersAreTheUsersAlone)
{
    const mode_t saved = ::umask(027);
    const bool shared = !results::writeRecord(path(QStringLiteral("trida")), finished());
    const bool own = !results::writeRecord(path(QStringLiteral("data/vysledky")), finished(),
                                           results::FolderKind::Private);
    ::umask(saved);
    ASSERT_TRUE(shared && own);
    struct stat info{};
    ASSERT_EQ(::stat(QFile::encodeName(path(QStringLiteral("trida"))).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0750u);
    ASSERT_EQ(::stat(QFile::encodeName(path(QStringLiteral("trida/")) + results::recordFileName(finished())).constData(),
                     &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ASSERT_EQ(::stat(QFile::encodeName(path(QStringLiteral("data/vysledky"))).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(RecordFolders, FailedWriteNamesTheReasonAndLeavesNoFile)
{
    writeBytes(path(QStringLiteral("soubor")), "x");
    const struct
    {
        QString folder;
        results::FolderKind kind;
        QString reason;
    } cases[] = {
        {QStringLiteral("soubor/vysledky"), results::FolderKind::Default, QStringLiteral("část cesty není složka")},
        {QStringLiteral("soubor/vysledky"), results::FolderKind::Configured, QStringLiteral("část cesty není složka")},
        // A share that is gone: its mount point is not filled with local folders.
        {QStringLiteral("chybi/trida"), results::FolderKind::Configured,
         QStringLiteral("složka %1 neexistuje").arg(path(QStringLiteral("chybi")))},
    };
    for (const auto &[folder, kind, reason] : cases)
        EXPECT_EQ(results::writeRecord(path(folder), finished(), kind), reason) << folder.toStdString();
    EXPECT_EQ(results::writeFileWhole(path(QStringLiteral("chybi/x.csv")), "x"),
              QStringLiteral("soubor nebo složka neexistuje"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("soubor")});
}

TEST_F(RecordFolders, ReadingListsWhatIsNoRecordAndCountsEachAttemptOnce)
{
    const AttemptRecord evaluated = finished();
    AttemptRecord copyInProgress = evaluated;
    copyInProgress.ending = Ending::Unfinished;
    copyInProgress.questions[4].given.reset();
    AttemptRecord other = finished(QStringLiteral("pc-02-20260301-080000-00000001"));
    other.start = pragueTime(1, 8);
    writeBytes(path(QStringLiteral("ucebna/pc01/a.json")), results::toJson(copyInProgress));
    writeBytes(path(QStringLiteral("ucebna/pc01/kopie/a.json")), results::toJson(evaluated));
    writeBytes(path(QStringLiteral("domov/a.json")), results::toJson(evaluated));
    writeBytes(path(QStringLiteral("ucebna/pc02.json")), results::toJson(other));
    writeBytes(path(QStringLiteral("ucebna/poskozeny.json")), results::toJson(other).left(100));
    writeBytes(path(QStringLiteral("ucebna/poznamky.txt")), "jen text");
    writeBytes(path(QStringLiteral("ucebna/.pc03.json.1234abcd.tmp")), "{\"rozepsany");

    const results::RecordSet set = results::readRecords(
        {path(QStringLiteral("ucebna")), path(QStringLiteral("domov")), path(QStringLiteral("nikde"))});
    ASSERT_EQ(set.attempts.size(), 2);
    EXPECT_EQ(set.attempts[0], other) << "ordered by start";
    EXPECT_EQ(set.attempts[1], evaluated) << "the evaluated copy wins";
    EXPECT_EQ(set.duplicates, 2);
    QStringList skipped;
    for (const results::SkippedFile &file : set.skipped)
        skipped.append(QFileInfo(file.path).fileName());
    skipped.sort();
    EXPECT_EQ(skipped, (QStringList{QStringLiteral("poskozeny.json"), QStringLiteral("poznamky.txt")}));
    ASSERT_EQ(set.unreadableFolders.size(), 1);
    EXPECT_EQ(set.unreadableFolders[0].reason, QStringLiteral("soubor nebo složka neexistuje"));
}

TEST_F(RecordFolders, KeeperWritesTheLatestOfManySaves)
{
    results::RecordKeeper keeper(path(QStringLiteral("v")), results::FolderKind::Default);
    AttemptRecord record = finished();
    for (int answered = 0; answered < 50; ++answered) {
        record.counts.correct = answered;
        keeper.save(record);
    }
    EXPECT_EQ(keeper.waitUntilWritten(std::chrono::seconds(10)), std::nullopt);
    const results::RecordSet set = results::readRecords({path(QStringLiteral("v"))});
    ASSERT_EQ(set.attempts.size(), 1);
    EXPECT_EQ(set.attempts[0].counts.correct, 49);

    writeBytes(path(QStringLiteral("f")), "x");
    results::RecordKeeper failing(path(QStringLiteral("f/v")), results::FolderKind::Default);
    failing.save(record);
    EXPECT_EQ(failing.waitUntilWritten(std::chrono::seconds(10)), QStringLiteral("část cesty není složka"));
}

}
