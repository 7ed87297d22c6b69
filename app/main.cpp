// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "platform/core/Clock.h"
#include "platform/core/QtTranslation.h"
#include "results/RecordKeeper.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

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

    int status = 0;
    {
        TForm2 mainWindow;
        mainWindow.showMaximized();
        status = application.exec();
    }
    // A record still being written into a folder that does not answer: its thread must not
    // wake into Qt's and the program's statics while exit() destroys them, so the process ends
    // without destroying them. Nothing of the window is left to save by then.
    if (results::RecordKeeper::writerStillRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
