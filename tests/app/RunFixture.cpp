// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunFixture.h"

#include "app/HeaderControl.h"
#include "app/Unit2.h"
#include "indicators/AbLED.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

const QString RunFixture::EndMessage = QStringLiteral(
    "Test znalostí byl ukončen, bude provedeno vyhodnocení vašich odpovědí. "
    "Poklepem na barevnou značku zobrazíte správnou odpověď. ");

TForm2 *RunFixture::openWindow(int g1, int g2, int g3, const QByteArray &ini)
{
    return openWindow(makeBankRecords(g1, g2, g3), ini);
}

TForm2 *RunFixture::openWindow(const QList<BankRecord> &bank, const QByteArray &ini)
{
    TForm2 *form = CreateWindow(bank, ini);
    form->show();
    return form;
}

void RunFixture::generateAndStart()
{
    click(window->BBGtest);
    click(window->BBStest);
}

void RunFixture::click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void RunFixture::clickIndicator(int question)
{
    QTest::mouseClick(window->IndicatorAt(question - 1), Qt::LeftButton, {}, QPoint(10, 15));
}

QPushButton *RunFixture::answerButton(int answerIndex) const
{
    QPushButton *buttons[] = {window->BitBtn1, window->BitBtn2, window->BitBtn3};
    return buttons[answerIndex];
}

void RunFixture::answerCurrent(bool correctly)
{
    const int correct = TestQuestions[CurrentQuestion].wcspravOdp;
    click(answerButton(correctly ? correct : (correct + 1) % 3));
}

void RunFixture::tickAt(double clock)
{
    now = clock;
    window->TimerTestTimer();
}

QString RunFixture::section(int index) const
{
    return window->HeaderControl1->sectionText(index);
}

bool RunFixture::indicatorChecked(int question) const
{
    return window->IndicatorAt(question - 1)->Checked();
}

quint32 RunFixture::indicatorColour(int question) const
{
    return window->IndicatorAt(question - 1)->LED()->ColorOff();
}

QColor RunFixture::textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

QString RunFixture::shownMarker(int answerIndex) const
{
    const QLabel *label = window->markerLabel(answerIndex);
    return label->isVisibleTo(window.get()) ? label->text() : QString();
}
