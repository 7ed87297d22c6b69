// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
std::function<bool(const QUrl &)> &replacement()
{
    static std::function<bool(const QUrl &)> handler;
    return handler;
}
}

bool UrlOpener::open(const QUrl &url)
{
    if (replacement())
        return replacement()(url);
    return QDesktopServices::openUrl(url);
}

void UrlOpener::setHandler(std::function<bool(const QUrl &)> handler)
{
    replacement() = std::move(handler);
}
