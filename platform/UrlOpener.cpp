#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl &)> &replacement()
{
    static std::function<void(const QUrl &)> handler;
    return handler;
}
}

void UrlOpener::Open(const QUrl &url)
{
    if (replacement())
        replacement()(url);
    else
        QDesktopServices::openUrl(url);
}

void UrlOpener::SetHandler(std::function<void(const QUrl &)> handler)
{
    replacement() = std::move(handler);
}
