// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/RecordReader.h"
#include "teacher/ResultsColumns.h"

#include <QWidget>

class AttemptSelection;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QSettings;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class ShareChart;
struct ResultsSettings;

// The results of attempts: the folders read (the program's own first, more added by the
// teacher), the attempts filtered by person, dates and bank, the statistics per question with
// the chart of the share correct, and per person; exported as the command line exports them.
class ResultsView : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsView(QWidget *parent = nullptr);
    ~ResultsView() override;

    QList<QAction *> actions() const { return m_actions; }

    // The program's own folder, by Test.ini, then the added ones.
    QStringList folders() const;
    void addFolder(const QString &folder);
    void removeFolder(const QString &folder);
    // Reads every folder again.
    void reload();

    void setPerson(const QString &person);
    void setDates(std::optional<QDate> from, std::optional<QDate> to);
    // The bank at exactly this path, and of it only this version when one is given.
    void setBank(const QString &path, const QString &sha256 = QString());

    const results::RecordSet &records() const { return m_records; }
    const results::ResultsSummary &summary() const { return m_summary; }
    AttemptSelection *attempts() const { return m_selection; }
    QSortFilterProxyModel *questions() const { return m_questionSorted; }
    ShareChart *chart() const { return m_chart; }

    // Writes the summary as CSV for a spreadsheet; false, after saying why, when it cannot.
    bool exportCsv(const QString &path);
    bool saveChart(const QString &path);
    // Through the print dialog's seam.
    void printChart();
    // Stores the program's results settings in its Test.ini and reads the folders again.
    void applyProgramSettings(const ResultsSettings &values);

    void readSettings(const QSettings &settings);
    void writeSettings(QSettings &settings) const;

signals:
    void status(const QString &text);
    void questionChosen(const QString &bankPath, int cis);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createFolderRow();
    QWidget *createFilterRow();
    QWidget *createTables();
    void createActions();
    QAction *makeAction(const QString &text, const QKeySequence &shortcut, void (ResultsView::*slot)());
    void chooseFolderToAdd();
    void removeCurrentFolder();
    void chooseCsvFile();
    void chooseChartFile();
    void editProgramSettings();
    void showSkipped();
    void fillFolderList();
    void fillBankChoice();
    void bankChosen();
    void updateStatistics();
    void dateChanged();
    void openQuestionOfRow(const QModelIndex &index);
    static QString iniPath();
    QString programFolder() const;

    QStringList m_addedFolders;
    results::RecordSet m_records;
    results::ResultsSummary m_summary;
    bool m_loaded = false;

    QList<QAction *> m_actions;
    QListWidget *m_folderList;
    QLineEdit *m_person;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QComboBox *m_bank;
    QLabel *m_counts;
    QTabWidget *m_tables;
    AttemptModel *m_attemptModel;
    AttemptSelection *m_selection;
    QuestionStatisticsModel *m_questionModel;
    QSortFilterProxyModel *m_questionSorted;
    PersonModel *m_personModel;
    QSortFilterProxyModel *m_personSorted;
    QTableView *m_attemptTable;
    QTableView *m_questionTable;
    QTableView *m_personTable;
    ShareChart *m_chart;
};
