#include "app/FormFont.h"

#include <QFontDatabase>

QString FormFontFamily()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
        ? QStringLiteral("Tahoma")
        : QStringLiteral("DejaVu Sans");
    return family;
}

QFont FormFont(int pixelSize, bool bold)
{
    QFont font(FormFontFamily());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
