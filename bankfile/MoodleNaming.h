// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "bankfile/GroupAssignment.h"

#include <QList>
#include <QString>

// The category path Moodle files a record of group skupina under: "Skupina N", or the name a
// choice gives the group, in the course's top category.
QString moodleCategory(qint32 skupina, const QList<GroupChoice> &groupNames);

// The question's name in Moodle's bank: its Cis and the start of its text.
QString moodleName(const BankRecord &record);
