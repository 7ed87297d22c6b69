// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QObject>
#include <functional>

class QKeyEvent;
class QLineEdit;

// The key-press handler of the dialogs' number fields: digits pass, and Backspace too when
// asked; any other character is dropped with the system beep.
void acceptDigitsOnly(QChar &key, bool backspaceToo);

// Hands every character typed into the watched edits to a key-press handler before the edit
// sees it; a handler that replaces the character with the null character drops it. Keys that
// type no character (arrows, Delete) reach the edit unasked, and Enter, Esc and Tab stay with
// the dialog. The clipboard shortcuts arrive as the control characters they type, so a
// handler refuses them like any other character, and neither the context menu nor a drop can
// bring text in behind its back.
class KeyPressFilter : public QObject
{
    Q_OBJECT

public:
    using KeyPressHandler = std::function<void(QObject *sender, QChar &key)>;
    using KeyUpHandler = std::function<void(QObject *sender)>;

    KeyPressFilter(KeyPressHandler keyPress, KeyUpHandler keyUp, QObject *parent);

    void watch(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refusesAny(QObject *watched, const QString &text) const;
    static QChar typedCharacter(const QKeyEvent *event);

    KeyPressHandler m_keyPress;
    KeyUpHandler m_keyUp;
};
