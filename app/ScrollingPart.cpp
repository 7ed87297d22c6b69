// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ScrollingPart.h"

#include <QEvent>
#include <QVBoxLayout>

ScrollingPart::ScrollingPart(QWidget *parent, std::initializer_list<QWidget *> panels)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Not a tab stop of its own; it still brings a focused control into view.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Its panels' height where there is room; the room left over goes below, as before.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget *panel : panels)
        layout->addWidget(panel);
    setWidget(content);
    // A panel shown or hidden changes the height asked for.
    content->installEventFilter(this);
}

QSize ScrollingPart::sizeHint() const
{
    return widget()->sizeHint();
}

bool ScrollingPart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
