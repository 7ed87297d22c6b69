// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace results {

// Which attempts count. Dates are the start's date where the attempt was taken, both ends
// included; `bank` matches a part of the bank's path (any letter case) or the start of its
// SHA-256, as typed on the command line; `bankPath` and `bankSha256`, when given, match whole,
// as a bank chosen from a list.
struct AttemptFilter
{
    std::optional<QDate> from;
    std::optional<QDate> to;
    QString bank;
    QString bankPath;
    QString bankSha256;

    bool accepts(const AttemptRecord &record) const;
};

QList<AttemptRecord> filtered(const QList<AttemptRecord> &attempts, const AttemptFilter &filter);

}
