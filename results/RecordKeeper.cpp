// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordKeeper.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace results {

struct RecordKeeper::State
{
    QString folder;
    FolderKind kind = FolderKind::Default;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<AttemptRecord> waiting;
    bool writing = false;
    bool stopping = false;
    std::optional<QString> lastFailure;
    bool leftRunning = false;
};

namespace {

void keepWriting(const std::shared_ptr<RecordKeeper::State> &state)
{
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->changed.wait(lock, [&] { return state->waiting || state->stopping; });
        if (!state->waiting)
            return;
        const AttemptRecord record = std::move(*state->waiting);
        state->waiting.reset();
        state->writing = true;
        lock.unlock();
        const std::optional<QString> failure = writeRecord(state->folder, record, state->kind);
        lock.lock();
        state->writing = false;
        state->lastFailure = failure;
        state->changed.notify_all();
    }
}

constexpr std::chrono::seconds ClosingWait{2};

// Trivially destructible, so it is still there for a thread that ends after main.
std::atomic<int> WritersLeftRunning{0};

}

RecordKeeper::RecordKeeper(const QString &folder, FolderKind kind)
    : m_state(std::make_shared<State>())
{
    m_state->folder = folder;
    m_state->kind = kind;
    m_thread = std::thread([state = m_state]() mutable {
        keepWriting(state);
        bool leftRunning = false;
        {
            const std::lock_guard lock(state->mutex);
            leftRunning = state->leftRunning;
        }
        // The shared state goes first: after the count the thread touches nothing at all.
        state.reset();
        if (leftRunning)
            WritersLeftRunning.fetch_sub(1);
    });
}

// An idle thread ends at once and is joined; one hung in a write is left to finish on its own.
RecordKeeper::~RecordKeeper()
{
    waitUntilWritten(ClosingWait);
    std::unique_lock lock(m_state->mutex);
    m_state->stopping = true;
    m_state->changed.notify_all();
    if (m_state->writing || m_state->waiting) {
        m_state->leftRunning = true;
        WritersLeftRunning.fetch_add(1);
        lock.unlock();
        m_thread.detach();
        return;
    }
    lock.unlock();
    m_thread.join();
}

bool RecordKeeper::writerStillRunning()
{
    return WritersLeftRunning.load() > 0;
}

void RecordKeeper::save(AttemptRecord record)
{
    const std::lock_guard lock(m_state->mutex);
    m_state->waiting = std::move(record);
    m_state->changed.notify_all();
}

std::optional<QString> RecordKeeper::waitUntilWritten(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_state->mutex);
    if (!m_state->changed.wait_for(lock, timeout, [this] { return !m_state->waiting && !m_state->writing; }))
        return QStringLiteral("složka neodpovídá");
    return m_state->lastFailure;
}

QString RecordKeeper::folder() const
{
    return m_state->folder;
}

}
