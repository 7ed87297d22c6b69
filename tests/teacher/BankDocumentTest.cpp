// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherFixture.h"

#include "BankBuilder.h"

#include "bankfile/BankFile.h"
#include "bankfile/BankImport.h"
#include "bankfile/ImportError.h"
#include "platform/core/AppError.h"
#include "teacher/BankDocument.h"
#include "teacher/QuestionTableModel.h"

#include <QFile>
#include <QUndoStack>

namespace {

using Column = QuestionTableModel::Column;

class BankDocumentTest : public TeacherFixture
{
protected:
    // Opens the CSV of csvBank(count), with CspravOdp 5 in row 2 and no answer B in row 4.
    void openFaultyBank(int count = 9)
    {
        QByteArray csv = csvBank(count);
        csv.replace("Komentář 2,2", "Komentář 2,5");
        csv.replace("Odpověď B 4,", ",");
        document.open(writeFile(QStringLiteral("otazky.csv"), csv), noProgress());
    }

    QuestionTableModel &model() { return *document.model(); }
    QList<FindingKind> kindsOf(int row)
    {
        document.findings();
        QList<FindingKind> kinds;
        for (const Finding &finding : model().findingsOf(row))
            kinds.append(finding.kind);
        return kinds;
    }

    BankDocument document;
};

struct Cancelling : Progress
{
    bool cancelled() const override { return true; }
};

TEST_F(BankDocumentTest, MarksEachFindingOnTheCellItIsAbout)
{
    openFaultyBank();
    EXPECT_EQ(model().rowCount(), 9);
    EXPECT_EQ(kindsOf(2), QList<FindingKind>{FindingKind::AnswerOutOfRange});
    EXPECT_EQ(kindsOf(4), QList<FindingKind>{FindingKind::EmptyText});
    EXPECT_TRUE(kindsOf(3).isEmpty());
    EXPECT_TRUE(model().index(2, Column::CspravOdp).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model().index(2, Column::Dotaz).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model().index(4, Column::Odp2).data(Qt::ToolTipRole).toString().contains(QLatin1String("Odp2")));
    EXPECT_FALSE(document.isModified());
}

TEST_F(BankDocumentTest, FindingsFollowAnEditItsUndoAndItsRedo)
{
    openFaultyBank();
    ASSERT_TRUE(model().setData(model().index(2, Column::CspravOdp), QStringLiteral("b")));
    EXPECT_EQ(model().record(2).cspravOdp, 1);
    EXPECT_TRUE(kindsOf(2).isEmpty());
    EXPECT_TRUE(document.isModified());

    document.undoStack()->undo();
    EXPECT_EQ(model().record(2).cspravOdp, 5);
    EXPECT_EQ(kindsOf(2), QList<FindingKind>{FindingKind::AnswerOutOfRange});
    EXPECT_FALSE(document.isModified());

    document.undoStack()->redo();
    EXPECT_TRUE(kindsOf(2).isEmpty());
    EXPECT_FALSE(model().setData(model().index(3, Column::CspravOdp), QStringLiteral("D")));
    EXPECT_EQ(document.undoStack()->count(), 1);
}

TEST_F(BankDocumentTest, AnUnstorableTextIsMarkedWhereverItsRowMoves)
{
    openFaultyBank();
    const auto unstorableRows = [this] {
        QList<int> rows;
        for (const Finding &finding : document.findings()) {
            if (finding.kind == FindingKind::UnstorableCharacter)
                rows.append(finding.record);
        }
        return rows;
    };
    model().setData(model().index(6, Column::Komentar), QStringLiteral("漢字"));
    EXPECT_EQ(unstorableRows(), QList<int>{6});
    document.removeQuestions({0, 1});
    EXPECT_EQ(unstorableRows(), QList<int>{4});
    document.undoStack()->undo();
    document.addQuestion();
    document.removeQuestions({3});
    EXPECT_EQ(unstorableRows(), QList<int>{5});
    for (int i = 0; i < 3; ++i)
        document.undoStack()->undo();
    EXPECT_TRUE(unstorableRows().isEmpty());
}

TEST_F(BankDocumentTest, AddingAndDeletingAreUndoneToTheSameBank)
{
    openFaultyBank();
    const BankContent before = model().content();
    const int added = document.addQuestion();
    EXPECT_EQ(added, 9);
    EXPECT_EQ(model().record(added).cis, 9);
    EXPECT_TRUE(kindsOf(added).contains(FindingKind::EmptyText));

    document.removeQuestions({0, 5, 4, added});
    EXPECT_EQ(model().rowCount(), 6);
    EXPECT_EQ(model().record(4).cis, 7);
    document.undoStack()->undo();
    document.undoStack()->undo();
    EXPECT_EQ(model().content().records, before.records);
    EXPECT_EQ(model().content().origins.size(), before.records.size());
    document.undoStack()->redo();
    document.undoStack()->redo();
    EXPECT_EQ(model().rowCount(), 6);
}

// A record that did not read keeps its mark through deletions and their undo, so a save never
// writes it as an empty question; deleting it lets the bank be saved.
TEST_F(BankDocumentTest, ARecordThatDidNotReadIsNeverSavedWhereverItsRowMoves)
{
    QList<BankRecord> records = makeBankRecords(2, 2, 2);
    records[3].dotaz = QStringLiteral("Dlouhá otázka v souboru poznámek. ").repeated(20);
    const QString bank = writeFile(QStringLiteral("test.db"), {});
    writeBank(bank, records);
    QFile memo(QString(bank).replace(QStringLiteral(".db"), QStringLiteral(".mb")));
    ASSERT_TRUE(memo.open(QIODevice::ReadWrite) && memo.size() > 4096);
    memo.seek(4096);
    memo.write("\x09", 1); // the value's block is of no known type
    memo.close();
    document.open(bank, noProgress());
    const QString copy = writeFile(QStringLiteral("kopie.db"), {});

    document.removeQuestions({0, 3});
    document.undoStack()->undo();
    document.removeQuestions({1});
    EXPECT_THROW(document.saveBank(copy, noProgress()), AppError);
    document.removeQuestions({2});
    EXPECT_EQ(document.saveBank(copy, noProgress()).path, copy);
    EXPECT_EQ(readBank(copy).records.size(), 4);
}

TEST_F(BankDocumentTest, SavesWhereTheProgramReadsAndKeepsTheEarlierBank)
{
    openFaultyBank();
    model().setData(model().index(2, Column::CspravOdp), QStringLiteral("C"));
    const QString target = programBankPath();
    EXPECT_TRUE(document.saveBank(target, noProgress()).backup.isEmpty());
    EXPECT_EQ(readBank(target).records, model().content().records);
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.isBankTable());
    EXPECT_EQ(document.fileName(), target);

