#include "indicators/AbFlashT.h"

#include <QList>
#include <QWidget>

namespace {
QList<QWidget *> &Clients()
{
    static QList<QWidget *> clients;
    return clients;
}
}

void AddFlashClient(QWidget *Control, qint64)
{
    if (Control && !Clients().contains(Control))
        Clients().append(Control);
}

void RemoveFlashClient(QWidget *Control)
{
    Clients().removeOne(Control);
}
