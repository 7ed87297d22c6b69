// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ShareChart.h"

#include "results/RecordWriter.h"
#include "teacher/ResultsColumns.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr int ChartMargins = 110;

// Two versions of one bank count as two: an edited bank keeps its path.
bool severalBanks(const QList<results::QuestionStatistics> &questions)
{
    QSet<std::pair<QString, QString>> banks;
    for (const results::QuestionStatistics &question : questions)
        banks.insert({question.bankPath, question.bankSha256});
    return banks.size() > 1;
}

// Unique for each bar: the category axis drops a label it already has, which would shift the
// labels against the bars.
QString barLabel(const results::QuestionStatistics &question, bool withBank)
{
    const QString label = QStringLiteral("otázka %1").arg(question.cis);
    return withBank ? bankVersionName(question.bankPath, question.bankSha256) + QLatin1Char(' ') + label : label;
}

}

ShareChart::ShareChart(QWidget *parent)
    : QChartView(parent)
{
    setObjectName(QStringLiteral("shareChart"));
    setAccessibleName(QStringLiteral("Graf podílu správných odpovědí"));
    setAccessibleDescription(QStringLiteral("Pruh pro každou otázku, nejhorší nahoře; dvojklik otevře otázku v bance"));
    viewport()->setAccessibleName(accessibleName());
    setRenderHint(QPainter::Antialiasing);
    chart()->setTitle(QStringLiteral("Podíl správných odpovědí"));
    chart()->legend()->hide();
    setQuestions({});
}

void ShareChart::setQuestions(QList<results::QuestionStatistics> questions)
{
    std::stable_sort(questions.begin(), questions.end(), [](const auto &a, const auto &b) {
        return a.correctShare() < b.correctShare();
    });
    m_questions = std::move(questions);

    QChart *chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);

    // A horizontal chart draws its first category at the bottom: the worst goes in last.
    const bool withBank = severalBanks(m_questions);
    auto *bars = new QBarSet(QStringLiteral("Podíl správných odpovědí"));
    bars->setLabelColor(palette().color(QPalette::WindowText));
    QStringList labels;
    for (auto question = m_questions.crbegin(); question != m_questions.crend(); ++question) {
        *bars << std::round(question->correctShare() * 100);
        labels << barLabel(*question, withBank);
    }
    auto *series = new QHorizontalBarSeries;
    series->setBarWidth(0.8);
    series->append(bars);
    series->setLabelsVisible(true);
    // Beside the bar, so that a question nobody answered rightly shows its 0 % too.
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value %"));
    chart->addSeries(series);

    auto *questionsAxis = new QBarCategoryAxis;
    questionsAxis->append(labels);
    questionsAxis->setTruncateLabels(false);
    auto *shareAxis = new QValueAxis;
    shareAxis->setRange(0, 100);
    shareAxis->setLabelFormat(QStringLiteral("%d %"));
    shareAxis->setTitleText(QStringLiteral("správně (%)"));
    chart->addAxis(questionsAxis, Qt::AlignLeft);
    // At the top, where it stays in sight above a long list of bars.
    chart->addAxis(shareAxis, Qt::AlignTop);
    series->attachAxis(questionsAxis);
    series->attachAxis(shareAxis);
    connect(series, &QAbstractBarSeries::doubleClicked, this,
            [this](int index, QBarSet *) { chooseBar(static_cast<int>(m_questions.size()) - 1 - index); });

    setMinimumHeight(ChartMargins + BarHeight * static_cast<int>(m_questions.size()));
}

void ShareChart::chooseBar(int index)
{
    if (index < 0 || index >= m_questions.size())
        return;
    emit questionChosen(m_questions.at(index).bankPath, m_questions.at(index).cis);
}

std::optional<QString> ShareChart::save(const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(chart()->title());
        pdf.setCreator(QStringLiteral("Test znalostí – správa"));
        paintOn(pdf);
    } else {
        grab().save(&buffer, "PNG");
    }
    buffer.close();
    return results::writeFileWhole(path, bytes);
}

void ShareChart::paintOn(QPagedPaintDevice &device)
{
    // The whole chart on one page, in its proportions.
    QPainter painter(&device);
    render(&painter, painter.viewport());
}
