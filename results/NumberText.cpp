// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/NumberText.h"

#include <cmath>

namespace results {

QString answerLetter(std::optional<qint32> answer)
{
    return answer && *answer >= 0 && *answer <= 2 ? QString(QChar(u'A' + *answer)) : QStringLiteral("–");
}

QString percentText(double share)
{
    return QStringLiteral("%1 %").arg(std::lround(share * 100));
}

QString decimal(double value, int decimals, QChar point)
{
    QString text = QString::number(value, 'f', decimals);
    if (text == QStringLiteral("-0.") + QString(decimals, u'0'))
        text.remove(0, 1);
    return text.replace(u'.', point);
}

QString optionalDecimal(const std::optional<double> &value, int decimals, QChar point, bool sign)
{
    if (!value)
        return QString();
    const QString text = decimal(*value, decimals, point);
    return sign && !text.startsWith(u'-') && text != decimal(0, decimals, point) ? u'+' + text : text;
}

}
