// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

// A sortable table of whole rows over a model, named for screen readers. Its rows have one
// fixed height, so a table of 100 000 rows lays out and scrolls without measuring them.
QTableView *makeTableView(QWidget *parent, QAbstractItemModel *model, const QString &name);
