// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Groups from Moodle categories and from the user's choices, over several input files.
#include "QStringPrinter.h"
#include "bankfile/BankImport.h"
#include "bankfile/ImportError.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString data(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/bankfile/data/") + QString::fromUtf8(name);
}

// Each imported question as "group name".
QStringList groupsOf(const BankContent &content)
{
    QStringList groups;
    for (qsizetype i = 0; i < content.records.size(); ++i)
        groups.append(QStringLiteral("%1 %2").arg(content.records[i].skupina).arg(content.origins[i].name));
    return groups;
}

BankContent importQuestions(const QStringList &paths, const QList<GroupChoice> &choices)
{
    return importFiles(paths, {choices});
}

QString importFailure(const QStringList &paths, const QStringList &choices)
{
    try {
        importQuestions(paths, parseGroupChoices(choices));
    } catch (const ImportError &error) {
        return error.message();
    }
    return QString();
}

TEST(ImportGroups, CategoriesTakeGroupsInOrderOfFirstAppearance)
{
    const BankContent result = importQuestions({data("biologie"), data("export.xml")}, {});
    EXPECT_EQ(groupsOf(result), (QStringList{QStringLiteral("1 Kolik nohou má pavouk?"), QStringLiteral("1 Hlavní město"),
                                             QStringLiteral("1 Řeky"), QStringLiteral("2 Rok")}));
    EXPECT_EQ(result.findings.size(), 8);
}

TEST(ImportGroups, MoreThanThreeCategoriesWithoutChoiceAreListed)
{
    const QString message = importFailure({data("export.xml"), data("fyzika.txt")}, {});
    EXPECT_EQ(message, QStringLiteral("Kategorií bez zvolené skupiny je 4, volné skupiny jsou 3: „$course$/top/Zeměpis“, "
                                      "„$course$/top/Dějepis“, „$course$/top/Fyzika“, „$course$/top/Chemie“"));
}

TEST(ImportGroups, ChoicesForFilesAndCategoriesLeaveTheOtherGroupsToTheRest)
{
    // A category's choice wins over its file's; the unchosen Fyzika takes the one group left.
    const BankContent result = importQuestions({data("fyzika.txt"), data("export.xml"), data("biologie")},
                                                parseGroupChoices({QStringLiteral("export.xml=1"),
                                                                   QStringLiteral("Chemie = 2"),
                                                                   QStringLiteral("$course$/top/Dějepis=2")}));
    EXPECT_EQ(groupsOf(result),
              (QStringList{QStringLiteral("3 Jednotka síly"), QStringLiteral("3 Dráha"),
                             QStringLiteral("3 Který znak zapisuje vlnovku (viz http://…"),
                             QStringLiteral("3 Voda vře při _____ stupních Celsia."), QStringLiteral("2 Sodík"),
                             QStringLiteral("1 Hlavní město"), QStringLiteral("1 Řeky"), QStringLiteral("2 Rok"),
                             QStringLiteral("1 Kolik nohou má pavouk?")}));
}

TEST(ImportGroups, TooFewFreeGroupsForTheUnchosenCategories)
{
    const QString message = importFailure({data("export.xml"), data("fyzika.txt")},
                                          {QStringLiteral("$course$/top/Chemie=1"), QStringLiteral("Fyzika=2")});
    EXPECT_EQ(message, QStringLiteral("Kategorií bez zvolené skupiny je 2, volné skupiny jsou 1: „$course$/top/Zeměpis“, "
                                      "„$course$/top/Dějepis“"));
}

// A GIFT file of one question in each category, in order.
QString giftWithCategories(QTemporaryDir &directory, const QStringList &categories)
{
    QFile file(directory.filePath(QStringLiteral("kategorie.gift")));
    file.open(QIODevice::WriteOnly);
    for (const QString &category : categories)
        file.write(QStringLiteral("$CATEGORY: %1\n\n::%1::Otázka?{=a ~b ~c}\n\n").arg(category).toUtf8());
    return file.fileName();
}

TEST(ImportGroups, ManyCategoriesAreCountedAndOnlyTheFirstNamed)
{
    QTemporaryDir directory;
    QStringList categories;
    for (int i = 1; i <= 8; ++i)
        categories.append(QStringLiteral("k%1").arg(i));
    EXPECT_EQ(importFailure({giftWithCategories(directory, categories)}, {}),
              QStringLiteral("Kategorií bez zvolené skupiny je 8, volné skupiny jsou 3: „k1“, „k2“, „k3“, „k4“, „k5“ "
                             "a 3 další"));
}

// A category named as the bank tool exports group N comes back as group N.
TEST(ImportGroups, ExportedGroupCategoriesKeepTheirGroup)
{
    QTemporaryDir directory;
    const QString gift = giftWithCategories(directory, {QStringLiteral("$course$/top/Skupina 3"),
                                                        QStringLiteral("$course$/top/Skupina 7"),
                                                        QStringLiteral("Skupina 2")});
    EXPECT_EQ(groupsOf(importQuestions({gift}, {})),
              (QStringList{QStringLiteral("3 $course$/top/Skupina 3"), QStringLiteral("1 $course$/top/Skupina 7"),
                           QStringLiteral("2 Skupina 2")}));
    EXPECT_EQ(groupsOf(importQuestions({gift}, parseGroupChoices({QStringLiteral("Skupina 7=3")}))),
              (QStringList{QStringLiteral("1 $course$/top/Skupina 3"), QStringLiteral("3 $course$/top/Skupina 7"),
                           QStringLiteral("2 Skupina 2")}));
}

TEST(ImportGroups, ChoiceThatNamesNothingIsAnError)
{
    const QString message = importFailure({data("biologie")}, {QStringLiteral("Zemepis=2")});
    EXPECT_TRUE(message.startsWith(QStringLiteral("Skupina pro „Zemepis“:"))) << message.toStdString();
}

TEST(ImportGroups, ChoicesMustNameAGroupFromOneToThree)
{
    for (const char *entry : {"Zeměpis=4", "Zeměpis=0", "Zeměpis", "=2", "Zeměpis=x"}) {
        try {
            parseGroupChoices({QString::fromUtf8(entry)});
            ADD_FAILURE() << entry << " accepted";
        } catch (const ImportError &error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("JMÉNO=SKUPINA"))) << error.message().toStdString();
        }
    }
    const QList<GroupChoice> choices = parseGroupChoices({QStringLiteral("a=b = 3")});
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0].name, QStringLiteral("a=b"));
    EXPECT_EQ(choices[0].group, 3);
}

TEST(ImportGroups, CsvRowsKeepTheirGroupsUnlessTheirFileIsChosen)
{
    QTemporaryDir directory;
    const QString csv = directory.filePath(QStringLiteral("banka.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n3,Tři,a,b,c,,0\n0,Nikdy,a,b,c,,0\n");
    file.close();
    const BankContent kept = importQuestions({csv, data("biologie")}, {});
    EXPECT_EQ(groupsOf(kept), (QStringList{QStringLiteral("3 "), QStringLiteral("0 "),
                                           QStringLiteral("1 Kolik nohou má pavouk?")}));
    const BankContent chosen = importQuestions({csv}, parseGroupChoices({QStringLiteral("banka.csv=2")}));
    EXPECT_EQ(groupsOf(chosen), (QStringList{QStringLiteral("2 "), QStringLiteral("2 ")}));
}

}
