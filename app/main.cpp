#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Randomize();
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(ProductTitle);

    TForm2 mainWindow;
    FrmKonfig = new TFrmKonfig(&mainWindow);
    FrmHesloT = new TFrmHesloT(&mainWindow);
    mainWindow.showMaximized();
    return application.exec();
}
