// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

// The status line: sections of fixed widths, left to right, whose texts can be set and read.
class THeaderControl : public QWidget
{
    Q_OBJECT

public:
    explicit THeaderControl(QWidget *parent = nullptr);

    void addSection(int width);
    int sectionCount() const;
    int sectionWidth(int index) const;
    QString sectionText(int index) const;
    void setSectionText(int index, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_widths;
    QStringList m_texts;
};
