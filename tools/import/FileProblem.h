// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read or written, in Czech; the system's own texts are English.
QString readProblem(const QString &path);
QString writeProblem(const QFileDevice &file, const QString &path);
