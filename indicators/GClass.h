// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Canvas.h"

#include <QObject>
#include <QWidget>
#include <functional>

class TCanvas;

// Notification handler taking the sender.
using TNotifyEvent = std::function<void(QObject *sender)>;

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A persistent object that reports its changes through OnChange.
class TAbPersistent
{
public:
    virtual ~TAbPersistent();
    virtual void Change();
    virtual void ChangeObject(TAbPersistent *Sender);

    std::function<void(TAbPersistent *sender)> OnChange;
};

enum TLEDShape : quint8 {
    sRound,
    sArrowLeft,
    sArrowRight,
    sArrowUp,
    sArrowDown,
    sRectangle,
    sDiamondLeft,
    sDiamondRight,
};

// The lamp of an indicator: shape, on and off colours, size 4..80.
class TLED : public TAbPersistent
{
public:
    TLED();

    TLEDShape Shape() const { return FShape; }
    void SetShape(TLEDShape value);
    TColor ColorOn() const { return FColorOn; }
    void SetColorOn(TColor value);
    TColor ColorOff() const { return FColorOff; }
    void SetColorOff(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);

    void Draw(TCanvas &can, bool Checked);

    // Where the lamp is drawn, in the owner's client coordinates; set by the owner.
    TRect Rect;

private:
    TLEDShape FShape = sRound;
    TColor FColorOn = clLime;
    TColor FColorOff = clBtnFace;
    int FWidth = 13;
    int FHeight = 13;
};

enum TMode : quint8 { mButton, mSwitch, mIndicator, mRadioButton };
enum TFlashFreq : quint8 { ff8Hz, ff4Hz, ff2Hz, ff1Hz, ff05Hz };

// A windowless control with an on/off state mirrored in a bit of a status word, four mouse
// behaviours, grouping by GroupIndex and flashing while checked. Draws nothing itself.
class TAbBinGControl : public QWidget
{
    Q_OBJECT

public:
    explicit TAbBinGControl(QWidget *AOwner);
    ~TAbBinGControl() override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    qint32 StatusInt() const { return FStatusInt; }
    void SetStatusInt(qint32 Value);
    qint32 StatusBit() const { return FStatusBit; }
    void SetStatusBit(qint32 Value);
    TMode Mode() const { return FMode; }
    void SetMode(TMode Value);
    qint32 GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(qint32 Value);
    TFlashFreq Frequency() const { return FFrequency; }
    void SetFrequency(TFlashFreq Value);
    bool Flashing() const { return FFlashing; }
    void SetFlashing(bool Value);

    QString Caption() const { return m_caption; }
    // A new text notifies ParamChange.
    void SetCaption(const QString &Value);

    // What a left-button click does, for the keyboard and the screen reader: press, OnClick,
    // release. The mouse's own OnMouseDown and OnMouseUp are not raised.
    void PerformClick();

    TNotifyEvent OnStatusChanged;
    TNotifyEvent OnStatusIntChanged;
    // Raised by a left-button release inside the control, before the release handling.
    TNotifyEvent OnClick;
    TNotifyEvent OnMouseDown;
    TNotifyEvent OnMouseUp;

    bool MouseIsDown = false;
    qint32 FirstCheckedBit = 32;

protected:
    virtual void ParamChange(QObject *Sender);
    virtual void StatusChanged();
    virtual void GroupIndexChanged();
    virtual void StatusIntChanged();
    virtual void Flash(bool status);

    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    // Space presses while held and clicks on release; Enter clicks at once.
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void PressDown();
    void ReleaseUp();
    void StartFlash();
    void UpdateFlashRegistration();
    void SyncWithGroup();
    QList<TAbBinGControl *> OwnerControls() const;

    bool FChecked = false;
    TFlashFreq FFrequency = ff1Hz;
    bool FFlashing = false;
    qint32 FStatusInt = 0;
    qint32 FStatusBit = 0;
    qint32 FGroupIndex = 0;
    TMode FMode = mIndicator;
    QString m_caption;
    // Space went down on this control and has not come up yet.
    bool m_keyDown = false;
};

// Guards the propagation of a status word to a group; one flag for all groups.
extern bool GroupUpdating;
