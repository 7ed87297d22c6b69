// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbLED.h"

#include "indicators/AbFlashT.h"
#include "indicators/AbProc.h"
#include "platform/Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

TAbLED::TAbLED(QWidget *AOwner)
    : TAbBinGControl(AOwner)
    , FLED(std::make_unique<TLED>())
{
    FLED->OnChange = [this](TAbPersistent *) { ParamChange(this); };
    resize(73, 33);
    SetSpacing(5);
    SetCaption(objectName());
}

TAbLED::~TAbLED()
{
    FLED.reset();
    RemoveFlashClient(this);
}

void TAbLED::SetLED_Position(TLEDPos Value)
{
    if (Value == FLED_Position)
        return;
    FLED_Position = Value;
    ParamChange(this);
}

void TAbLED::SetSpacing(int Value)
{
    if (Value == FSpacing)
        return;
    FSpacing = Value;
    ParamChange(this);
}

void TAbLED::ParamChange(QObject *)
{
    update();
}

void TAbLED::StatusChanged()
{
    if (isVisible())
        RedrawLamp(Checked());
}

void TAbLED::Flash(bool status)
{
    if (!Painting && isVisible())
        RedrawLamp(status);
}

QRect TAbLED::LampRect() const
{
    const TRect &r = FLED->Rect;
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

// Qt draws only inside paintEvent, so "draw the lamp at once" is a synchronous repaint of the
// lamp's rectangle, flagged so that paintEvent serves it with the lamp alone.
void TAbLED::RedrawLamp(bool lit)
{
    m_lampLit = lit;
    const QRect lamp = LampRect();
    if (lamp.isEmpty())
        return;
    m_lampOnly = true;
    repaint(lamp);
    m_lampOnly = false;
}

void TAbLED::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    TCanvas canvas(painter, palette());
    const QRect lamp = LampRect();
    // A whole repaint may be pending and come along with the lamp's: that one draws everything.
    if (m_lampOnly && lamp.contains(event->rect())) {
        FLED->Draw(canvas, m_lampLit);
        return;
    }
    Paint(canvas);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void TAbLED::focusInEvent(QFocusEvent *event)
{
    TAbBinGControl::focusInEvent(event);
    update();
}

void TAbLED::focusOutEvent(QFocusEvent *event)
{
    TAbBinGControl::focusOutEvent(event);
    update();
}

void TAbLED::Paint(TCanvas &can)
{
    if (Painting)
        return;
    Painting = true;
    can.setFont(font());
    can.setFontColor(clWindowText);

    int w = FLED->Width();
    int h = FLED->Height();
    if (FLED->Shape() == sRound) {
        w = std::max(w, h);
        h = w;
    }
    const int halfW = width() / 2;
    const int halfH = height() / 2;
    TRect &lamp = FLED->Rect;
    lamp = TRect{0, 0, w, h};

    can.setBrushStyle(TCanvas::BrushStyle::Clear);
    switch (FLED_Position) {
    case lpLeft:
        lamp.Top = halfH - h / 2;
        lamp.Bottom = lamp.Top + h;
        DrawMultiLineText(can, lamp.Right + FSpacing, halfH, 0, Caption(), 3);
        break;
    case lpRight:
        lamp.Left = width() - w;
        lamp.Right = width();
        lamp.Top = halfH - h / 2;
        lamp.Bottom = lamp.Top + h;
        DrawMultiLineText(can, lamp.Left - FSpacing, halfH, 0, Caption(), 5);
        break;
    case lpTop:
        lamp.Left = halfW - w / 2;
        lamp.Right = lamp.Left + w;
        DrawMultiLineText(can, halfW, lamp.Bottom + FSpacing, 0, Caption(), 1);
        break;
    case lpBottom:
        lamp.Top = height() - h;
        lamp.Bottom = height();
        lamp.Left = halfW - w / 2;
        lamp.Right = lamp.Left + w;
        DrawMultiLineText(can, halfW, lamp.Top - FSpacing, 0, Caption(), 7);
        break;
    }
    can.setBrushStyle(TCanvas::BrushStyle::Solid);
    m_lampLit = Checked();
    FLED->Draw(can, m_lampLit);
    Painting = false;
}
