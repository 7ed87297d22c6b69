// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;

// Asks who takes the test before it starts. Enter confirms, Escape cancels; an empty name is
// refused with the beep and the dialog stays.
class NameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NameDialog(QWidget *parent = nullptr);
    QString name() const;
    void accept() override;

private:
    QLineEdit *m_edit = nullptr;
};

// The name entered, or nothing when the start was cancelled.
std::optional<QString> askName(QWidget *parent);
