// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The creation of the main window: its controls in the nesting of the form.

#include "app/Unit2.h"

#include "app/AttemptRecording.h"
#include "app/HeaderControl.h"
#include "app/PngIconEngine.h"
#include "bank/QuestionBank.h"
#include "indicators/AbLED.h"
#include "platform/FormFont.h"
#include "platform/Guarded.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int IndicatorCount = TestCapacity;

void setColors(QWidget *widget, TColor text, TColor background)
{
    TForm2::setTextColour(widget, text);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, resolveColor(background, palette));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A centred bold blue heading across the top of its panel.
QLabel *makeHeading(QWidget *parent, const QString &name, const QString &text, int pixelSize,
                    TColor background)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setFont(formFont(pixelSize, true));
    setColors(label, clBlue, background);
    return label;
}

QPlainTextEdit *makeMemo(QWidget *parent, const QString &name, int height)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setFixedHeight(height);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on instead of typing a tab: the keyboard must never be caught in a text box.
    memo->setTabChangesFocus(true);
    QFont font = memo->font();
    font.setFamilies(formFontFamilies());
    memo->setFont(font);
    return memo;
}

QWidget *makePanel(QWidget *parent, const QString &name, int height)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setFixedHeight(height);
    return panel;
}

QVBoxLayout *stackLayout(QWidget *panel, int margin = 0)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

QPushButton *makeToolButton(QWidget *parent, const QString &name, const QString &caption,
                            const QIcon &icon)
{
    auto *button = new QPushButton(icon, caption, parent);
    button->setObjectName(name);
    button->resize(TForm2::ToolbarButtonWidth, TForm2::ToolbarButtonHeight);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

}

TForm2::TForm2(QWidget *parent)
    : QMainWindow(parent)
{
    // The pictures live in a static library, whose resources are not registered by themselves.
    Q_INIT_RESOURCE(resources);
    Form2 = this;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Test"));
    setFont(formFont(11));
    resize(861, 702);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    setCentralWidget(Panel1);
    // Two pixels of frame on each side leave GroupBox1 its design width of 857.
    auto *layout = stackLayout(Panel1, 2);

    buildToolbar();
    buildQuestionPanel();
    buildCommentPanel();
    buildIndicatorPanel();
    buildStatusLine();
    layout->addWidget(Panel8);
    layout->addWidget(Panel2);
    layout->addWidget(Panel11);
    layout->addWidget(Panel10);
    layout->addStretch(1);
    layout->addWidget(HeaderControl1);

    TimerTest = new QTimer(this);
    TimerTest->setObjectName(QStringLiteral("TimerTest"));
    TimerTest->setInterval(1000);
    connect(TimerTest, &QTimer::timeout, this, [this] { guarded([this] { TimerTestTimer(); }); });

    Table1 = std::make_unique<QuestionBank>();
    m_recording = std::make_unique<AttemptRecording>();

    FormCreate();
}

void TForm2::setTextColour(QWidget *widget, TColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, resolveColor(colour, palette));
    widget->setPalette(palette);
}

