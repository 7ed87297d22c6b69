// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Canvas.h"

#include <QString>

class TForm2;

// The three marker labels beside answers A, B and C, shared by the run and the review.
namespace Markers {

void hideAll(const TForm2 &form);
// Shows the marker of the answer index with a fresh text and font colour; an index outside
// 0..2 has no marker, so nothing is shown.
void show(const TForm2 &form, int answerIndex, const QString &text, TColor color);

}
