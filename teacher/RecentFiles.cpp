// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(QMenu *menu, QObject *parent)
    : QObject(parent), m_menu(menu)
{
    rebuildMenu();
}

void RecentFiles::setFiles(const QStringList &files)
{
    m_files = files.mid(0, MaximumCount);
    rebuildMenu();
}

void RecentFiles::add(const QString &file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    m_files.removeAll(path);
    m_files.prepend(path);
    setFiles(m_files);
}

void RecentFiles::rebuildMenu()
{
    m_menu->clear();
    for (int i = 0; i < m_files.size(); ++i) {
        const QString path = m_files.at(i);
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *action = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->setEnabled(!m_files.isEmpty());
}
