#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class DrawAnalysis;
namespace paradox { class Table; }
class ProfileFile;
class TAbLED;
class THeaderControl;
class TFrmKonfig;
class TFrmHesloT;

// A time value: days since 1899-12-30, the fraction being the time of day.
using TDateTime = double;

// One question of the current test.
struct Totazka
{
    QString wdotaz;
    QString wodp1;
    QString wodp2;
    QString wodp3;
    QString wkomentar;
    qint32 wcspravOdp = 0;
    qint32 wodpovezeno = 0;
    qint32 wspravneodpovezeno = 0;
};

// Program-wide test state. Arrays are indexed from 1 as the questions and groups are
// numbered; slot 0 is never used.
extern qint32 QuestionCount;
extern std::array<qint32, 31> SelectedNumbers;
extern std::array<Totazka, 301> TestQuestions;
extern QString TestCode;
extern qint32 BankRecordCount;
extern std::array<qint32, 4> GroupCount;
extern std::array<qint32, 4> GroupPercent;
extern std::array<qint32, 4> GroupQuota;
extern std::array<qint32, 4> GroupDrawn;
extern qint32 DrawnGroup;
extern qint32 CurrentQuestion;
extern qint32 TestPhase;
extern bool AllAnswered;
extern qint32 TestMinutes;
extern TDateTime TestDuration;
extern TDateTime TestStart;
extern TDateTime TestEnd;
extern TDateTime RemainingTime;
extern QString ProgramDir;
extern QString BankPath;
extern std::unique_ptr<ProfileFile> SettingsFile;
extern qint32 PrinterLeftMargin;
extern qint32 FontSizeIndex;
extern qint32 TextFontSize;
extern qint32 PrintLineLength;
extern TColor CorrectColor;
extern TColor WrongColor;
extern TColor AnswerColor;
extern TColor UnansweredColor;
extern qint32 CorrectCount;
extern qint32 WrongCount;
extern qint32 UnansweredCount;
extern qint32 SuccessPercent;
extern bool KeyPrintRequest;
extern QString KeyPasswordExpected;
extern QString KeyPasswordEntered;

class TForm2;
extern TForm2 *Form2;
extern TFrmKonfig *FrmKonfig;
extern TFrmHesloT *FrmHesloT;

// The product title shown in the caption after "Test - ".
extern const QString ProductTitle;

// The whole seconds of the time-of-day part of a time value.
qint32 TimeToSeconds(TDateTime t);

// The main window. Its controls keep the names of the form; its handlers are defined in the
// folder of the subsystem that owns them.
class TForm2 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the controls, then runs FormCreate. Form2 is set before FormCreate runs.
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The indicator of question i + 1.
    TAbLED *IndicatorAt(int i) const;

    // app/
    void FormCreate();
    void FormResize();
    void LayoutIndicators();
    void ArrangeToolbar();
    void BtnInfoClick();
    // A maximum of 0 or less leaves the bar empty rather than busy.
    void SetProgressMaximum(int maximum);

    // settings/
    void ReadSettings();
    void ApplyTextFontSize();
    void BBKtestClick();
    void BtnTiskKlicClick();

    // bank/
    void OpenQuestionBank();
    void BBGtestClick();
    void LoadQuestion(int p);

    // testrun/
    void BBStestClick();
    void ShowQuestion(int n);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void RecordAnswer();
    void RevisitQuestion(int n);
    void TimerTestTimer();
    void BBUtestClick();
    void EndTest();
    void EvaluateTest();
    void IndicatorClick(int n);
    void ShowReviewMarkers(int n);
    // The marker label beside answer index 0, 1 or 2; none for any other index.
    QLabel *MarkerLabel(int answerIndex) const;
    void BBVytestClick();
    // Serves AbLED1 to AbLED30: calls IndicatorClick with the indicator's number.
    void AbLEDClick(QObject *Sender);

    // print/
    void BtnTiskClick();

    // Controls, in the nesting of the form.
    QWidget *Panel1 = nullptr;
    QWidget *Panel8 = nullptr;
    QPushButton *BBGtest = nullptr;
    QPushButton *BBStest = nullptr;
    QPushButton *BBUtest = nullptr;
    QPushButton *BBKtest = nullptr;
    QPushButton *BBVytest = nullptr;
    QPushButton *BtnTisk = nullptr;
    QPushButton *BtnTiskKlic = nullptr;
    QPushButton *BtnInfo = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *Panel4 = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QWidget *Panel3 = nullptr;
    QLabel *Label1 = nullptr;
    QWidget *Panel5 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QLabel *Label12 = nullptr;
    QWidget *Panel6 = nullptr;
    QPlainTextEdit *Memo3 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QLabel *Label13 = nullptr;
    QWidget *Panel7 = nullptr;
    QPlainTextEdit *Memo4 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QLabel *Label14 = nullptr;
    QWidget *Panel11 = nullptr;
    QLabel *Label15 = nullptr;
    QPlainTextEdit *Memo5 = nullptr;
    QWidget *Panel10 = nullptr;
    QLabel *Label5 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    THeaderControl *HeaderControl1 = nullptr;
    QTimer *TimerTest = nullptr;
    std::unique_ptr<paradox::Table> Table1;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildToolbar();
    void BuildQuestionPanel();
    void BuildAnswerPanel();
    QWidget *BuildAnswerRow(int row, const QString &memoName, QPlainTextEdit *&memo,
                            QPushButton *&button, QLabel *&marker);
    void BuildCommentPanel();
    void BuildIndicatorPanel();
    void BuildStatusLine();
    void CreateIndicators();
    void ConnectClick(QPushButton *button, void (TForm2::*handler)());
    void FillScreenUnlessMaximised();
    // The draw's refusal reason for the open bank; empty when a test can be drawn.
    QString DrawRefusal() const;

    QList<TAbLED *> FAbLedList;
    // Start-up counted the bank's groups; the draw reads the numbers itself.
    bool FBankCounted = false;
    // Where each draw number leads, read at the first draw.
    std::unique_ptr<DrawAnalysis> FDrawAnalysis;
};
