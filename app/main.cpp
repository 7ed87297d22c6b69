// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "platform/core/Clock.h"
#include "platform/core/QtTranslation.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>

namespace {

// Before the application object, so that it answers without a display.
bool answeredCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const std::optional<QString> answer = answerCommandLine(arguments);
    if (!answer)
        return false;
    const QByteArray text = answer->toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return true;
}

}

int main(int argc, char *argv[])
{
    if (answeredCommandLine(argc, argv))
        return 0;
    randomize(Clock::highResCounter());
    QApplication application(argc, argv);
    // The title of message boxes; as the name rather than the display name it is not appended
    // to every window caption.
    QApplication::setApplicationName(ProductTitle);
    QTranslator qtTranslation;
    installQtTranslation(application, qtTranslation);

    TForm2 mainWindow;
    mainWindow.showMaximized();
    return application.exec();
}
