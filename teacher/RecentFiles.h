// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

// The files opened last, newest first, kept in the window's settings and offered in a menu
// whose entries are numbered for the keyboard (Alt+1 …).
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumCount = 8;

    explicit RecentFiles(QMenu *menu, QObject *parent = nullptr);

    void setFiles(const QStringList &files);
    QStringList files() const { return m_files; }
    // Puts the file first.
    void add(const QString &file);

signals:
    void chosen(const QString &file);

private:
    void rebuildMenu();

    QMenu *m_menu;
    QStringList m_files;
};
