#pragma once

#include <QUrl>
#include <functional>

// Opens an address with the desktop's default handler, without waiting for the outcome.
class UrlOpener
{
public:
    static void Open(const QUrl &url);
    static void SetHandler(std::function<void(const QUrl &)> handler);
};
