// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <gtest/gtest.h>

// A test that needs an outside tool skips on a machine without it; CI exports
// TZ_REQUIRE_TOOLS=1, and there the missing tool fails the test instead.
inline bool toolsRequired()
{
    return qEnvironmentVariableIntValue("TZ_REQUIRE_TOOLS") != 0;
}

#define TZ_REQUIRE_TOOL(available, what)                                                          \
    if (available) {                                                                               \
    } else if (toolsRequired())                                                                    \
        FAIL() << what << " is not installed, and TZ_REQUIRE_TOOLS asks for it";                   \
    else                                                                                           \
        GTEST_SKIP() << what << " is not installed"
