// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/GClass.h"

#include "indicators/AbAccessible.h"
#include "indicators/AbFlashT.h"
#include "indicators/AbProc.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <bit>

bool GroupUpdating = false;

TAbPersistent::~TAbPersistent() = default;

void TAbPersistent::Change()
{
    if (OnChange)
        OnChange(this);
}

void TAbPersistent::ChangeObject(TAbPersistent *Sender)
{
    if (OnChange)
        OnChange(Sender);
}

TLED::TLED() = default;

void TLED::SetShape(TLEDShape value)
{
    if (value == FShape)
        return;
    FShape = value;
    Change();
}

void TLED::SetColorOn(TColor value)
{
    if (value == FColorOn)
        return;
    FColorOn = value;
    Change();
}

void TLED::SetColorOff(TColor value)
{
    if (value == FColorOff)
        return;
    FColorOff = value;
    Change();
}

static bool isLampSize(int value)
{
    return value > 3 && value < 81;
}

void TLED::SetWidth(int value)
{
    if (value == FWidth || !isLampSize(value))
        return;
    FWidth = value;
    Change();
}

void TLED::SetHeight(int value)
{
    if (value == FHeight || !isLampSize(value))
        return;
    FHeight = value;
    Change();
}

void TLED::Draw(TCanvas &can, bool Checked)
{
    DrawLEDShape(can, Rect, FShape, clBtnShadow, Checked ? FColorOn : FColorOff);
}

TAbBinGControl::TAbBinGControl(QWidget *AOwner)
    : QWidget(AOwner)
{
    // Paints over whatever the parent drew beneath it.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // Reachable with Tab; a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    installAbAccessibility();
}

TAbBinGControl::~TAbBinGControl()
{
    RemoveFlashClient(this);
}

static qint32 bitMask(qint32 bit)
{
    return static_cast<qint32>(quint32(1) << bit);
}

void TAbBinGControl::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    UpdateFlashRegistration();
    const qint32 mask = bitMask(FStatusBit);
    if (FChecked)
        SetStatusInt(FMode == mRadioButton ? mask : (FStatusInt | mask));
    else if (FMode != mRadioButton)
        SetStatusInt(FStatusInt & ~mask);
    notifyAccessibleChecked(this);
    StatusChanged();
    if (OnStatusChanged)
        OnStatusChanged(this);
}

void TAbBinGControl::SetStatusInt(qint32 Value)
{
    if (Value == FStatusInt)
        return;
    FStatusInt = Value;
    SetChecked((FStatusInt & bitMask(FStatusBit)) != 0);
    FirstCheckedBit = std::countr_zero(static_cast<quint32>(FStatusInt));
    StatusIntChanged();
    if (OnStatusIntChanged)
        OnStatusIntChanged(this);
    if (FGroupIndex == 0 || GroupUpdating)
        return;

    // Cleared even when a member's handler throws, or no group would ever update again.
    struct GroupUpdate
    {
        GroupUpdate() { GroupUpdating = true; }
        ~GroupUpdate() { GroupUpdating = false; }
    } guard;
    // Members a handler deletes on the way are skipped.
    QList<QPointer<TAbBinGControl>> members;
    for (TAbBinGControl *control : OwnerControls())
        if (control->FGroupIndex == FGroupIndex)
            members.append(control);
    for (const QPointer<TAbBinGControl> &member : members)
        if (member)
            member->SetStatusInt(FStatusInt);
}

void TAbBinGControl::SetStatusBit(qint32 Value)
{
    if (Value == FStatusBit || Value < 0 || Value > 31)
        return;
    FStatusBit = Value;
    SetChecked((FStatusInt & bitMask(FStatusBit)) != 0);
}

void TAbBinGControl::SetMode(TMode Value)
{
    FMode = Value;
    if (FMode == mButton)
        SetStatusInt(0);
    else if (FMode == mRadioButton)
        SetStatusInt(1);
}

void TAbBinGControl::SetGroupIndex(qint32 Value)
{
    if (Value == FGroupIndex || Value < 0)
        return;
    FGroupIndex = Value;
    SyncWithGroup();
    GroupIndexChanged();
}

void TAbBinGControl::SetFrequency(TFlashFreq Value)
{
    FFrequency = Value;
    if (FChecked && FFlashing)
        StartFlash();
}