    document.removeQuestions({0});
    const WrittenBank again = document.saveBank(target, noProgress());
    EXPECT_TRUE(QFile::exists(again.backup));
    EXPECT_EQ(readBank(again.backup).records.size(), 9);
    EXPECT_EQ(readBank(target).records.size(), 8);
}

// Undoes an edit at the first step of a write, as a shortcut taken while the window paints would.
struct UndoingProgress : Progress
{
    QUndoStack *stack;
    explicit UndoingProgress(QUndoStack *undoStack) : stack(undoStack) {}
    void step(qint64, qint64) override { stack->undo(); }
};

TEST_F(BankDocumentTest, AnEditDuringASaveIsNotWrittenAndStaysUnsaved)
{
    openFaultyBank();
    document.addQuestion();
    UndoingProgress undoing(document.undoStack());
    document.saveBank(programBankPath(), undoing);
    EXPECT_EQ(readBank(programBankPath()).records.size(), 10);
    EXPECT_EQ(model().rowCount(), 9);
    EXPECT_TRUE(document.isModified());
}

TEST_F(BankDocumentTest, AFailedSaveLosesNothing)
{
    openFaultyBank();
    model().setData(model().index(3, Column::Dotaz), QStringLiteral("Co je 漢?"));
    const QString blocked = writeFile(QStringLiteral("soubor"), "není složka") + QStringLiteral("/test.db");
    EXPECT_THROW(document.saveBank(programBankPath(), noProgress()), AppError);
    EXPECT_FALSE(QFile::exists(programDir() + QStringLiteral("test.db")));

    model().setData(model().index(3, Column::Dotaz), QStringLiteral("Co je to?"));
    EXPECT_THROW(document.saveBank(blocked, noProgress()), AppError);
    Cancelling cancelling;
    EXPECT_THROW(document.saveBank(programBankPath(), cancelling), OperationCancelled);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(model().record(3).dotaz, QStringLiteral("Co je to?"));
    EXPECT_FALSE(document.isBankTable());
}

TEST_F(BankDocumentTest, BadInputLeavesTheOpenBankAsItWas)
{
    openFaultyBank();
    const QString opened = document.fileName();
    const struct
    {
        const char *name;
        QByteArray bytes;
    } inputs[] = {
        {"poskozena.db", QByteArray("\x05\x00\x00\x08", 4) + QByteArray(200, 'x')},
        {"cizi.xml", "<?xml version=\"1.0\"?><kniha><kapitola/></kniha>"},
        {"binarni.csv", QByteArray("Cis,Skupina\n0,\0", 15)},
        {"bez-otazek.txt", "Jen poznámka, žádná otázka.\n"},
    };
    for (const auto &input : inputs) {
        SCOPED_TRACE(input.name);
        const QString path = writeFile(QString::fromLatin1(input.name), input.bytes);
        bool refused = false;
        try {
            document.open(path, noProgress());
        } catch (const AppError &) {
            refused = true;
        } catch (const ImportError &) {
            refused = true;
        }
        EXPECT_TRUE(refused);
        EXPECT_EQ(model().rowCount(), 9);
        EXPECT_EQ(document.fileName(), opened);
    }
    Cancelling cancelling;
    EXPECT_THROW(document.open(writeFile(QStringLiteral("dalsi.csv"), csvBank(3)), cancelling), OperationCancelled);
    EXPECT_EQ(model().rowCount(), 9);
}

TEST_F(BankDocumentTest, ExportsEveryFormatThatBuildReadsBack)
{
    document.open(writeFile(QStringLiteral("otazky.csv"), csvBank(6)), noProgress());
    for (const auto &[name, format] : {std::pair{"banka.xml", ExportFormat::MoodleXml},
                                      {"banka.gift", ExportFormat::Gift}, {"banka.csv", ExportFormat::Csv}}) {
        SCOPED_TRACE(name);
        const QString path = writeFile(QString::fromLatin1(name), {});
        EXPECT_EQ(document.exportTo(path, format, noProgress()).exported, 6);
        const BankContent back = importFiles({path});
        ASSERT_EQ(back.records.size(), 6);
        EXPECT_EQ(back.records.at(5).dotaz, model().record(5).dotaz);
        EXPECT_EQ(back.records.at(5).cspravOdp, model().record(5).cspravOdp);
    }
}

}
