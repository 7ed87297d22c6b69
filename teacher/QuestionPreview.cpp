// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/QuestionPreview.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}

QuestionPreview::QuestionPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("preview"));
    setAccessibleName(QStringLiteral("Náhled otázky"));
    auto *layout = new QVBoxLayout(this);
    m_heading = makeLabel(this, QStringLiteral("Záhlaví náhledu"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    QPalette blue = m_heading->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_heading->setPalette(blue);
    m_question = makeLabel(this, QStringLiteral("Text otázky"));
    layout->addWidget(m_heading);
    layout->addWidget(m_question);
    for (int i = 0; i < 3; ++i) {
        m_answers[i] = makeLabel(this, QStringLiteral("Odpověď %1").arg(QChar(u'A' + i)));
        layout->addWidget(m_answers[i]);
    }
    m_comment = makeLabel(this, QStringLiteral("Komentář"));
    layout->addWidget(m_comment);
    layout->addStretch(1);
    clear();
}

void QuestionPreview::showRecord(const BankRecord &record)
{
    m_heading->setText(QStringLiteral("Otázka Cis %1, skupina %2").arg(record.cis).arg(record.skupina));
    m_question->setText(record.dotaz);
    for (int i = 0; i < 3; ++i) {
        const QString mark = record.cspravOdp == i ? QStringLiteral("   ← správná odpověď") : QString();
        m_answers[i]->setText(QStringLiteral("%1)  %2%3").arg(QChar(u'A' + i)).arg(record.answer(i), mark));
        QFont font = m_answers[i]->font();
        font.setBold(record.cspravOdp == i);
        m_answers[i]->setFont(font);
    }
    m_comment->setText(record.komentar.isEmpty() ? QString() : QStringLiteral("Komentář: %1").arg(record.komentar));
}

void QuestionPreview::clear()
{
    m_heading->setText(QStringLiteral("Náhled otázky: vyberte řádek v tabulce"));
    m_question->clear();
    for (QLabel *answer : m_answers)
        answer->clear();
    m_comment->clear();
}

QString QuestionPreview::shownText() const
{
    QStringList texts{m_heading->text(), m_question->text()};
    for (const QLabel *answer : m_answers)
        texts.append(answer->text());
    texts.append(m_comment->text());
    return texts.join(QLatin1Char('\n'));
}
