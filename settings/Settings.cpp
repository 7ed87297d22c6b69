#include "app/Unit2.h"

// Placeholders until the settings subsystem lands.
void TForm2::ReadSettings() {}
void TForm2::ApplyTextFontSize() {}
void TForm2::BBKtestClick() {}
void TForm2::BtnTiskKlicClick() {}
