// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

// Modal message boxes with an OK button. Tests replace the real boxes with a handler, so no
// test ever blocks on one.
class Messages
{
public:
    enum class Kind { Information, Error };
    using Handler = std::function<void(Kind kind, const QString &caption, const QString &text)>;

    // A plain message; an empty caption means the application's title.
    static void show(const QString &text, const QString &caption = QString());
    // The standard error box.
    static void showError(const QString &text);

    // Replaces the real boxes; an empty handler restores them.
    static void setHandler(Handler handler);

private:
    static void dispatch(Kind kind, const QString &caption, const QString &text);
};
