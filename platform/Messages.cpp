#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
Messages::Handler &replacement()
{
    static Messages::Handler handler;
    return handler;
}

QWidget *dialogParent()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                              : QApplication::activeWindow();
}
}

void Messages::Show(const QString &text, const QString &caption)
{
    Dispatch(Kind::Information, caption, text);
}

void Messages::ShowError(const QString &text)
{
    Dispatch(Kind::Error, QString(), text);
}

void Messages::SetHandler(Handler handler)
{
    replacement() = std::move(handler);
}

void Messages::Dispatch(Kind kind, const QString &caption, const QString &text)
{
    if (replacement()) {
        replacement()(kind, caption, text);
        return;
    }
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, dialogParent());
    box.exec();
}
