// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankCheck.h"
#include "bankfile/BankExport.h"
#include "bankfile/BankFile.h"

#include <QMap>
#include <QObject>
#include <QTimer>

class QUndoStack;
class QuestionTableModel;

// The open bank: its questions, where they came from, the edits on the undo stack, and what the
// bank's check finds in them as they are now. Reads and writes go through the bank-file library,
// so the window saves exactly as the bank tool does.
class BankDocument : public QObject
{
    Q_OBJECT

public:
    explicit BankDocument(QObject *parent = nullptr);
    ~BankDocument() override;

    QuestionTableModel *model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undoStack; }

    // The file opened or last saved as a bank; empty before the first.
    QString fileName() const { return m_fileName; }
    // Whether that file is a bank's table, which saving replaces.
    bool isBankTable() const { return m_isBankTable; }
    bool isModified() const;

    // A bank's table (*.db) or an input `build` reads. Raises AppError or ImportError for a file
    // that cannot be read, OperationCancelled when asked; the open bank stays as it was then.
    void open(const QString &path, Progress &progress);
    // Writes the questions as a bank at dbPath, as the bank tool writes it, and makes it the
    // open file. Raises AppError (naming the texts code page 1250 cannot store, or the system's
    // reason) or OperationCancelled; nothing is lost then.
    WrittenBank saveBank(const QString &dbPath, Progress &progress);
    ExportResult exportTo(const QString &path, ExportFormat format, Progress &progress);

    // The check of the questions as they are now.
    const BankCheck &check();
    // The check's findings, the values the program cannot use as meant and the texts the bank
    // cannot store: what the rows are marked with.
    const QList<Finding> &findings();
    // What the import found when the file was read: skipped questions and the readers' warnings.
    const QList<Finding> &importFindings() const { return m_importFindings; }

    // A new empty question at the end, numbered after the highest number; returns its row.
    int addQuestion();
    void removeQuestions(const QList<int> &rows);

signals:
    void opened();
    // The findings changed with an edit, an undo or a redo (delivered once per turn of the
    // event loop however many rows changed).
    void checked();
    void modificationChanged(bool modified);

private:
    void recordsChanged();
    void recheck();
    void findUnstorable(int first, int last);
    void shiftUnstorable(int from, int by);

    QUndoStack *m_undoStack;
    QuestionTableModel *m_model;
    QString m_fileName;
    bool m_isBankTable = false;
    QList<Finding> m_importFindings;
    BankCheck m_check;
    QList<Finding> m_findings;
    // The texts code page 1250 cannot store, by row: converting every text again would cost each
    // edit of a big bank most of its time, so only the rows an edit touches are converted.
    QMap<int, QList<Finding>> m_unstorable;
    bool m_stale = false;
    QTimer m_recheckSoon;
};
