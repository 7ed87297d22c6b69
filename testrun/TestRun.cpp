#include "app/Unit2.h"

// Placeholders until the test run lands.
void TForm2::BBStestClick() {}
void TForm2::ShowQuestion(int) {}
void TForm2::BitBtn1Click() {}
void TForm2::BitBtn2Click() {}
void TForm2::BitBtn3Click() {}
void TForm2::RecordAnswer() {}
void TForm2::RevisitQuestion(int) {}
void TForm2::TimerTestTimer() {}
void TForm2::BBUtestClick() {}
void TForm2::EndTest() {}
