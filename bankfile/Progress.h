// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// How a long read or write tells how far it is and learns that it is to stop. The library
// calls step() from the thread it runs on, often but not for every unit (a window repaints
// its bar there, or processes events), and polls cancelled() at the same moments; once that
// returns true the operation raises OperationCancelled having written nothing: a bank being
// replaced stays as it was, an export's file is not created.
class Progress
{
public:
    virtual ~Progress() = default;

    // done of total units: bytes of input for a read, records for a write.
    virtual void step(qint64 done, qint64 total);
    virtual bool cancelled() const;

    // Calls step(), then raises OperationCancelled when cancelled() says so.
    void advance(qint64 done, qint64 total);
};

// Records between two steps of a loop over records: often enough for a smooth bar, seldom
// enough to cost nothing.
constexpr int RecordsPerStep = 256;

// Reports nowhere and is never cancelled: for the command line and the tests.
Progress &noProgress();

// Raised when the caller's Progress asked the operation to stop.
struct OperationCancelled
{
};
