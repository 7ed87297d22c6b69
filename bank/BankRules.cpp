// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/BankRules.h"

#include "platform/core/Conversions.h"

namespace BankRules {

bool isBlankText(const QString &text)
{
    return trimControl(text).isEmpty();
}

}
