// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two printouts of the current test; each shows the print dialog first and prints
// nothing when it is cancelled. Printer failures raise AppError.
void PrintTest();
void PrintKey();
