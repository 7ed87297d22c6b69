#pragma once

#include "QuestionRecord.h"

#include <QList>
#include <QString>

// Raises AppError for the first text the bank's code page 1250 cannot store, naming its file,
// line and field, the character and its position in the text.
void CheckCodePage(const QList<QuestionRecord> &records);

// Writes the questions as a bank table at dbPath (and its memo file beside it), each file
// replaced whole or not at all. Raises AppError when a file cannot be written.
void WriteBankTable(const QList<QuestionRecord> &records, const QString &dbPath);

// `build`: the bank from a CSV file, after every check has passed. A bank already at dbPath is
// first copied beside it as a backup. Returns what the user is told.
QString ImportBank(const QString &csvPath, const QString &dbPath);
