// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>
#include <functional>

// Opens an address with the desktop's default handler, without waiting for the outcome.
class UrlOpener
{
public:
    // False when no handler took the address (no browser or launcher found); a handler that
    // starts and fails later is not seen.
    static bool open(const QUrl &url);
    static void setHandler(std::function<bool(const QUrl &)> handler);
};
