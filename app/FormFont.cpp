#include "app/FormFont.h"

QStringList FormFontFamilies()
{
    return {QStringLiteral("Tahoma"),      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Noto Sans"),       QStringLiteral("DejaVu Sans")};
}

QFont FormFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(FormFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