void TAbBinGControl::SetFlashing(bool Value)
{
    if (Value == FFlashing)
        return;
    FFlashing = Value;
    UpdateFlashRegistration();
    StatusChanged();
    if (OnStatusChanged)
        OnStatusChanged(this);
}

void TAbBinGControl::SetCaption(const QString &Value)
{
    if (Value == m_caption)
        return;
    m_caption = Value;
    notifyAccessibleCaption(this);
    ParamChange(this);
}

void TAbBinGControl::ParamChange(QObject *) {}
void TAbBinGControl::StatusChanged() {}
void TAbBinGControl::GroupIndexChanged() {}
void TAbBinGControl::StatusIntChanged() {}
void TAbBinGControl::Flash(bool) {}

bool TAbBinGControl::event(QEvent *e)
{
    if (e->type() == WM_FLASHTICK) {
        Flash(static_cast<TFlashTickEvent *>(e)->Value != 0);
        return true;
    }
    return QWidget::event(e);
}

void TAbBinGControl::mousePressEvent(QMouseEvent *e)
{
    QPointer<TAbBinGControl> self(this);
    if (e->button() == Qt::LeftButton)
        PressDown();
    if (self && OnMouseDown)
        OnMouseDown(this);
}

void TAbBinGControl::mouseReleaseEvent(QMouseEvent *e)
{
    const bool left = e->button() == Qt::LeftButton;
    // A click handler may delete the control.
    QPointer<TAbBinGControl> self(this);
    if (left && rect().contains(e->position().toPoint()) && OnClick)
        OnClick(this);
    if (!self)
        return;
    if (OnMouseUp)
        OnMouseUp(this);
    if (self && left)
        ReleaseUp();
}

void TAbBinGControl::PressDown()
{
    MouseIsDown = true;
    switch (FMode) {
    case mButton:
        SetChecked(true);
        break;
    case mSwitch:
        SetChecked(!FChecked);
        break;
    case mRadioButton:
        SetStatusInt(bitMask(FStatusBit));
        break;
    case mIndicator:
        break;
    }
}

void TAbBinGControl::ReleaseUp()
{
    if (FMode == mIndicator)
        return;
    MouseIsDown = false;
    if (FMode == mButton)
        SetChecked(false);
    StatusChanged();
}

void TAbBinGControl::PerformClick()
{
    // Any handler on the way may delete the control.
    QPointer<TAbBinGControl> self(this);
    PressDown();
    if (self && OnClick)
        OnClick(this);
    if (self)
        ReleaseUp();
}

static bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void TAbBinGControl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space) {
        if (!e->isAutoRepeat() && !m_keyDown) {
            m_keyDown = true;
            PressDown();
        }
        return;
    }
    // The keypad's Enter comes with the keypad modifier.
    if (isEnterKey(e->key()) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!e->isAutoRepeat())
            PerformClick();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TAbBinGControl::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    if (!m_keyDown)
        return;
    m_keyDown = false;
    QPointer<TAbBinGControl> self(this);
    if (OnClick)
        OnClick(this);
    if (self)
        ReleaseUp();
}

// Leaving with Space still down releases the control without a click, or a button-mode
// indicator would stay checked.
void TAbBinGControl::focusOutEvent(QFocusEvent *e)
{
    if (m_keyDown) {
        m_keyDown = false;
        ReleaseUp();
    }
    QWidget::focusOutEvent(e);
}

void TAbBinGControl::StartFlash()
{
    AddFlashClient(this, static_cast<qint64>(FFrequency) + 2);
}

void TAbBinGControl::UpdateFlashRegistration()
{
    if (FChecked && FFlashing)
        StartFlash();
    else
        RemoveFlashClient(this);
}

void TAbBinGControl::SyncWithGroup()
{
    if (FGroupIndex == 0)
        return;
    for (TAbBinGControl *control : OwnerControls()) {
        if (control->FGroupIndex == FGroupIndex) {
            SetStatusInt(control->FStatusInt);
            return;
        }
    }
}

// The owner's controls in its order; a control without owner forms a group of its own.
QList<TAbBinGControl *> TAbBinGControl::OwnerControls() const
{
    QList<TAbBinGControl *> controls;
    if (!parent()) {
        controls.append(const_cast<TAbBinGControl *>(this));
        return controls;
    }
    for (QObject *child : parent()->children())
        if (auto *control = qobject_cast<TAbBinGControl *>(child))
            controls.append(control);
    return controls;
}
