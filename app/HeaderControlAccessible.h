// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QList>

class THeaderControl;

// The status line for a screen reader: a status bar of one item per section, each named by
// the section's current text, empty sections included, so their places can be counted.
class THeaderControlAccessible : public QAccessibleWidget
{
public:
    explicit THeaderControlAccessible(THeaderControl *header);
    ~THeaderControlAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    THeaderControl *header() const;
    // Where section index lies on the screen.
    QRect sectionRect(int index) const;

private:
    mutable QList<QAccessible::Id> m_sectionIds;
};

// Makes Qt's accessibility layer use THeaderControlAccessible for the status line; once.
void installHeaderControlAccessibility();

// Tells an active screen reader that the text, and so the name, of a section changed.
void notifySectionTextChanged(THeaderControl *header, int index);
