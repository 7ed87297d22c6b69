// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/QuestionTableModel.h"

#include "bank/BankTable.h"
#include "bankfile/FindingText.h"
#include "teacher/ColumnTableModel.h"
#include "teacher/EditQuestionCommand.h"

#include <QApplication>
#include <QBrush>
#include <QStyle>
#include <QUndoStack>

namespace {

const QString Headers[] = {QStringLiteral("Cis"), QStringLiteral("Skupina"), QStringLiteral("Otázka"),
                           QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                           QStringLiteral("Správná"), QStringLiteral("Komentář")};
const QColor BlockingColour(255, 205, 205);
const QColor WarningColour(255, 240, 190);
constexpr int ManyRows = 1000;

bool isNumberColumn(int column)
{
    return column == QuestionTableModel::Cis || column == QuestionTableModel::Skupina
           || column == QuestionTableModel::CspravOdp;
}

// A text on one line of the table; the preview and the editor show its line breaks.
QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QStringLiteral(" ↵ "));
    return line;
}

}

QString answerName(qint32 cspravOdp)
{
    return cspravOdp >= 0 && cspravOdp <= 2 ? QString(QChar(u'A' + cspravOdp)) : QString::number(cspravOdp);
}

std::optional<qint32> answerFromText(const QString &text)
{
    const QString answer = text.trimmed().toUpper();
    if (answer.size() == 1 && answer.at(0) >= QLatin1Char('A') && answer.at(0) <= QLatin1Char('C'))
        return answer.at(0).unicode() - u'A';
    bool ok = false;
    const int number = answer.toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

QuestionTableModel::QuestionTableModel(QUndoStack *undoStack, QObject *parent)
    : QAbstractTableModel(parent),
      m_undoStack(undoStack),
      m_findingIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
{
}

QString QuestionTableModel::fieldOf(int column)
{
    static const QString Fields[] = {BankTable::Cis, BankTable::Skupina, BankTable::Dotaz, BankTable::Odp1,
                                     BankTable::Odp2, BankTable::Odp3, BankTable::CspravOdp, BankTable::Komentar};
    return column >= 0 && column < ColumnCount ? Fields[column] : QString();
}

int QuestionTableModel::columnOf(const QString &field)
{
    for (int column = 0; column < ColumnCount; ++column) {
        if (fieldOf(column).compare(field, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}

void QuestionTableModel::setContent(BankContent content)
{
    beginResetModel();
    m_content = std::move(content);
    m_findings.clear();
    endResetModel();
}

QVariant QuestionTableModel::value(int row, int column) const
{
    const BankRecord &record = m_content.records.at(row);
    switch (column) {
    case Cis: return record.cis;
    case Skupina: return record.skupina;
    case CspravOdp: return record.cspravOdp;
    case Dotaz: return record.dotaz;
    case Komentar: return record.komentar;
    default: return record.answer(column - Odp1);
    }
}

void QuestionTableModel::setValue(int row, int column, const QVariant &value)
{
    BankRecord &record = m_content.records[row];
    switch (column) {
    case Cis: record.cis = value.toInt(); break;
    case Skupina: record.skupina = value.toInt(); break;
    case CspravOdp: record.cspravOdp = value.toInt(); break;
    case Dotaz: record.dotaz = value.toString(); break;
    case Komentar: record.komentar = value.toString(); break;
    default: record.answer(column - Odp1) = value.toString(); break;
    }
    emit dataChanged(index(row, column), index(row, column));
    emit recordsChanged();
}

void QuestionTableModel::insertRecords(int row, const QList<BankRecord> &records, const QList<RecordOrigin> &origins,
                                       const QList<Finding> &readFindings)
{
    const int count = static_cast<int>(records.size());
    for (Finding &finding : m_content.findings) {
        if (finding.record >= row)
            finding.record += count;
    }
    for (Finding finding : readFindings) {
        finding.record += row;
        m_content.findings.append(finding);
    }
    beginInsertRows({}, row, row + static_cast<int>(records.size()) - 1);
    // Room made once and filled, so a long run costs one move of the rows after it.
    m_content.records.insert(row, records.size(), BankRecord{});
    std::copy(records.cbegin(), records.cend(), m_content.records.begin() + row);
    // Imported content keeps an origin for each record; a bank read from its table has none.
    if (!m_content.origins.isEmpty()) {
        m_content.origins.insert(row, records.size(), RecordOrigin{});
        for (qsizetype i = 0; i < records.size(); ++i)
            m_content.origins[row + i] = origins.value(i);
    }
    endInsertRows();
    emit recordsChanged();
}

QList<Finding> QuestionTableModel::removeRecords(int row, int count)
{
    QList<Finding> removed;
    QList<Finding> kept;
    for (Finding finding : std::as_const(m_content.findings)) {
        if (finding.record >= row && finding.record < row + count) {
            finding.record -= row;
            removed.append(finding);
            continue;
        }
        if (finding.record >= row + count)
            finding.record -= count;
        kept.append(finding);
    }
    m_content.findings.swap(kept);
    beginRemoveRows({}, row, row + count - 1);
    m_content.records.remove(row, count);
    if (!m_content.origins.isEmpty())
        m_content.origins.remove(row, count);
    endRemoveRows();
    emit recordsChanged();
    return removed;
}

void QuestionTableModel::setFindings(const QList<Finding> &findings)
{
    QHash<int, QList<Finding>> byRow;
    for (const Finding &finding : findings) {
        if (finding.record >= 0 && finding.record < m_content.records.size())
            byRow[finding.record].append(finding);
    }
    m_findings.swap(byRow);
    const QList<int> roles{Qt::DecorationRole, Qt::ToolTipRole, Qt::BackgroundRole, Qt::AccessibleDescriptionRole};
    // The rows whose marks change, one by one while they are few; else all in one signal.
    const QList<int> touched = byRow.keys() + m_findings.keys();
    if (touched.size() > ManyRows) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), roles);
        return;
    }
    for (int row : touched)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1), roles);
}

int QuestionTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_content.records.size());
}

int QuestionTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionTableModel::displayed(int row, int column) const
{
    if (column == CspravOdp)
        return answerName(record(row).cspravOdp);
    const QVariant stored = value(row, column);
    return isNumberColumn(column) ? stored : QVariant(oneLine(stored.toString()));
}

QVariant QuestionTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_content.records.size())
        return {};
    const int row = index.row();
    const int column = index.column();
    bool blocking = false;
    switch (role) {
    case Qt::DisplayRole:
        return displayed(row, column);
    case Qt::EditRole:
        return column == CspravOdp ? QVariant(answerName(record(row).cspravOdp)) : value(row, column);
    case SortRole:
        return column == CspravOdp ? QVariant(record(row).cspravOdp) : value(row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(isNumberColumn(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
        return column == Cis && m_findings.contains(row) ? QVariant(m_findingIcon) : QVariant();
    case Qt::BackgroundRole:
        return hasFinding(row, column, &blocking) ? QVariant(QBrush(blocking ? BlockingColour : WarningColour))
                                                  : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString text = findingsText(row, column);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    default:
        return {};
    }
}

bool QuestionTableModel::hasFinding(int row, int column, bool *blocking) const
{
    bool found = false;
    for (const Finding &finding : m_findings.value(row)) {
        const int findingColumn = finding.field.isEmpty() ? Cis : columnOf(finding.field);
        if (findingColumn == column) {
            found = true;
            *blocking = *blocking || findingEffect(finding) == FindingEffect::Blocks;
        }
    }
    return found;
}

// The first column speaks for the whole record; the others for their own field.
QString QuestionTableModel::findingsText(int row, int column) const
{
    QStringList texts;
    for (const Finding &finding : m_findings.value(row)) {
        if (column == Cis || columnOf(finding.field) == column)
            texts.append(findingText(finding));
    }
    return texts.join(QLatin1Char('\n'));
}

bool QuestionTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = index.row();
    const int column = index.column();
    QVariant stored = value;
    if (column == CspravOdp) {
        const std::optional<qint32> answer = answerFromText(value.toString());
        if (!answer)
            return false;
        stored = *answer;
    } else if (isNumberColumn(column)) {
        bool ok = false;
        stored = value.toString().trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    if (stored == this->value(row, column))
        return false;
    if (m_undoStack)
        m_undoStack->push(new EditQuestionCommand(this, row, column, this->value(row, column), stored));
    else
        setValue(row, column, stored);
    return true;
}

Qt::ItemFlags QuestionTableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return Headers[section];
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section < ColumnCount)
        return QStringLiteral("Pole %1").arg(fieldOf(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}
