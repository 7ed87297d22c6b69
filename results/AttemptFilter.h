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
// included; the bank matches a part of its path (any letter case) or the start of its SHA-256.
struct AttemptFilter
{
    std::optional<QDate> from;
    std::optional<QDate> to;
    QString bank;

    bool accepts(const AttemptRecord &record) const;
};

QList<AttemptRecord> filtered(const QList<AttemptRecord> &attempts, const AttemptFilter &filter);

}
