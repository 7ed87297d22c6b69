// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>
#include <functional>

class BankDocument;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSortFilterProxyModel;
class QTableView;
class QuestionPreview;
class TaskProgress;

// The bank: the questions in a sortable, searchable table, the check's summary, the findings
// marked on their rows and listed, the current question previewed; editing with undo and redo;
// saving where the program reads the bank or to a chosen file, and the export for Moodle.
class BankView : public QWidget
{
    Q_OBJECT

public:
    static const QString OpenFilter;
    // The findings list names at most this many; the rows are marked all the same.
    static constexpr int ListedFindings = 2000;

    explicit BankView(QWidget *parent = nullptr);
    ~BankView() override;

    BankDocument *document() const { return m_document; }
    QList<QAction *> fileActions() const { return m_fileActions; }
    QList<QAction *> editActions() const { return m_editActions; }

    QString fileName() const;
    bool isModified() const;

    // Each returns whether it was done; a failure has been reported to the user, and nothing of
    // the open bank is lost by one.
    bool open(const QString &path);
    // Before the bank is closed: asks what to do with unsaved changes; false when the user cancels.
    bool maybeSave();
    // To the bank's table opened, or for an imported file to where the program reads its bank.
    bool save();
    QString saveTarget() const;
    bool saveAsProgramBank();
    bool saveAs();
    bool saveTo(const QString &dbPath);
    bool exportBank();
    bool exportTo(const QString &path);

    // Selects the question with this number; false when the bank has none.
    bool showQuestion(int cis);
    void setSearch(const QString &text);

    QTableView *table() const { return m_table; }
    QSortFilterProxyModel *rows() const { return m_rows; }
    QListWidget *findingList() const { return m_findingList; }
    QLabel *summary() const { return m_summary; }
    QuestionPreview *preview() const { return m_preview; }
    TaskProgress *progress() const { return m_progress; }

signals:
    void documentChanged();
    void status(const QString &text);
    // A read or write runs: the window's menus wait for it.
    void busy(bool running);

private:
    void createActions();
    // The save action names where it writes: an imported file goes to the program's bank.
    void showSaveTarget();
    QAction *makeAction(const QString &text, const QList<QKeySequence> &shortcuts, const std::function<void()> &slot);
    QWidget *createContent();
    bool runTask(const QString &what, const std::function<void()> &task);
    void showCheck();
    void showFindingsList();
    void goToFinding(QListWidgetItem *item);
    void selectRow(int row, int column);
    void currentRowChanged();
    void addQuestion();
    void removeSelectedQuestions();

    BankDocument *m_document;
    QSortFilterProxyModel *m_rows;
    QWidget *m_content = nullptr;
    QLineEdit *m_search = nullptr;
    QTimer m_searchSoon;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    QuestionPreview *m_preview = nullptr;
    QListWidget *m_findingList = nullptr;
    TaskProgress *m_progress = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QList<QAction *> m_fileActions;
    QList<QAction *> m_editActions;
};
