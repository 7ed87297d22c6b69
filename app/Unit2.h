// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/TestState.h"
#include "bank/GroupQuotas.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class AttemptRecording;
class QuestionBank;
struct PrintFormat;
class TAbLED;
class THeaderControl;
class TFrmKonfig;
class TFrmHesloT;

class TForm2;
extern TForm2 *Form2;
extern TFrmKonfig *FrmKonfig;
extern TFrmHesloT *FrmHesloT;

// The product title shown in the caption after "Test - ".
extern const QString ProductTitle;
// Label5's heading before the drawn numbers; "Otazky" without its accent, as the original form has it.
extern const QString DrawnNumbersHeading;

// The sections of the status line HeaderControl1 that the program writes.
enum StatusSection {
    StatusTime = 0,
    StatusSuccessRate = 2,
    StatusCounts = 3,
};

// The main window. Its controls keep the names of the form; the handlers read the program-wide
// state, call the subsystem that decides and write the state and the widgets back. They are
// split into files by concern: Controls (creation), Unit2 (start-up and layout), Generation,
// Run, Review, SettingsHandlers and Printing.
class TForm2 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int ToolbarButtonWidth = 110;
    static constexpr int ToolbarButtonHeight = 25;

    // Builds the controls, then runs FormCreate. Form2 is set before FormCreate runs.
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The indicator of question i + 1.
    TAbLED *IndicatorAt(int i) const;
    // The colour of a control's text.
    static void setTextColour(QWidget *widget, TColor colour);

    void FormCreate();
    void FormResize();
    void LayoutIndicators();
    void ArrangeToolbar();
    void BtnInfoClick();
    // A maximum of 0 or less leaves the bar empty rather than busy.
    void setProgressMaximum(int maximum);

    void ReadSettings();
    void ApplyTextFontSize();
    void BBKtestClick();
    void BtnTiskKlicClick();

    void OpenQuestionBank();
    void BBGtestClick();
    // Copies the texts and the correct answer of a drawn question into slot p; the answer
    // state stays.
    void LoadQuestion(int p, const Totazka &drawn);

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
    QLabel *markerLabel(int answerIndex) const;
    void BBVytestClick();
    // Serves AbLED1 to AbLED30: calls IndicatorClick with the indicator's number.
    void AbLEDClick(QObject *Sender);
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
    std::unique_ptr<QuestionBank> Table1;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildQuestionPanel();
    void buildAnswerPanel();
    QWidget *buildAnswerRow(int row, const QString &memoName, QPlainTextEdit *&memo,
                            QPushButton *&button, QLabel *&marker);
    void buildCommentPanel();
    void buildIndicatorPanel();
    void buildStatusLine();
    void createIndicators();
    // A click reaches the handler through guarded: an error ends the handler with a message.
    void connectClick(QPushButton *button, void (TForm2::*handler)());
    void fillScreenUnlessMaximised();

    // What the open bank gives a test: its records, its groups, how they share a test, and the
    // facts a record of the test names the bank by.
    struct BankCounts
    {
        qint32 recordCount = 0;
        std::array<qint32, 4> groupCount{};
        GroupQuotas quotas;
        results::BankFacts facts;
    };
    // Opens the bank and works its counts out into m_openBank, leaving the test's own alone.
    void openBank();
    void takeOverBankCounts(const BankCounts &counts);
    bool bankWantsOpening() const;
    // The draw's refusal reason for the open bank; empty when a test can be drawn.
    QString drawRefusal();

    // The five text boxes: answers A, B, C, the question and the comment.
    std::array<QPlainTextEdit *, 5> memos() const;
    // Fills a text box with a text, shown from its first line.
    static void showText(QPlainTextEdit *box, const QString &text);
    // "Start testu" and the two print buttons go together: a test is there to start and print.
    void setTestActionsEnabled(bool enabled);
    void setAnswerButtonsEnabled(bool enabled);
    void setIndicatorChecked(int question, bool checked);
    // Status section StatusTime: "Čas testu: " and the test's length.
    void showTestDuration();
    void hideMarkers();
    // Shows the marker of the answer index with a fresh text and font colour; an index outside
    // 0..2 has no marker, so nothing is shown.
    void showMarker(int answerIndex, const QString &text, TColor color);
    void answer(qint32 answerIndex);
    // Opens FrmHesloT for the key print or for a change of the password and takes over what
    // was entered and expected.
    void openPasswordDialog(bool keyPrint);
    // The settings and the test code the printouts are laid out with.
    PrintFormat printFormat() const;
    void printKey();
    void colourIndicator(int question, TColor color, const QString &meaning);

    QList<TAbLED *> FAbLedList;
    // The open bank's counts; nothing while no bank is open. The draw reads the numbers itself.
    std::optional<BankCounts> m_openBank;
    // The record of the attempt on screen, in the results folder.
    std::unique_ptr<AttemptRecording> m_recording;
};
