// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indicators/GClass.h"

#include <memory>

enum TLEDPos : quint8 { lpLeft, lpRight, lpTop, lpBottom };

// The indicator the user sees: a lamp with a caption beside, above or below it. A state change
// or a flash tick redraws the lamp alone; any display parameter repaints the whole control.
class TAbLED : public TAbBinGControl
{
    Q_OBJECT

public:
    explicit TAbLED(QWidget *AOwner);
    ~TAbLED() override;

    TLED *LED() const { return FLED.get(); }
    TLEDPos LED_Position() const { return FLED_Position; }
    void SetLED_Position(TLEDPos Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);

protected:
    void ParamChange(QObject *Sender) override;
    void StatusChanged() override;
    void Flash(bool status) override;
    void paintEvent(QPaintEvent *event) override;
    // The keyboard focus is framed, so a keyboard user sees which indicator Space presses.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Caption and lamp; sets the lamp rectangle that the lamp-only redraws use.
    virtual void Paint(TCanvas &can);

private:
    QRect LampRect() const;
    void RedrawLamp(bool lit);

    std::unique_ptr<TLED> FLED;
    TLEDPos FLED_Position = lpLeft;
    int FSpacing = 5;
    bool Painting = false;
    // The look the next lamp-only paint shows: the state, or a flash tick's on/off.
    bool m_lampLit = false;
    // Set while RedrawLamp repaints; every other paint draws the whole control.
    bool m_lampOnly = false;
};
