#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own Czech texts (standard buttons, the print dialog): from the program's folder when it
// carries them, else from the system's Qt translations.
void installQtTranslation(QApplication &application, QTranslator &translator)
{
    const QString name = QStringLiteral("qtbase_cs");
    if (translator.load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
        || translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

}

int main(int argc, char *argv[])
{
    Randomize();
    QApplication application(argc, argv);
    // The title of message boxes; as the name rather than the display name it is not appended
    // to every window caption.
    QApplication::setApplicationName(ProductTitle);
    QTranslator qtTranslation;
    installQtTranslation(application, qtTranslation);

    TForm2 mainWindow;
    FrmKonfig = new TFrmKonfig(&mainWindow);
    FrmHesloT = new TFrmHesloT(&mainWindow);
    mainWindow.showMaximized();
    return application.exec();
}
