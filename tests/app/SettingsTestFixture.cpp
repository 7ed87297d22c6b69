// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTestFixture.h"

#include "app/Unit2.h"
#include "platform/PrintDialog.h"

#include <QFile>

void SettingsTestFixture::SetUp()
{
    WindowFixture::SetUp();
    // Every key print comes to the print dialog first; cancelling it prints nothing.
    PrintDialog::setHandler([this](QPrinter &) {
        ++printDialogCalls;
        return false;
    });
}

void SettingsTestFixture::TearDown()
{
    PrintDialog::setHandler(nullptr);
    WindowFixture::TearDown();
}

TForm2 *SettingsTestFixture::CreateWindowWithSettings(const QByteArray &ini)
{
    return CreateWindow(makeBankRecords(50, 40, 30), ini);
}

QByteArray SettingsTestFixture::settingsFileContents() const
{
    QFile file(programDir() + QStringLiteral("Test.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SettingsTestFixture::settingsFileExists() const
{
    return QFile::exists(programDir() + QStringLiteral("Test.ini"));
}

QStringList SettingsTestFixture::settingsValues(const QByteArray &key) const
{
    QStringList values;
    for (const QByteArray &line : settingsFileContents().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed().toLower() == key.toLower())
            values.append(QString::fromUtf8(line.mid(equals + 1).trimmed()));
    }
    return values;
}
