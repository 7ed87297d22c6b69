// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollArea>
#include <initializer_list>

// The part of a window that scrolls when the screen is lower than the design, so the panels
// above and below it stay in view. It asks for the height of its panels, stacked without
// gaps: where there is room for them, the window looks as if it were not there.
class ScrollingPart : public QScrollArea
{
    Q_OBJECT

public:
    ScrollingPart(QWidget *parent, std::initializer_list<QWidget *> panels);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
