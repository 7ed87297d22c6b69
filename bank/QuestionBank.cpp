#include "app/Unit2.h"

// Placeholder until the question bank lands.
void TForm2::OpenQuestionBank() {}
