// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Makes FrmKonfig and FrmHesloT, owned by the main window, unless they exist. Nothing on the
// first frame needs them, so the handlers that open one make them when first called.
void ensureDialogs(QWidget *owner);
