// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl &)> &replacement()
{
    static std::function<void(const QUrl &)> handler;
    return handler;
}
}

void UrlOpener::open(const QUrl &url)
{
    if (replacement())
        replacement()(url);
    else
        QDesktopServices::openUrl(url);
}

void UrlOpener::setHandler(std::function<void(const QUrl &)> handler)
{
    replacement() = std::move(handler);
}
