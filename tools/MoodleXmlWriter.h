// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExportedQuestion.h"

#include <QIODevice>
#include <QList>

// Writes the questions to device as a Moodle XML file in UTF-8: a category entry wherever the category changes,
// each question a single-answer multiple choice of plain texts, answers unshuffled and numbered
// a, b, c, the correct one at 100 %. The texts must hold no character XML forbids.
void writeMoodleXml(QIODevice &device, const QList<ExportedQuestion> &questions);
