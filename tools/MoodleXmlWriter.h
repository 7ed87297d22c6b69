// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExportedQuestion.h"

#include <QByteArray>
#include <QList>

// The questions as a Moodle XML file in UTF-8: a category entry wherever the category changes,
// each question a single-answer multiple choice of plain texts, answers unshuffled and numbered
// a, b, c, the correct one at 100 %. The texts must hold no character XML forbids.
QByteArray moodleXml(const QList<ExportedQuestion> &questions);
