// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/KeyPressFilter.h"

#include "platform/Beep.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr QChar CopyCharacter(0x03);
constexpr QChar PasteCharacter(0x16);
constexpr QChar CutCharacter(0x18);
}

void acceptDigitsOnly(QChar &key, bool backspaceToo)
{
    if ((backspaceToo && key == QChar(0x08)) || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return;
    key = QChar();
    Beep::sound();
}

KeyPressFilter::KeyPressFilter(KeyPressHandler keyPress, KeyUpHandler keyUp, QObject *parent)
    : QObject(parent)
    , m_keyPress(std::move(keyPress))
    , m_keyUp(std::move(keyUp))
{
}

void KeyPressFilter::watch(QLineEdit *edit)
{
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The edit claims its clipboard and undo shortcuts here; they must come as key
        // presses to the handler instead of acting on the text.
        if (!typedCharacter(static_cast<QKeyEvent *>(event)).isNull())
            event->accept();
        return false;
    case QEvent::KeyPress: {
        QChar key = typedCharacter(static_cast<QKeyEvent *>(event));
        if (key.isNull() || !m_keyPress)
            return false;
        m_keyPress(watched, key);
        return key.isNull();
    }
    case QEvent::InputMethod:
        // Committed text of an input method (the echo mode can switch it back on) goes
        // through the handler character by character, all or nothing.
        return m_keyPress && refusesAny(watched, static_cast<QInputMethodEvent *>(event)->commitString());
    case QEvent::KeyRelease:
        if (m_keyUp)
            m_keyUp(watched);
        return false;
    default:
        return false;
    }
}

bool KeyPressFilter::refusesAny(QObject *watched, const QString &text) const
{
    for (QChar key : text) {
        m_keyPress(watched, key);
        if (key.isNull())
            return true;
    }
    return false;
}

QChar KeyPressFilter::typedCharacter(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste))
        return PasteCharacter;
    if (event->matches(QKeySequence::Copy))
        return CopyCharacter;
    if (event->matches(QKeySequence::Cut))
        return CutCharacter;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: // X11 gives it the text "\x7f", yet it types nothing
        return QChar();
    case Qt::Key_Backspace:
        return QChar(0x08);
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (modifiers == Qt::ControlModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return QChar(event->key() - Qt::Key_A + 1);
    // A character of two code units is judged by its first, which never is a digit.
    const QString text = event->text();
    return text.isEmpty() ? QChar() : text.front();
}