void TForm2::connectClick(QPushButton *button, void (TForm2::*handler)())
{
    connect(button, &QPushButton::clicked, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}


void TForm2::buildToolbar()
{
    Panel8 = makePanel(Panel1, QStringLiteral("Panel8"), 29);
    QStyle *look = style();
    BBGtest = makeToolButton(Panel8, QStringLiteral("BBGtest"), QStringLiteral("Generuj test"),
                             lazyStandardIcon(look, QStyle::SP_BrowserReload));
    BBStest = makeToolButton(Panel8, QStringLiteral("BBStest"), QStringLiteral("Start testu"),
                             lazyStandardIcon(look, QStyle::SP_DialogOkButton));
    BBUtest = makeToolButton(Panel8, QStringLiteral("BBUtest"), QStringLiteral("Ukončení testu"),
                             lazyStandardIcon(look, QStyle::SP_DialogCancelButton));
    BBKtest = makeToolButton(Panel8, QStringLiteral("BBKtest"), QStringLiteral("Konfigurace"),
                             programIcon(QStringLiteral(":/icons/konfigurace.png")));
    BBVytest = makeToolButton(Panel8, QStringLiteral("BBVytest"), QStringLiteral("Vyhodnocení"),
                              QIcon());
    BtnTisk = makeToolButton(Panel8, QStringLiteral("BtnTisk"), QStringLiteral("Tisk testu"),
                             programIcon(QStringLiteral(":/icons/tisk.png")));
    BtnTiskKlic = makeToolButton(Panel8, QStringLiteral("BtnTiskKlic"), QStringLiteral("Tisk - Klíč"),
                                 programIcon(QStringLiteral(":/icons/klic.png")));
    BtnInfo = makeToolButton(Panel8, QStringLiteral("BtnInfo"), QStringLiteral("Více informací"),
                             programIcon(QStringLiteral(":/icons/info.png")));

    setTestActionsEnabled(false);
    BBUtest->setEnabled(false);
    BBVytest->setEnabled(false);
    BBVytest->hide();

    connectClick(BBGtest, &TForm2::BBGtestClick);
    connectClick(BBStest, &TForm2::BBStestClick);
    connectClick(BBUtest, &TForm2::BBUtestClick);
    connectClick(BBKtest, &TForm2::BBKtestClick);
    connectClick(BBVytest, &TForm2::BBVytestClick);
    connectClick(BtnTisk, &TForm2::BtnTiskClick);
    connectClick(BtnTiskKlic, &TForm2::BtnTiskKlicClick);
    connectClick(BtnInfo, &TForm2::BtnInfoClick);
}

void TForm2::buildQuestionPanel()
{
    Panel2 = makePanel(Panel1, QStringLiteral("Panel2"), 505);
    auto *layout = stackLayout(Panel2);

    Panel4 = makePanel(Panel2, QStringLiteral("Panel4"), 152);
    auto *questionLayout = stackLayout(Panel4);
    Label2 = makeHeading(Panel4, QStringLiteral("Label2"), QStringLiteral("Otázka číslo"), 16,
                         clBtnHighlight);
    Memo2 = makeMemo(Panel4, QStringLiteral("Memo2"), 75);
    Memo2->setAccessibleName(QStringLiteral("Text otázky"));
    questionLayout->addWidget(Label2);
    questionLayout->addWidget(Memo2);
    questionLayout->addStretch(1);

    buildAnswerPanel();
    layout->addWidget(Panel4);
    layout->addWidget(Panel3);
    layout->addStretch(1);
}

void TForm2::buildAnswerPanel()
{
    Panel3 = makePanel(Panel2, QStringLiteral("Panel3"), 323);
    setColors(Panel3, clBlack, clSilver);
    auto *layout = stackLayout(Panel3);
    Label1 = makeHeading(Panel3, QStringLiteral("Label1"),
                         QStringLiteral("Zvolte prosím správnou odpověď"), 16, clSilver);
    layout->addWidget(Label1);
    Panel5 = buildAnswerRow(0, QStringLiteral("Memo1"), Memo1, BitBtn1, Label12);
    Panel6 = buildAnswerRow(1, QStringLiteral("Memo3"), Memo3, BitBtn2, Label13);
    Panel7 = buildAnswerRow(2, QStringLiteral("Memo4"), Memo4, BitBtn3, Label14);
    layout->addWidget(Panel5);
    layout->addWidget(Panel6);
    layout->addWidget(Panel7);
    layout->addStretch(1);
    connectClick(BitBtn1, &TForm2::BitBtn1Click);
    connectClick(BitBtn2, &TForm2::BitBtn2Click);
    connectClick(BitBtn3, &TForm2::BitBtn3Click);
}

// One answer row (0 for A): the answer text across the top, the answer button at the bottom
// right and the review marker to its left.
QWidget *TForm2::buildAnswerRow(int row, const QString &memoName, QPlainTextEdit *&memo,
                                QPushButton *&button, QLabel *&marker)
{
    QWidget *panel = makePanel(Panel3, QStringLiteral("Panel%1").arg(5 + row), 99);
    memo = makeMemo(panel, memoName, 61);
    memo->setAccessibleName(QStringLiteral("Odpověď %1").arg(QChar(u'A' + row)));

    button = new QPushButton(QString(QChar(u'A' + row)), panel);
    button->setObjectName(QStringLiteral("BitBtn%1").arg(1 + row));
    button->setFixedSize(75, 30);
    button->setFont(formFont(16));
    button->setEnabled(false);
    button->setAutoDefault(true);

    marker = new QLabel(QStringLiteral("správná odpověď"), panel);
    marker->setObjectName(QStringLiteral("Label%1").arg(12 + row));
    marker->setAlignment(Qt::AlignRight | Qt::AlignTop);
    marker->setFont(formFont(19));
    setTextColour(marker, clLime);
    marker->hide();

    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 4, 4);
    layout->setVerticalSpacing(4);
    layout->addWidget(memo, 0, 0, 1, 2);
    layout->addWidget(marker, 1, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(button, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    return panel;
}

void TForm2::buildCommentPanel()
{
    Panel11 = makePanel(Panel1, QStringLiteral("Panel11"), 66);
    auto *layout = stackLayout(Panel11);
    Label15 = makeHeading(Panel11, QStringLiteral("Label15"), QStringLiteral("Komentář k otázce"), 13,
                          clBtnHighlight);
    Memo5 = makeMemo(Panel11, QStringLiteral("Memo5"), 45);
    Memo5->setAccessibleName(QStringLiteral("Komentář"));
    layout->addWidget(Label15);
    layout->addStretch(1);
    layout->addWidget(Memo5);
    Panel11->hide();
}

void TForm2::buildIndicatorPanel()
{
    Panel10 = makePanel(Panel1, QStringLiteral("Panel10"), 82);
    auto *layout = stackLayout(Panel10);
    Label5 = new QLabel(DrawnNumbersHeading, Panel10);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The list of drawn questions may be cut, but never widens the window.
    Label5->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    GroupBox1 = new QGroupBox(Panel10);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFixedHeight(40);
    // The indicators stand at fixed places, so they follow the box's width themselves.
    GroupBox1->installEventFilter(this);
    createIndicators();

    ProgressBar1 = new QProgressBar(Panel10);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedHeight(17);
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    layout->addWidget(Label5);
    layout->addStretch(1);
    layout->addWidget(GroupBox1);
    layout->addWidget(ProgressBar1);
}

void TForm2::createIndicators()
{
    for (int number = 1; number <= IndicatorCount; ++number) {
        auto *indicator = new TAbLED(GroupBox1);
        indicator->setObjectName(QStringLiteral("AbLED%1").arg(number));
        indicator->resize(20, 30);
        indicator->SetCaption(QString::number(number));
        indicator->SetMode(mButton);
        indicator->SetLED_Position(lpTop);
        indicator->SetSpacing(1);
        indicator->LED()->SetColorOn(clAqua);
        indicator->LED()->SetColorOff(clRed);
        indicator->SetFlashing(false);
        indicator->SetFrequency(ff1Hz);
        indicator->SetGroupIndex(0);
        indicator->SetChecked(false);
        indicator->OnClick = [this](QObject *sender) { guarded([this, sender] { AbLEDClick(sender); }); };
    }
}

void TForm2::buildStatusLine()
{
    HeaderControl1 = new THeaderControl(Panel1);
    HeaderControl1->setObjectName(QStringLiteral("HeaderControl1"));
    HeaderControl1->setFixedHeight(30);
    for (int width : {230, 50, 150, 320, 50})
        HeaderControl1->addSection(width);
}
