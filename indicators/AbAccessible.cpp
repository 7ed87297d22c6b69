// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbAccessible.h"

#include "indicators/GClass.h"

#include <QAccessibleActionInterface>
#include <QMetaObject>
#include <QPointer>

namespace {

QAccessible::Role roleOf(const TAbBinGControl *control)
{
    return control->Mode() == mRadioButton ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QAccessibleInterface *indicatorFactory(const QString &, QObject *object)
{
    if (auto *control = qobject_cast<TAbBinGControl *>(object))
        return new TAbBinGAccessible(control);
    return nullptr;
}

}

TAbBinGAccessible::TAbBinGAccessible(TAbBinGControl *control)
    : QAccessibleWidget(control, roleOf(control))
{
}

TAbBinGControl *TAbBinGAccessible::control() const
{
    return static_cast<TAbBinGControl *>(widget());
}

// A caption of several lines is read as one, its "|" separators as spaces.
QString TAbBinGAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return control()->Caption().replace(QLatin1Char('|'), QLatin1Char(' '));
    return QAccessibleWidget::text(t);
}

QAccessible::State TAbBinGAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = control()->Checked();
    return state;
}

QStringList TAbBinGAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(QAccessibleActionInterface::pressAction());
    return names;
}

// Queued like a button's animated click: the handler may open a modal box, and the screen
// reader's call must not wait for the user to close it.
void TAbBinGAccessible::doAction(const QString &actionName)
{
    if (actionName != QAccessibleActionInterface::pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!widget()->isEnabled())
        return;
    QPointer<TAbBinGControl> target(control());
    QMetaObject::invokeMethod(
        target, [target] {
            if (target)
                target->PerformClick();
        },
        Qt::QueuedConnection);
}

QStringList TAbBinGAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == QAccessibleActionInterface::pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Enter")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installAbAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&indicatorFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void notifyAccessibleChecked(TAbBinGControl *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void notifyAccessibleCaption(TAbBinGControl *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
