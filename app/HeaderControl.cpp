#include "app/HeaderControl.h"

THeaderControl::THeaderControl(QWidget *parent)
    : QWidget(parent)
{
}

void THeaderControl::AddSection(int width)
{
    m_widths.append(width);
    m_texts.append(QString());
}

int THeaderControl::SectionCount() const
{
    return static_cast<int>(m_widths.size());
}

int THeaderControl::SectionWidth(int index) const
{
    return m_widths.value(index);
}

QString THeaderControl::SectionText(int index) const
{
    return m_texts.value(index);
}

void THeaderControl::SetSectionText(int index, const QString &text)
{
    if (index >= 0 && index < m_texts.size())
        m_texts[index] = text;
    update();
}

void THeaderControl::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
}
