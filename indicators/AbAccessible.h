// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class TAbBinGControl;

// What a screen reader learns of an indicator: a check button named by its caption, with its
// checked state, its visibility, a description set by its owner and a press action that
// clicks it as the mouse does.
class TAbBinGAccessible : public QAccessibleWidget
{
public:
    explicit TAbBinGAccessible(TAbBinGControl *control);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TAbBinGControl *control() const;
};

// Makes Qt's accessibility layer use TAbBinGAccessible for every indicator; installed once.
void installAbAccessibility();

// Tell an active screen reader that the control's checked state or caption changed.
void notifyAccessibleChecked(TAbBinGControl *control);
void notifyAccessibleCaption(TAbBinGControl *control);
