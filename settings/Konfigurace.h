#pragma once

#include <QDialog>

// The configuration dialog: test length, text size, printer margin, password change.
class TFrmKonfig : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmKonfig(QWidget *parent = nullptr);
};
