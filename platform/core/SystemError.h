// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDevice>
#include <QString>

// Why the system refused a file operation, in the user's words: Qt's and the C library's own
// texts are English.
namespace SystemError {

// The reason for an errno value, e.g. "na disku není místo".
QString text(int errorNumber);
// The reason for a failed QFile operation: errno when the call left one that says more
// (`errorNumber`, taken right after the failure), else Qt's kind of failure.
QString text(QFileDevice::FileError error, int errorNumber);

}
