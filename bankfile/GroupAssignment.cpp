// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/GroupAssignment.h"

#include "bank/BankRules.h"
#include "bankfile/CzechCount.h"
#include "bankfile/ImportError.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool namesCategory(const QString &name, const QString &category)
{
    return !category.isEmpty() && (name == category || name == category.section(QLatin1Char('/'), -1));
}

bool namesFile(const QString &name, const QString &file)
{
    const QFileInfo named(name);
    const QFileInfo input(file);
    return name == input.fileName() || named.absoluteFilePath() == input.absoluteFilePath();
}

// The group a category named "Skupina N" (as the bank tool exports group N) asks for; 0 for others.
int namedGroup(const QString &category)
{
    static const QRegularExpression named(QStringLiteral(R"(^Skupina ([1-3])$)"));
    const QRegularExpressionMatch match = named.match(category.section(QLatin1Char('/'), -1).trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The free groups given to the categories in order: first each "Skupina N" its own N while it is
// free, then the rest the free groups left, in order. There are no more categories than free groups.
QList<int> unchosenGroups(const QStringList &categories, QList<int> free)
{
    QList<int> groups(categories.size(), 0);
    for (qsizetype i = 0; i < categories.size(); ++i) {
        if (free.removeOne(namedGroup(categories[i])))
            groups[i] = namedGroup(categories[i]);
    }
    for (int &group : groups) {
        if (group == 0)
            group = free.takeFirst();
    }
    return groups;
}

// A message names the first few of many categories and counts the rest.
QString namedFew(const QStringList &names)
{
    constexpr qsizetype Named = 5;
    const QString first = QStringLiteral("„%1“").arg(names.mid(0, Named).join(QStringLiteral("“, „")));
    if (names.size() <= Named)
        return first;
    return QStringLiteral("%1 a %2").arg(first, czechCount(names.size() - Named, {"další", "další", "dalších"}));
}

class GroupAssigner
{
public:
    GroupAssigner(const QList<GroupChoice> &choices, const QStringList &files)
        : m_choices(choices), m_used(choices.size(), false)
    {
        for (qsizetype i = 0; i < choices.size(); ++i) {
            for (const QString &file : files)
                m_used[i] = m_used[i] || namesFile(choices[i].name, file);
        }
    }

    void assign(BankContent &content)
    {
        QList<int> chosen;
        QStringList unchosen;
        for (const RecordOrigin &origin : std::as_const(content.origins)) {
            chosen.append(chosenGroup(origin));
            if (chosen.last() == 0 && !origin.ownGroup && !origin.category.isEmpty()
                && !unchosen.contains(origin.category))
                unchosen.append(origin.category);
        }
        checkChoicesUsed();
        const QList<int> free = freeGroups();
        if (unchosen.size() > free.size())
            throw ImportError(QString(), 0,
                              QStringLiteral("Kategorií bez zvolené skupiny je %1, volné skupiny jsou %2: %3")
                                  .arg(unchosen.size())
                                  .arg(free.size())
                                  .arg(namedFew(unchosen)));
        const QList<int> groups = unchosenGroups(unchosen, free);
        for (qsizetype i = 0; i < content.records.size(); ++i) {
            RecordOrigin &origin = content.origins[i];
            qint32 &group = content.records[i].skupina;
            if (chosen[i] != 0)
                group = chosen[i];
            else if (!origin.ownGroup)
                group = origin.category.isEmpty() ? 1 : groups[unchosen.indexOf(origin.category)];
        }
    }

private:
    // A category's choice wins over its file's; a CSV row keeps its group unless its file is chosen.
    int chosenGroup(const RecordOrigin &origin)
    {
        int group = 0;
        for (qsizetype i = 0; i < m_choices.size(); ++i) {
            if (!origin.ownGroup && namesCategory(m_choices[i].name, origin.category)) {
                m_used[i] = true;
                group = m_choices[i].group;
            }
        }
        for (qsizetype i = 0; i < m_choices.size() && group == 0; ++i) {
            if (namesFile(m_choices[i].name, origin.file))
                group = m_choices[i].group;
        }
        return group;
    }

    void checkChoicesUsed() const
    {
        for (qsizetype i = 0; i < m_choices.size(); ++i) {
            if (!m_used[i])
                throw ImportError(QString(), 0,
                                  QStringLiteral("Skupina pro „%1“: žádný vstupní soubor ani kategorie převáděných "
                                                 "otázek se tak nejmenuje")
                                      .arg(m_choices[i].name));
        }
    }

    QList<int> freeGroups() const
    {
        QList<int> free;
        for (int group = 1; group <= BankRules::GroupCount; ++group) {
            const bool taken = std::any_of(m_choices.cbegin(), m_choices.cend(),
                                           [group](const GroupChoice &choice) { return choice.group == group; });
            if (!taken)
                free.append(group);
        }
        return free;
    }

    const QList<GroupChoice> &m_choices;
    QList<bool> m_used;
};

}

QList<GroupChoice> parseGroupChoices(const QStringList &entries)
{
    static const QRegularExpression entry(QStringLiteral(R"(^(.+)=\s*([1-3])\s*$)"));
    QList<GroupChoice> choices;
    for (const QString &text : entries) {
        const QRegularExpressionMatch match = entry.match(text);
        if (!match.hasMatch() || match.captured(1).trimmed().isEmpty())
            throw ImportError(QString(), 0,
                              QStringLiteral("Skupina „%1“ má tvar JMÉNO=SKUPINA se skupinou 1 až 3").arg(text));
        choices.append({match.captured(1).trimmed(), match.captured(2).toInt()});
    }
    return choices;
}

void assignGroups(BankContent &content, const QList<GroupChoice> &choices, const QStringList &files)
{
    GroupAssigner(choices, files).assign(content);
}
