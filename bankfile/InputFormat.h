// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

enum class InputFormat { MoodleXml, Gift, Aiken, Csv, Unknown };

// The format an input's content shows, whatever the file is called. The content may start
// with a UTF-8 byte order mark.
InputFormat detectInputFormat(const QByteArray &content);
