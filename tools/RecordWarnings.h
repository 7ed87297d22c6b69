// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuestionRecord.h"

#include <QList>
#include <QStringList>

// Values the bank stores but the program cannot use as meant, each with its file and line: a
// CspravOdp outside 0–2, a Skupina outside 1–3, a Cis that an earlier record already has.
QStringList recordWarnings(const QList<QuestionRecord> &records);
