// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordKeeper.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace results {

struct RecordKeeper::State
{
    QString folder;
    FolderPrivacy privacy = FolderPrivacy::Shared;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<AttemptRecord> waiting;
    bool writing = false;
    bool stopping = false;
    std::optional<QString> lastFailure;
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
        const std::optional<QString> failure = writeRecord(state->folder, record, state->privacy);
        lock.lock();
        state->writing = false;
        state->lastFailure = failure;
        state->changed.notify_all();
    }
}

constexpr std::chrono::seconds ClosingWait{2};

}

RecordKeeper::RecordKeeper(const QString &folder, FolderPrivacy privacy)
    : m_state(std::make_shared<State>())
{
    m_state->folder = folder;
    m_state->privacy = privacy;
    std::thread([state = m_state] { keepWriting(state); }).detach();
}

RecordKeeper::~RecordKeeper()
{
    waitUntilWritten(ClosingWait);
    const std::lock_guard lock(m_state->mutex);
    m_state->stopping = true;
    m_state->changed.notify_all();
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
