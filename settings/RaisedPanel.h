// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QFrame;
class QWidget;

// A raised panel at the given place in its parent.
QFrame *makePanel(QWidget *parent, const QString &name, const QRect &geometry);
