// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/TeacherWindow.h"

#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"
#include "teacher/BankView.h"
#include "teacher/Prompts.h"
#include "teacher/RecentFiles.h"
#include "teacher/ResultsView.h"
#include "teacher/TaskProgress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

const QString TeacherWindow::Title = QStringLiteral("Test znalostí – správa");

namespace {

const QString GeometryKey = QStringLiteral("okno/geometrie");
const QString StateKey = QStringLiteral("okno/stav");
const QString TabKey = QStringLiteral("okno/karta");
const QString RecentKey = QStringLiteral("nedavne");

// What fits a 1366×768 screen with a panel, and leaves room on larger ones.
constexpr QSize DefaultSize(1280, 680);

QString localFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

}

TeacherWindow::TeacherWindow(QWidget *parent)
    : QMainWindow(parent),
      m_tabs(new QTabWidget(this)),
      m_bankView(new BankView(this)),
      m_resultsView(new ResultsView(this))
{
    setObjectName(QStringLiteral("TeacherWindow"));
    setAcceptDrops(true);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(QStringLiteral("Karty"));
    m_tabs->addTab(m_bankView, QStringLiteral("&Banka otázek"));
    m_tabs->addTab(m_resultsView, QStringLiteral("&Výsledky"));
    setCentralWidget(m_tabs);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setAccessibleName(QStringLiteral("Stavový řádek"));

    createMenus();
    connect(m_bankView, &BankView::documentChanged, this, &TeacherWindow::updateTitle);
    // While a bank is read or written only its cancel button answers.
    connect(m_bankView, &BankView::busy, this, [this](bool running) {
        menuBar()->setDisabled(running);
        m_tabs->tabBar()->setDisabled(running);
    });
    connect(m_bankView, &BankView::status, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_resultsView, &ResultsView::status, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_resultsView, &ResultsView::questionChosen, this, &TeacherWindow::showQuestionOfChart);
    readSettings();
    updateTitle();
}

TeacherWindow::~TeacherWindow() = default;

void TeacherWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Soubor"));
    QAction *open = file->addAction(QStringLiteral("&Otevřít…"), this, &TeacherWindow::chooseAndOpen);
    open->setShortcut(QKeySequence::Open);
    QAction *openProgramBank = file->addAction(QStringLiteral("Otevřít &banku programu"), this, [this] {
        guarded([this] { openFile(ProgramLocation::bankPath(ProgramLocation::directory())); });
    });
    openProgramBank->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    openProgramBank->setStatusTip(QStringLiteral("Otevře banku, ze které program Test losuje"));
    QMenu *recent = file->addMenu(QStringLiteral("&Nedávné soubory"));
    m_recentFiles = new RecentFiles(recent, this);
    connect(m_recentFiles, &RecentFiles::chosen, this, [this](const QString &path) { openFile(path); });
    file->addSeparator();
    file->addActions(m_bankView->fileActions());
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("&Konec"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menuBar()->addMenu(QStringLiteral("Úp&ravy"));
    edit->addActions(m_bankView->editActions());

    QMenu *results = menuBar()->addMenu(QStringLiteral("&Výsledky"));
    results->addActions(m_resultsView->actions());

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    help->addAction(QStringLiteral("&O programu"), this, &TeacherWindow::showAbout);

    // The tabs by keyboard from anywhere, as Alt and the underlined letter do.
    for (int i = 0; i < m_tabs->count(); ++i) {
        auto *toTab = new QAction(this);
        toTab->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
        connect(toTab, &QAction::triggered, m_tabs, [this, i] { m_tabs->setCurrentIndex(i); });
        addAction(toTab);
    }
}

bool TeacherWindow::openFile(const QString &path)
{
    if (!m_bankView->maybeSave())
        return false;
    m_tabs->setCurrentWidget(m_bankView);
    if (!m_bankView->open(path))
        return false;
    m_recentFiles->add(path);
    return true;
}

void TeacherWindow::chooseAndOpen()
{
    const QString path = Prompts::openFile(this, QStringLiteral("Otevřít banku nebo soubor otázek"),
                                           BankView::OpenFilter);
    if (!path.isEmpty())
        openFile(path);
}

void TeacherWindow::showQuestionOfChart(const QString &bankPath, int cis)
{
    const bool sameBank = QFileInfo(bankPath) == QFileInfo(m_bankView->fileName());
    if (!sameBank && QFileInfo::exists(bankPath) && !openFile(bankPath))
        return;
    // Records copied from another computer name a bank that is not here: the open one is shown.
    if (!sameBank && !QFileInfo::exists(bankPath))
        statusBar()->showMessage(QStringLiteral("Banka %1 tu není; otázka %2 je ukázána v otevřené bance.")
                                     .arg(QDir::toNativeSeparators(bankPath))
                                     .arg(cis));
    m_tabs->setCurrentWidget(m_bankView);
    if (!m_bankView->showQuestion(cis))
        statusBar()->showMessage(QStringLiteral("Otázka %1 v otevřené bance není.").arg(cis));
}

void TeacherWindow::updateTitle()
{
    const QString file = m_bankView->fileName();
    setWindowTitle(file.isEmpty() ? Title
                                  : QStringLiteral("%1[*] – %2").arg(QFileInfo(file).fileName(), Title));
    setWindowModified(m_bankView->isModified());
}

void TeacherWindow::showAbout()
{
    Messages::show(QStringLiteral("%1 %2\n\nBanky otázek a výsledky testů programu Test znalostí.\n"
                                  "Licence GPL 3.0 nebo novější.")
                       .arg(Title, QApplication::applicationVersion()),
                   QStringLiteral("O programu"));
}

void TeacherWindow::closeEvent(QCloseEvent *event)
{
    // A read or write in progress is cancelled first; the window closes when asked again.
    if (m_bankView->progress()->isRunning()) {
        m_bankView->progress()->cancel();
        event->ignore();
        return;
    }
    if (!m_bankView->maybeSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

void TeacherWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TeacherWindow::dropEvent(QDropEvent *event)
{
    const QString path = localFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    guarded([this, path] { openFile(path); });
}

void TeacherWindow::readSettings()
{
    QSettings settings;
    if (!restoreGeometry(settings.value(GeometryKey).toByteArray())) {
        const QRect available = screen()->availableGeometry();
        resize(DefaultSize.boundedTo(available.size()));
        move(available.center() - rect().center());
    }
    restoreState(settings.value(StateKey).toByteArray());
    m_tabs->setCurrentIndex(settings.value(TabKey, 0).toInt());
    m_recentFiles->setFiles(settings.value(RecentKey).toStringList());
    m_resultsView->readSettings(settings);
}

void TeacherWindow::writeSettings() const
{
    QSettings settings;
    settings.setValue(GeometryKey, saveGeometry());
    settings.setValue(StateKey, saveState());
    settings.setValue(TabKey, m_tabs->currentIndex());
    settings.setValue(RecentKey, m_recentFiles->files());
    m_resultsView->writeSettings(settings);
}
