// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/WindowFixture.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class QLabel;
class QPushButton;

// The main window on a bank of its own, driven by clicks with a clock the test sets.
class RunFixture : public WindowFixture
{
protected:
    // Opens the window, shown, on a bank of g1/g2/g3 questions of the three groups.
    TForm2 *openWindow(int g1, int g2, int g3, const QByteArray &ini = {});
    TForm2 *openWindow(const QList<BankRecord> &bank, const QByteArray &ini = {});
    // "Generuj test", then "Start testu".
    void generateAndStart();

    static void click(QPushButton *button);
    void clickIndicator(int question);
    QPushButton *answerButton(int answerIndex) const;
    // Clicks the answer button of the question being answered: its correct one or another.
    void answerCurrent(bool correctly);
    // Lets the countdown tick at the given clock value.
    void tickAt(double clock);

    QString section(int index) const;
    bool indicatorChecked(int question) const;
    quint32 indicatorColour(int question) const;
    static QColor textColour(const QLabel *label);
    // The marker label's text when it is shown, else an empty text.
    QString shownMarker(int answerIndex) const;

    static const QString EndMessage;
};
