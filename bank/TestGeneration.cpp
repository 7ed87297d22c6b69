#include "app/Unit2.h"

// Placeholders until test generation lands.
void TForm2::BBGtestClick() {}
void TForm2::LoadQuestion(int) {}
