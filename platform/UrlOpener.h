// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>
#include <functional>

// Opens an address with the desktop's default handler, without waiting for the outcome.
class UrlOpener
{
public:
    static void open(const QUrl &url);
    static void setHandler(std::function<void(const QUrl &)> handler);
};
