#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "platform/DateTime.h"
#include "platform/ParadoxTable.h"
#include "platform/ProfileFile.h"

#include <cmath>

qint32 QuestionCount = 0;
std::array<qint32, 31> SelectedNumbers{};
std::array<Totazka, 301> TestQuestions{};
QString TestCode;
qint32 BankRecordCount = 0;
std::array<qint32, 4> GroupCount{};
std::array<qint32, 4> GroupPercent{};
std::array<qint32, 4> GroupQuota{};
std::array<qint32, 4> GroupDrawn{};
qint32 DrawnGroup = 0;
qint32 CurrentQuestion = 0;
qint32 TestPhase = 0;
bool AllAnswered = false;
qint32 TestMinutes = 0;
TDateTime TestDuration = 0;
TDateTime TestStart = 0;
TDateTime TestEnd = 0;
TDateTime RemainingTime = 0;
QString ProgramDir;
QString BankPath;
std::unique_ptr<ProfileFile> SettingsFile;
qint32 PrinterLeftMargin = 0;
qint32 FontSizeIndex = 0;
qint32 TextFontSize = 0;
qint32 PrintLineLength = 0;
TColor CorrectColor = 0;
TColor WrongColor = 0;
TColor AnswerColor = 0;
TColor UnansweredColor = 0;
qint32 CorrectCount = 0;
qint32 WrongCount = 0;
qint32 UnansweredCount = 0;
qint32 SuccessPercent = 0;
bool KeyPrintRequest = false;
QString KeyPasswordExpected;
QString KeyPasswordEntered;

TForm2 *Form2 = nullptr;
TFrmKonfig *FrmKonfig = nullptr;
TFrmHesloT *FrmHesloT = nullptr;

const QString ProductTitle = QStringLiteral("Test znalostí");

qint32 TimeToSeconds(TDateTime t)
{
    const double ms = std::fabs(std::nearbyint(t * DateTime::MillisecondsPerDay));
    const qint64 ofDay = static_cast<qint64>(std::fmod(ms, DateTime::MillisecondsPerDay));
    return static_cast<qint32>(ofDay / 1000);
}

// Placeholder until the main window is built.
TForm2::TForm2(QWidget *parent)
    : QMainWindow(parent)
{
    Form2 = this;
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

TAbLED *TForm2::IndicatorAt(int i) const
{
    return FAbLedList.value(i, nullptr);
}

void TForm2::FormCreate() {}
void TForm2::LayoutIndicators() {}
void TForm2::ArrangeToolbar() {}
void TForm2::BtnInfoClick() {}
void TForm2::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}
