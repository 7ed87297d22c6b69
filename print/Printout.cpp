#include "print/Printout.h"

#include "app/Unit2.h"

// Placeholders until printing lands.
void TForm2::BtnTiskClick() {}
void PrintTest() {}
void PrintKey() {}
