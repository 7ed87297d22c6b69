// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"
#include "results/RecordWriter.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

namespace results {

// Keeps one attempt's record on disk from a thread of its own, so an answer never waits for a
// slow disk or a network folder that does not answer. Each save replaces what is still waiting
// to be written; the latest record is always written whole.
class RecordKeeper
{
public:
    RecordKeeper(const QString &folder, FolderKind kind);
    // Waits a short while for a write under way, then leaves it to finish on its own.
    ~RecordKeeper();
    RecordKeeper(const RecordKeeper &) = delete;
    RecordKeeper &operator=(const RecordKeeper &) = delete;

    // Returns at once.
    void save(AttemptRecord record);
    // Waits until the latest record saved is written, at most `timeout`. Its failure (in Czech),
    // or a note that the folder did not answer in time; nothing when it is on disk.
    std::optional<QString> waitUntilWritten(std::chrono::milliseconds timeout);

    QString folder() const;

    // Whether a write left to finish on its own is still under way. Such a thread may wake
    // after main has returned, into statics being destroyed: the program then ends without
    // destroying them.
    static bool writerStillRunning();

    // What the keeper and its thread share; the thread may outlive the keeper while a write hangs.
    struct State;

private:
    std::shared_ptr<State> m_state;
    std::thread m_thread;
};

}
