// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/QuestionDelegate.h"

#include "teacher/QuestionTableModel.h"

#include <QPlainTextEdit>

namespace {

bool isTextColumn(int column)
{
    return column >= QuestionTableModel::Dotaz && column <= QuestionTableModel::Odp3
           || column == QuestionTableModel::Komentar;
}

constexpr int EditorLines = 5;

}

QWidget *QuestionDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    if (!isTextColumn(index.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new QPlainTextEdit(parent);
    editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    editor->setTabChangesFocus(true);
    return editor;
}

void QuestionDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(editor))
        text->setPlainText(index.data(Qt::EditRole).toString());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void QuestionDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(editor))
        model->setData(index, text->toPlainText());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void QuestionDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    QRect area = option.rect;
    if (isTextColumn(index.column()))
        area.setHeight(std::max(area.height(), editor->fontMetrics().lineSpacing() * EditorLines + 8));
    editor->setGeometry(area);
}
