#include "settings/HesloT.h"

TFrmHesloT::TFrmHesloT(QWidget *parent)
    : QDialog(parent)
{
}
