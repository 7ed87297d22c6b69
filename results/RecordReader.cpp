// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordReader.h"

#include "platform/core/SystemError.h"
#include "results/RecordJson.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

#include <cerrno>

namespace results {

namespace {

// A record of a full test is some tens of kB; anything far larger is no record and is not read.
constexpr qint64 MaximumRecordSize = 1024 * 1024;

// The better of two copies of one attempt: the evaluated one, else the one with more answers,
// else the one that ended later.
bool moreComplete(const AttemptRecord &a, const AttemptRecord &b)
{
    if (a.evaluated() != b.evaluated())
        return a.evaluated();
    const int answeredA = a.answeredCount();
    const int answeredB = b.answeredCount();
    if (answeredA != answeredB)
        return answeredA > answeredB;
    return a.end > b.end;
}

void readFile(const QString &path, qint64 size, QList<AttemptRecord> &attempts, QList<SkippedFile> &skipped)
{
    if (size > MaximumRecordSize) {
        skipped.append({path, QStringLiteral("soubor je pro záznam pokusu příliš velký")});
        return;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        skipped.append({path, SystemError::text(file.error(), errno)});
        return;
    }
    ParsedRecord parsed = parseRecord(file.readAll());
    if (parsed.record)
        attempts.append(std::move(*parsed.record));
    else
        skipped.append({path, parsed.problem});
}

std::optional<QString> folderProblem(const QFileInfo &folder)
{
    if (!folder.exists())
        return SystemError::text(ENOENT);
    if (!folder.isDir())
        return SystemError::text(ENOTDIR);
    if (!folder.isReadable() || !folder.isExecutable())
        return SystemError::text(EACCES);
    return std::nullopt;
}

}

RecordSet readRecords(const QStringList &folders)
{
    RecordSet set;
    QList<AttemptRecord> attempts;
    for (const QString &folder : folders) {
        if (const std::optional<QString> problem = folderProblem(QFileInfo(folder))) {
            set.unreadableFolders.append({folder, *problem});
            continue;
        }
        // Hidden files are writes in progress; links to folders are not followed, so no loop.
        QDirIterator files(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            readFile(files.filePath(), files.fileInfo().size(), attempts, set.skipped);
        }
    }
    set.attempts = withoutDuplicates(std::move(attempts), &set.duplicates);
    return set;
}

QList<AttemptRecord> withoutDuplicates(QList<AttemptRecord> attempts, int *duplicates)
{
    QHash<QString, qsizetype> kept;
    QList<AttemptRecord> unique;
    unique.reserve(attempts.size());
    for (AttemptRecord &attempt : attempts) {
        const auto found = kept.constFind(attempt.id);
        if (found == kept.cend()) {
            kept.insert(attempt.id, unique.size());
            unique.append(std::move(attempt));
        } else if (moreComplete(attempt, unique[*found])) {
            unique[*found] = std::move(attempt);
        }
    }
    if (duplicates)
        *duplicates = static_cast<int>(attempts.size() - unique.size());
    std::stable_sort(unique.begin(), unique.end(), [](const AttemptRecord &a, const AttemptRecord &b) {
        return a.start != b.start ? a.start < b.start : a.id < b.id;
    });
    return unique;
}

}
