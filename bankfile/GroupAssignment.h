// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QList>
#include <QString>
#include <QStringList>

// A group the user chose for a category or for a whole input file.
struct GroupChoice
{
    QString name; // a category (its full path or its last part) or an input file (path or name)
    int group = 0;
};

// Choices written as "NAME=GROUP", GROUP 1 to 3. Raises ImportError for one that is not.
QList<GroupChoice> parseGroupChoices(const QStringList &entries);

// Gives each imported question without a group of its own (RecordOrigin::ownGroup) one: the group chosen for its category, else for its
// file; an unchosen category named "Skupina N" (as `export` names group N) takes group N
// when no choice names it, the other unchosen categories take the groups that no choice names
// in order of first appearance; questions without a category go to group 1. Raises ImportError listing the
// categories when they outnumber the free groups, and for a choice that names neither one of
// the input files nor a category of the questions.
void assignGroups(BankContent &content, const QList<GroupChoice> &choices, const QStringList &files);
