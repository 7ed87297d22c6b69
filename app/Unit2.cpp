// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/AttemptRecording.h"
#include "app/HeaderControl.h"
#include "app/MaximisedGeometry.h"
#include "app/ScrollingContent.h"
#include "bank/QuestionBank.h"
#include "indicators/AbLED.h"
#include "platform/core/DateTime.h"
#include "platform/Guarded.h"
#include "platform/core/ProgramLocation.h"
#include "platform/UrlOpener.h"
#include "platform/WindowManager.h"

#include <QEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

TForm2 *Form2 = nullptr;
TFrmKonfig *FrmKonfig = nullptr;
TFrmHesloT *FrmHesloT = nullptr;

const QString ProductTitle = QStringLiteral("Test znalostí");
const QString DrawnNumbersHeading = QStringLiteral("Otazky číslo:");

namespace {
constexpr int ToolbarFirstLeft = 5;
constexpr int ToolbarGap = 3;
constexpr int IndicatorTop = 5;
}


TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

TAbLED *TForm2::IndicatorAt(int i) const
{
    return FAbLedList.value(i, nullptr);
}

void TForm2::FormCreate()
{
    setWindowState(windowState() | Qt::WindowMaximized);

    KeyPrintRequest = false;
    PrintLineLength = 110;
    TestPhase = PhaseGenerated;
    CorrectColor = clLime;
    WrongColor = clRed;
    AnswerColor = clBlue;
    UnansweredColor = clBlue;

    FAbLedList.clear();
    for (QObject *child : GroupBox1->children()) {
        if (auto *indicator = qobject_cast<TAbLED *>(child))
            FAbLedList.append(indicator);
    }
    for (TAbLED *indicator : std::as_const(FAbLedList)) {
        indicator->SetChecked(false);
        indicator->LED()->SetColorOff(clSilver);
        indicator->move(indicator->x(), IndicatorTop);
        indicator->hide();
    }
    LayoutIndicators();

    QuestionCount = TestCapacity;
    ProgramDir = ProgramLocation::directory();
    ReadSettings();
    // A damaged bank is reported and the window still opens with its toolbar in place.
    guarded([this] { OpenQuestionBank(); });
    ArrangeToolbar();
}

void TForm2::LayoutIndicators()
{
    const long step = std::lrint(GroupBox1->width() / 32.0);
    for (int k = 1; k <= FAbLedList.size(); ++k) {
        TAbLED *indicator = FAbLedList[k - 1];
        indicator->move(static_cast<int>(k * step), indicator->y());
    }
}

void TForm2::ArrangeToolbar()
{
    int left = ToolbarFirstLeft;
    for (QPushButton *button :
         {BBGtest, BBStest, BBUtest, BBKtest, BBVytest, BtnTisk, BtnTiskKlic, BtnInfo}) {
        button->setGeometry(left, 1, ToolbarButtonWidth, ToolbarButtonHeight);
        left += ToolbarButtonWidth + ToolbarGap;
    }
}

void TForm2::BtnInfoClick()
{
    UrlOpener::open(QUrl::fromLocalFile(ProgramDir + QStringLiteral("napoveda.html")));
}

std::array<QPlainTextEdit *, 5> TForm2::memos() const
{
    return {Memo1, Memo2, Memo3, Memo4, Memo5};
}

void TForm2::setTestActionsEnabled(bool enabled)
{
    for (QPushButton *button : {BBStest, BtnTisk, BtnTiskKlic})
        button->setEnabled(enabled);
}

void TForm2::showTestDuration()
{
    HeaderControl1->setSectionText(StatusTime, QStringLiteral("Čas testu: ") + DateTime::longTimeText(TestDuration));
}

void TForm2::setProgressMaximum(int maximum)
{
    // Qt animates a bar whose range is 0..0 as busy.
    ProgressBar1->setRange(0, qMax(1, maximum));
    ProgressBar1->setValue(0);
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm2::FormResize()
{
    LayoutIndicators();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GroupBox1 && event->type() == QEvent::Resize)
        LayoutIndicators();
    return QMainWindow::eventFilter(watched, event);
}

void TForm2::showEvent(QShowEvent *event)
{
    letContentScroll(*this);
    QMainWindow::showEvent(event);
    if (windowState() & Qt::WindowMaximized)
        QTimer::singleShot(0, this, &TForm2::fillScreenUnlessMaximised);
}

// A bare X server has no window manager to honour maximising: take the screen ourselves there.
void TForm2::fillScreenUnlessMaximised()
{
    const QScreen *current = screen();
    if (!current || !(windowState() & Qt::WindowMaximized))
        return;
    if (const std::optional<QRect> own = ownMaximisedGeometry(
            WindowManager::maximises(), frameGeometry(), current->availableGeometry()))
        setGeometry(*own);
}
