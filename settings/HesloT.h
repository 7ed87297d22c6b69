#pragma once

#include <QDialog>

// The key-print password dialog: confirmation of the current password and its change.
class TFrmHesloT : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmHesloT(QWidget *parent = nullptr);
};
