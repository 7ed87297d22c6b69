// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

// Replaces the file at path whole or not at all with what `write` writes to it as it goes (not
// first built in memory): an exception from `write` leaves the file as it was. Raises AppError
// naming the file and the system's reason when it cannot be written.
void saveFile(const QString &path, const std::function<void(QIODevice &)> &write);
