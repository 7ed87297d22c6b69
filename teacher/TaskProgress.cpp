// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/TaskProgress.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
// Often enough for a moving bar and a prompt cancel, seldom enough to cost the work nothing.
constexpr int RepaintMilliseconds = 50;
}

TaskProgress::TaskProgress(QWidget *parent)
    : QWidget(parent),
      m_label(new QLabel(this)),
      m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(QStringLiteral("Zrušit"), this))
{
    setObjectName(QStringLiteral("taskProgress"));
    m_bar->setObjectName(QStringLiteral("taskBar"));
    m_bar->setAccessibleName(QStringLiteral("Průběh"));
    m_cancel->setObjectName(QStringLiteral("taskCancel"));
    m_cancel->setAccessibleName(QStringLiteral("Zrušit"));
    m_cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &TaskProgress::cancel);
    hide();
}

void TaskProgress::start(const QString &what, const QList<QWidget *> &blocked)
{
    m_running = true;
    m_cancelled = false;
    m_label->setText(what);
    m_bar->setRange(0, 0);
    m_blocked = blocked;
    for (QWidget *widget : std::as_const(m_blocked))
        widget->setEnabled(false);
    show();
    m_cancel->setFocus();
    m_sinceRepaint.start();
}

void TaskProgress::finish()
{
    for (QWidget *widget : std::as_const(m_blocked))
        widget->setEnabled(true);
    m_blocked.clear();
    m_running = false;
    hide();
}

void TaskProgress::step(qint64 done, qint64 total)
{
    if (!m_running || m_sinceRepaint.elapsed() < RepaintMilliseconds)
        return;
    // The bar counts in thousandths, so totals beyond an int's range fit.
    m_bar->setRange(0, 1000);
    m_bar->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
    QCoreApplication::processEvents();
    m_sinceRepaint.start();
}
