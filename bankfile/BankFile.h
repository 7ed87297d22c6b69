// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"
#include "bankfile/Progress.h"

#include <QList>
#include <QString>

// A bank's table (test.db and its memo file) read whole and written whole.

// Every record of the table at dbPath, in table order, with the fields it lacks and the records
// whose values do not read as findings (source Check). Raises AppError (TableError) when the
// file is no readable Paradox table, OperationCancelled when progress asks (steps: records).
BankContent readBank(const QString &dbPath, Progress &progress = noProgress());

// Raises AppError "Tabulka … není banka otázek, chybí pole: …" when the content read from a
// table lacks a field of the bank.
void requireBankFields(const BankContent &content);

// The texts that code page 1250, the bank's, cannot store: one finding (UnstorableCharacter,
// source Build) per text, naming its first such character. Nothing else may be written then.
QList<Finding> unstorableTexts(const BankContent &content);

// Where the program installed beside this executable reads this user's bank: its folder when
// the user may write there, else the user's data folder, created here. Raises AppError when that
// folder cannot be made.
QString programBankPath();

// What a write left where.
struct WrittenBank
{
    QString path;   // the table written, absolute
    QString backup; // the earlier bank kept beside it (its .db, or its .mb alone); empty for none
};

// Whether writeBank keeps the bank it replaces.
enum class Backup { Keep, Skip };

// Writes the records as the bank's table at dbPath and its memo file beside it, as the program
// reads it: a failure or a kill at any moment leaves the old bank or the new one whole; a link
// is followed; a second writer to the same folder is refused. A bank already there (or its
// memo file alone) is kept beside it as NAME-zaloha.db (NAME-zaloha-2.db, …) once the new one
// is in place, unless backup says Skip. Raises AppError naming the file and the system's reason, OperationCancelled
// (before anything is written) when progress asks (steps: records). The texts must be storable
// (see unstorableTexts).
WrittenBank writeBank(const BankContent &content, const QString &dbPath, Progress &progress = noProgress(),
                      Backup backup = Backup::Keep);

// The same, giving up each record's texts and origin once it is encoded, so that a large bank is
// not held twice; the content keeps its findings.
WrittenBank writeBank(BankContent &&content, const QString &dbPath, Progress &progress = noProgress(),
                      Backup backup = Backup::Keep);
