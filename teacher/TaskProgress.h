// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The bar and the cancel button of a long read or write. The library runs on the window's
// thread and reports here; between its steps the window paints and takes the click on
// "Zrušit", while everything else of the window waits disabled.
class TaskProgress : public QWidget, public Progress
{
    Q_OBJECT

public:
    explicit TaskProgress(QWidget *parent = nullptr);

    // Shows the bar with what is being done; the widgets given stay disabled until finish().
    void start(const QString &what, const QList<QWidget *> &blocked);
    void finish();
    bool isRunning() const { return m_running; }
    void cancel() { m_cancelled = true; }

    void step(qint64 done, qint64 total) override;
    bool cancelled() const override { return m_cancelled; }

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    QList<QWidget *> m_blocked;
    QElapsedTimer m_sinceRepaint;
    bool m_running = false;
    bool m_cancelled = false;
};
