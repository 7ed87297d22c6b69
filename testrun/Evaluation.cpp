#include "app/Unit2.h"

// Placeholders until evaluation and review land.
void TForm2::EvaluateTest() {}
void TForm2::IndicatorClick(int) {}
void TForm2::ShowReviewMarkers(int) {}
QLabel *TForm2::MarkerLabel(int) const { return nullptr; }
void TForm2::BBVytestClick() {}
void TForm2::AbLEDClick(QObject *) {}
