// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Numbers and answers as the report, the CSV and the teacher's window show them: Czech by
// default, a decimal comma.
namespace results {

// "A", "B" or "C" for answer 0..2; a dash for none or one out of range.
QString answerLetter(std::optional<qint32> answer);
// A share 0..1 as whole percent ("75 %").
QString percentText(double share);
// The value with that many decimals and `point` between; never "-0,00".
QString decimal(double value, int decimals, QChar point = u',');
// Empty without a value; with `sign` a "+" before a value above what rounds to 0.
QString optionalDecimal(const std::optional<double> &value, int decimals, QChar point = u',', bool sign = false);

}
