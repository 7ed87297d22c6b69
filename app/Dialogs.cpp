// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Dialogs.h"

#include "app/Unit2.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

void ensureDialogs(QWidget *owner)
{
    if (!FrmKonfig)
        FrmKonfig = new TFrmKonfig(owner);
    if (!FrmHesloT)
        FrmHesloT = new TFrmHesloT(owner);
}
