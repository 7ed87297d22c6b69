// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

// The questions the window asks and waits for: a file or folder to choose, and what to do with
// unsaved changes. Tests replace them with handlers, so no test blocks on a dialog.
class Prompts
{
public:
    enum class Unsaved { Save, Discard, Cancel };

    // Every handler returns what the user chose; an empty path means cancelled.
    struct Handlers
    {
        std::function<QString(const QString &caption, const QString &filter)> openFile;
        std::function<QString(const QString &caption, const QString &suggested, const QString &filter)> saveFile;
        std::function<QString(const QString &caption)> folder;
        std::function<Unsaved(const QString &question)> unsavedChanges;
    };

    static QString openFile(QWidget *parent, const QString &caption, const QString &filter);
    static QString saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                            const QString &filter);
    static QString folder(QWidget *parent, const QString &caption);
    static Unsaved unsavedChanges(QWidget *parent, const QString &question);

    // Replaces the real dialogs; a question without a handler is then answered as cancelled.
    static void setHandlers(Handlers handlers);
    static void restoreDialogs();
};
