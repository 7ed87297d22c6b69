// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/ResultsSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The program's results settings (Test.ini, section Vysledky): whether attempts are recorded,
// the folder, and whether "Start testu" asks for a name.
class ResultsSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `defaultFolder`: where attempts go while the folder is left empty.
    ResultsSettingsDialog(const ResultsSettings &values, const QString &iniPath,
                          const QString &defaultFolder, QWidget *parent = nullptr);

    ResultsSettings values() const;

private:
    void chooseFolder();

    QCheckBox *m_keep;
    QLineEdit *m_folder;
    QCheckBox *m_askName;
};
