// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own Czech texts (standard buttons, the print and file dialogs): from the program's folder
// when it carries them, else from the system's Qt translations. The translator must outlive the
// application's use of it.
void installQtTranslation(QCoreApplication &application, QTranslator &translator);
