// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QString>

class BankView;
class QTabWidget;
class RecentFiles;
class ResultsView;

// "Test znalostí – správa": the bank view and the results view on two tabs, their actions in
// the menus, the recent files, and the window's own state kept between runs.
class TeacherWindow : public QMainWindow
{
    Q_OBJECT

public:
    static const QString Title;

    explicit TeacherWindow(QWidget *parent = nullptr);
    ~TeacherWindow() override;

    // Opens a bank or an input for one, after asking about unsaved changes; false when it was
    // not opened (cancelled or unreadable, which has been reported).
    bool openFile(const QString &path);

    BankView *bankView() const { return m_bankView; }
    ResultsView *resultsView() const { return m_resultsView; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    void chooseAndOpen();
    void showQuestionOfChart(const QString &bankPath, int cis);
    void updateTitle();
    void showAbout();
    void readSettings();
    void writeSettings() const;

    QTabWidget *m_tabs;
    BankView *m_bankView;
    ResultsView *m_resultsView;
    RecentFiles *m_recentFiles = nullptr;
};
