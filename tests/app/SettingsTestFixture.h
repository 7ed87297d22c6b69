// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/WindowFixture.h"

#include <QByteArray>
#include <QString>

class QWidget;

// The real window over a program directory of its own, with the settings dialogs at hand.
class SettingsTestFixture : public WindowFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    TForm2 *CreateWindowWithSettings(const QByteArray &ini = {});

    QByteArray settingsFileContents() const;
    bool settingsFileExists() const;
    // The values of the key in the file, matched in any letter case; one per line holding it.
    QStringList settingsValues(const QByteArray &key) const;

    int printDialogCalls = 0;
};
