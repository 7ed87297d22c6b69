// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExportedQuestion.h"

#include <QIODevice>
#include <QList>

// Writes the questions to device as a GIFT file in UTF-8: a $CATEGORY line wherever the category changes, each
// question a block of plain text with its three answers in order, the correct one
// "=", the others "~", the comment as general feedback.
void writeGift(QIODevice &device, const QList<ExportedQuestion> &questions);
