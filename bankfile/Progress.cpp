// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/Progress.h"

void Progress::step(qint64, qint64)
{
}

bool Progress::cancelled() const
{
    return false;
}

void Progress::advance(qint64 done, qint64 total)
{
    step(done, total);
    if (cancelled())
        throw OperationCancelled();
}

Progress &noProgress()
{
    static Progress none;
    return none;
}
