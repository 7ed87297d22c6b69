// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/Statistics.h"
#include "teacher/ColumnTableModel.h"

// The columns of the results view's three tables: the attempts, the questions and the persons.
using AttemptModel = ColumnTableModel<results::AttemptRecord>;
using QuestionStatisticsModel = ColumnTableModel<results::QuestionStatistics>;
using PersonModel = ColumnTableModel<results::PersonStatistics>;

QList<AttemptModel::Column> attemptColumns();
QList<QuestionStatisticsModel::Column> questionStatisticsColumns();
QList<PersonModel::Column> personColumns();

// The bank as a short name: its folder and file ("trida-a/test.db").
QString shortBankName(const QString &path);
// A version of a bank: its short name and the start of its SHA-256 ("trida-a/test.db (ab12cd34)").
QString bankVersionName(const QString &path, const QString &sha256);
inline constexpr int ShortSha256 = 8;
