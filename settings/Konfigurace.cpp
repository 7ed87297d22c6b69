#include "settings/Konfigurace.h"

TFrmKonfig::TFrmKonfig(QWidget *parent)
    : QDialog(parent)
{
}
