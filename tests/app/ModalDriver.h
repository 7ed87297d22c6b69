// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Acts on a dialog as soon as its modal loop runs; a dialog the action leaves open is closed
// with a failure, so no test ever hangs on exec().
inline void whenShown(QDialog *dialog, std::function<void()> action, bool mayStayOpen = false)
{
    QTimer::singleShot(0, dialog, [dialog = QPointer<QDialog>(dialog), action = std::move(action), mayStayOpen] {
        if (!dialog || !dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is not shown";
            return;
        }
        action();
        if (dialog && dialog->isVisible()) {
            if (!mayStayOpen)
                ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        }
    });
}
