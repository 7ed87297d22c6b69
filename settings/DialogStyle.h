#pragma once

#include <QFont>
#include <QRect>

class QFrame;
class QWidget;

// The face of the two settings dialogs: Tahoma at 11 pixels, or a sans face with Czech glyphs
// where Tahoma is not installed.
QFont DialogFont();

// A raised panel at the given place in its parent.
QFrame *MakePanel(QWidget *parent, const QString &name, const QRect &geometry);
