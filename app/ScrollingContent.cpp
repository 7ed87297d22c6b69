// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ScrollingContent.h"

#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>

void letContentScroll(QMainWindow &window)
{
    QWidget *content = window.centralWidget();
    if (!content || qobject_cast<QScrollArea *>(content))
        return;
    auto *area = new QScrollArea(&window);
    area->setObjectName(content->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    // Not a tab stop of its own; it still brings a focused control into view.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(window.takeCentralWidget());
    window.setCentralWidget(area);
    // Made while the window is being shown, it would otherwise show only at the next event loop.
    area->show();
    // The smaller minimum size reaches the window system before the window is first mapped.
    window.layout()->activate();
}
