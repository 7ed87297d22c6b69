#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Randomize();
    QApplication application(argc, argv);
    // The title of message boxes; as the name rather than the display name it is not appended
    // to every window caption.
    QApplication::setApplicationName(ProductTitle);

    TForm2 mainWindow;
    FrmKonfig = new TFrmKonfig(&mainWindow);
    FrmHesloT = new TFrmHesloT(&mainWindow);
    mainWindow.showMaximized();
    return application.exec();
}
