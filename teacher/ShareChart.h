// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/Statistics.h"

#include <QChartView>
#include <optional>

class QPagedPaintDevice;

// A bar for each question: the share of correct answers, the worst at the top. Double-clicking
// a bar asks for its question in the bank view. The chart is saved as PNG or PDF or printed
// as it is shown, each page device drawn on the same way.
class ShareChart : public QChartView
{
    Q_OBJECT

public:
    static constexpr int BarHeight = 22;

    explicit ShareChart(QWidget *parent = nullptr);

    void setQuestions(QList<results::QuestionStatistics> questions);
    // The questions in the order of their bars, top down.
    const QList<results::QuestionStatistics> &questions() const { return m_questions; }

    // As PNG, or as PDF for a name ending in .pdf; a reason (Czech) when it cannot be written.
    std::optional<QString> save(const QString &path);
    // Draws the chart across the device's page.
    void paintOn(QPagedPaintDevice &device);

    // The question of the bar at `index` counted from the top, as a double-click chooses it.
    void chooseBar(int index);

signals:
    void questionChosen(const QString &bankPath, int cis);

private:
    QList<results::QuestionStatistics> m_questions;
};
