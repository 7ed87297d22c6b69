#pragma once

#include <QRect>

class QFrame;
class QWidget;

// A raised panel at the given place in its parent.
QFrame *MakePanel(QWidget *parent, const QString &name, const QRect &geometry);
