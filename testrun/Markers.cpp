// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testrun/Markers.h"

#include "app/Unit2.h"

#include <QLabel>

namespace Markers {

void hideAll(const TForm2 &form)
{
    for (int k = 0; k <= 2; ++k)
        form.markerLabel(k)->hide();
}

void show(const TForm2 &form, int answerIndex, const QString &text, TColor color)
{
    QLabel *label = form.markerLabel(answerIndex);
    if (!label)
        return;
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, resolveColor(color, palette));
    label->setPalette(palette);
    label->show();
}

}
