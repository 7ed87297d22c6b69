// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/QtTranslation.h"
#include "teacher/StartRequest.h"
#include "teacher/TeacherWindow.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace {

StartRequest commandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return readCommandLine(arguments);
}

}

int main(int argc, char *argv[])
{
    // --help and --version answer before the application object, so they need no display.
    if (const StartRequest early = commandLine(argc, argv); early.answer) {
        const QByteArray text = early.answer->toUtf8();
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(TeacherWindow::Title);
    QApplication::setApplicationVersion(QStringLiteral(TZ_VERSION));
    QApplication::setOrganizationName(QStringLiteral("test-znalosti"));
    QApplication::setDesktopFileName(QStringLiteral("test-znalosti-sprava"));
    QTranslator qtTranslation;
    installQtTranslation(application, qtTranslation);

    TeacherWindow window;
    window.show();
    // Qt has taken its own options from the arguments by now.
    const QString file = readCommandLine(QApplication::arguments().mid(1)).file;
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    return application.exec();
}
