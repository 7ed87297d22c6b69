// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/BankDocument.h"

#include "bankfile/BankImport.h"
#include "bankfile/FindingText.h"
#include "platform/core/AppError.h"
#include "teacher/AddQuestionCommand.h"
#include "teacher/CheckSummary.h"
#include "teacher/QuestionTableModel.h"
#include "teacher/RemoveQuestionsCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QUndoStack>
#include <algorithm>
#include <set>
#include <tuple>

namespace {

bool isTableFile(const QString &path)
{
    return path.endsWith(QLatin1String(".db"), Qt::CaseInsensitive);
}

// The check and the value warnings may both name one value; the row shows it once.
std::tuple<int, int, QString> findingPlace(const Finding &finding)
{
    return {static_cast<int>(finding.kind), finding.record, finding.field};
}

// How many texts the message names before it says how many more there are.
constexpr int NamedTexts = 10;

QString unstorableMessage(const QList<Finding> &unstorable)
{
    return findingLines(QStringLiteral("Banku nelze uložit: tyto texty obsahují znaky, které kódová stránka 1250 "
                                       "(čeština) neumí uložit. Opravte je a uložte znovu."),
                        unstorable, NamedTexts);
}

// An input of no question the program can take opens nothing: the open bank stays.
QString noQuestionsMessage(const QString &path, const QList<Finding> &findings)
{
    return findingLines(QStringLiteral("V souboru %1 není žádná otázka, kterou by program uměl převést.")
                            .arg(QDir::toNativeSeparators(path)),
                        findings, NamedTexts);
}

}

BankDocument::BankDocument(QObject *parent)
    : QObject(parent),
      m_undoStack(new QUndoStack(this)),
      m_model(new QuestionTableModel(m_undoStack, this))
{
    m_recheckSoon.setSingleShot(true);
    m_recheckSoon.setInterval(0);
    connect(&m_recheckSoon, &QTimer::timeout, this, [this] {
        recheck();
        emit checked();
    });
    connect(m_model, &QuestionTableModel::recordsChanged, this, &BankDocument::recordsChanged);
    // An edit changes values without naming roles; the marks of findings name theirs.
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &first, const QModelIndex &last, const QList<int> &roles) {
                if (roles.isEmpty())
                    findUnstorable(first.row(), last.row());
            });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        shiftUnstorable(first, last - first + 1);
        findUnstorable(first, last);
    });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        for (int row = first; row <= last; ++row)
            m_unstorable.remove(row);
        shiftUnstorable(last + 1, first - last - 1);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_unstorable.clear();
        findUnstorable(0, m_model->rowCount() - 1);
    });
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modificationChanged(!clean); });
    recheck();
}

BankDocument::~BankDocument() = default;

bool BankDocument::isModified() const
{
    return !m_undoStack->isClean();
}

void BankDocument::open(const QString &path, Progress &progress)
{
    const bool table = isTableFile(path);
    BankContent content = table ? readBank(path, progress) : importFiles({path}, {}, progress);
    if (table)
        requireBankFields(content);
    else if (content.records.isEmpty())
        throw AppError(noQuestionsMessage(path, content.findings));
    m_undoStack->clear();
    m_fileName = QFileInfo(path).absoluteFilePath();
    m_isBankTable = table;
    // A table's read findings stay with its records: the check shows them again and a save
    // refuses to write the records that did not read. An import's are its only record.
    m_importFindings = table ? QList<Finding>() : content.findings;
    m_model->setContent(std::move(content));
    recheck();
    emit opened();
    emit checked();
    emit modificationChanged(false);
}

WrittenBank BankDocument::saveBank(const QString &dbPath, Progress &progress)
{
    const QList<Finding> unstorable = unstorableTexts(m_model->content());
    if (!unstorable.isEmpty())
        throw AppError(unstorableMessage(unstorable));
    // The window turns while the bank is written: the questions are written as they stood when
    // the save began, and an edit made meanwhile stays unsaved.
    const BankContent snapshot = m_model->content();
    bool edited = false;
    const QMetaObject::Connection watch =
        connect(m_undoStack, &QUndoStack::indexChanged, this, [&edited] { edited = true; });
    const auto unwatch = qScopeGuard([watch] { disconnect(watch); });
    const WrittenBank written = writeBank(snapshot, dbPath, progress);
    m_fileName = written.path;
    m_isBankTable = true;
    // After an edit no state on the stack is the file's any more, not even the one opened.
    if (edited)
        m_undoStack->resetClean();
    else
        m_undoStack->setClean();
    emit opened();
    return written;
}

ExportResult BankDocument::exportTo(const QString &path, ExportFormat format, Progress &progress)
{
    ExportOptions options;
    options.format = format;
    const BankContent snapshot = m_model->content();
    return exportBankFile(snapshot, options, path, progress);
}

const BankCheck &BankDocument::check()
{
    if (m_stale)
        recheck();
    return m_check;
}

const QList<Finding> &BankDocument::findings()
{
    if (m_stale)
        recheck();
    return m_findings;
}

int BankDocument::addQuestion()
{
    const QList<BankRecord> &records = m_model->content().records;
    const auto highest = std::max_element(records.cbegin(), records.cend(),
                                          [](const BankRecord &a, const BankRecord &b) { return a.cis < b.cis; });
    BankRecord question;
    question.cis = highest == records.cend() ? 0 : highest->cis + 1;
    question.skupina = 1;
    const int row = static_cast<int>(records.size());
    m_undoStack->push(new AddQuestionCommand(m_model, row, question));
    return row;
}

void BankDocument::removeQuestions(const QList<int> &rows)
{
    if (!rows.isEmpty())
        m_undoStack->push(new RemoveQuestionsCommand(m_model, rows));
}

void BankDocument::recordsChanged()
{
    m_stale = true;
    m_recheckSoon.start();
}

void BankDocument::recheck()
{
    m_stale = false;
    const BankContent &content = m_model->content();
    m_check = checkBank(content);
    m_findings = m_check.findings;
    std::set<std::tuple<int, int, QString>> places;
    for (const Finding &finding : std::as_const(m_findings))
        places.insert(findingPlace(finding));
    for (const Finding &warning : valueWarnings(content)) {
        if (places.insert(findingPlace(warning)).second)
            m_findings.append(warning);
    }
    for (const QList<Finding> &unstorable : std::as_const(m_unstorable))
        m_findings += unstorable;
    m_model->setFindings(m_findings);
}

void BankDocument::findUnstorable(int first, int last)
{
    if (last < first)
        return;
    const BankContent &content = m_model->content();
    BankContent rows;
    rows.records = content.records.mid(first, last - first + 1);
    if (!content.origins.isEmpty())
        rows.origins = content.origins.mid(first, last - first + 1);
    for (int row = first; row <= last; ++row)
        m_unstorable.remove(row);
    for (Finding finding : unstorableTexts(rows)) {
        finding.record += first;
        m_unstorable[finding.record].append(finding);
    }
}

void BankDocument::shiftUnstorable(int from, int by)
{
    QMap<int, QList<Finding>> shifted;
    for (auto row = m_unstorable.cbegin(); row != m_unstorable.cend(); ++row) {
        QList<Finding> findings = row.value();
        if (row.key() >= from) {
            for (Finding &finding : findings)
                finding.record += by;
        }
        shifted.insert(row.key() >= from ? row.key() + by : row.key(), findings);
    }
    m_unstorable.swap(shifted);
}
