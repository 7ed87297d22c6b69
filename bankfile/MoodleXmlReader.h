// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QString>

// The questions of a Moodle XML export (a <quiz> of <question> elements). Raises
// ImportError with the line for a file that is not well-formed or not a quiz.
BankContent readMoodleXml(const QString &file, const QString &content);
