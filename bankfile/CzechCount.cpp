// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/CzechCount.h"

QString czechCount(qint64 count, const CzechNoun &noun)
{
    // "minus dva záznamy": the sign does not change the form.
    const qint64 size = count < 0 ? -count : count;
    const char *form = size == 1 ? noun.one : size >= 2 && size <= 4 ? noun.few : noun.many;
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(form));
}
