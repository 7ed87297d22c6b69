// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HeaderControl.h"

#include "platform/FormFont.h"
#include "app/HeaderControlAccessible.h"

#include <QPainter>
#include <QStyleOptionHeader>

THeaderControl::THeaderControl(QWidget *parent)
    : QWidget(parent)
{
    setFont(formFont(13, true));
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, Qt::red);
    setPalette(colours);
    installHeaderControlAccessibility();
}

void THeaderControl::addSection(int width)
{
    m_widths.append(width);
    m_texts.append(QString());
    update();
}

int THeaderControl::sectionCount() const
{
    return static_cast<int>(m_widths.size());
}

int THeaderControl::sectionWidth(int index) const
{
    return m_widths.value(index);
}

QString THeaderControl::sectionText(int index) const
{
    return m_texts.value(index);
}

void THeaderControl::setSectionText(int index, const QString &text)
{
    if (index < 0 || index >= m_texts.size() || m_texts[index] == text)
        return;
    m_texts[index] = text;
    notifySectionTextChanged(this, index);
    update();
}

// Each section is drawn as a header bar section; the space after the last one as an empty one.
void THeaderControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.orientation = Qt::Horizontal;
    int left = 0;
    for (int i = 0; i <= m_widths.size(); ++i) {
        const bool filler = i == m_widths.size();
        const int width = filler ? this->width() - left : m_widths[i];
        // The style caches sections in pixmaps and cannot draw an empty one.
        if (width > 0) {
            option.rect = QRect(left, 0, width, height());
            option.section = i;
            option.text = filler ? QString() : m_texts[i];
            option.position = i == 0 ? QStyleOptionHeader::Beginning : QStyleOptionHeader::Middle;
            style()->drawControl(QStyle::CE_Header, &option, &painter, this);
        }
        left += qMax(0, width);
    }
}
