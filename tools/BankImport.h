#pragma once

#include <QString>

// `testbank build`: a question bank table from a UTF-8 CSV whose header names the bank's
// fields in any order and letter case. Raises AppError naming the line of the first bad row;
// nothing is written then.
void ImportBank(const QString &csvPath, const QString &dbPath);
