// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FormFont.h"

#include <QFontDatabase>

namespace {

// Qt names a family that several foundries supply "Family [Foundry]".
QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

}

QStringList formFontPreferredFamilies()
{
    return {QStringLiteral("Tahoma"),      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Noto Sans"),       QStringLiteral("DejaVu Sans")};
}

QStringList installedFamilies(const QStringList &preferred, const QStringList &installed)
{
    QStringList names;
    for (const QString &family : installed)
        names.append(withoutFoundry(family));
    QStringList present;
    for (const QString &family : preferred) {
        if (names.contains(family, Qt::CaseInsensitive))
            present.append(family);
    }
    return present.isEmpty() ? preferred : present;
}

QStringList formFontFamilies()
{
    // A family missing from the system sends every font request through the font service's
    // costly fallback sorting, so the list is narrowed once to what is installed.
    // Only the first installed one is named: with further names the font service sorts all its
    // fallback fonts for every size and weight it loads, with one only when a glyph is missing.
    static const QStringList families = [] {
        const QStringList found = installedFamilies(formFontPreferredFamilies(), QFontDatabase::families());
        return QFontDatabase::hasFamily(found.first()) ? found.mid(0, 1) : found;
    }();
    return families;
}

QFont formFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(formFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
