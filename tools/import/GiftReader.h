#pragma once

#include "ImportedQuestion.h"

#include <QString>

// The questions of a GIFT text. Raises ImportError with the line for an answer block
// or title left open.
ImportResult ReadGift(const QString &file, const QString &text);
