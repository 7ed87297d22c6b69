// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/BankView.h"

#include "bankfile/FindingText.h"
#include "bankfile/ImportError.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "teacher/BankDocument.h"
#include "teacher/CheckSummary.h"
#include "teacher/ColumnTableModel.h"
#include "teacher/Prompts.h"
#include "teacher/QuestionDelegate.h"
#include "teacher/QuestionPreview.h"
#include "teacher/QuestionTableModel.h"
#include "teacher/TableViews.h"
#include "teacher/TaskProgress.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

const QString BankView::OpenFilter = QStringLiteral(
    "Banky a soubory otázek (*.db *.csv *.xml *.gift *.txt);;Banka otázek (*.db);;CSV (*.csv);;"
    "Moodle XML (*.xml);;GIFT nebo Aiken (*.gift *.txt);;Všechny soubory (*)");

namespace {

const QString ExportFilter = QStringLiteral("Moodle XML (*.xml);;GIFT (*.gift *.txt);;CSV (*.csv)");
// Typing pauses this long before the search runs over every row.
constexpr int SearchDelayMilliseconds = 250;
constexpr int FindingRecordRole = Qt::UserRole;
constexpr int FindingColumnRole = Qt::UserRole + 1;
// How many of an export's findings its message names.
constexpr int NamedExportFindings = 20;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

}

BankView::BankView(QWidget *parent)
    : QWidget(parent),
      m_document(new BankDocument(this)),
      m_rows(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("BankView"));
    m_rows->setSourceModel(m_document->model());
    m_rows->setSortRole(SortRole);
    m_rows->setFilterKeyColumn(-1);
    m_rows->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_progress = new TaskProgress(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createContent(), 1);
    layout->addWidget(m_progress);
    createActions();

    m_searchSoon.setSingleShot(true);
    m_searchSoon.setInterval(SearchDelayMilliseconds);
    connect(&m_searchSoon, &QTimer::timeout, this, [this] { m_rows->setFilterFixedString(m_search->text()); });
    connect(m_search, &QLineEdit::textChanged, &m_searchSoon, qOverload<>(&QTimer::start));
    connect(m_document, &BankDocument::checked, this, &BankView::showCheck);
    showSaveTarget();
    connect(m_document, &BankDocument::opened, this, &BankView::showSaveTarget);
    connect(m_document, &BankDocument::opened, this, &BankView::documentChanged);
    connect(m_document, &BankDocument::modificationChanged, this, &BankView::documentChanged);
    connect(m_findingList, &QListWidget::itemActivated, this, &BankView::goToFinding);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &BankView::currentRowChanged);
    connect(m_document->model(), &QAbstractItemModel::dataChanged, this, &BankView::currentRowChanged);
    showCheck();
}

BankView::~BankView() = default;

QWidget *BankView::createContent()
{
    m_content = new QWidget(this);
    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *searchRow = new QHBoxLayout;
    m_search = new QLineEdit(m_content);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setAccessibleName(QStringLiteral("Hledat"));
    m_search->setPlaceholderText(QStringLiteral("text v kterémkoli sloupci"));
    m_search->setClearButtonEnabled(true);
    m_search->setMinimumWidth(m_search->fontMetrics().horizontalAdvance(m_search->placeholderText()) + 40);
    auto *searchLabel = new QLabel(QStringLiteral("&Hledat:"), m_content);
    searchLabel->setBuddy(m_search);
    m_summary = new QLabel(m_content);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search);
    searchRow->addWidget(m_summary, 1);
    layout->addLayout(searchRow);

    m_table = makeTableView(m_content, m_rows, QStringLiteral("Otázky"));
    m_table->setItemDelegate(new QuestionDelegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    const int character = m_table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    // Every column in sight at 1366×768, so a jump to a finding need not scroll sideways.
    for (auto [column, width] : {std::pair{QuestionTableModel::Cis, 6}, {QuestionTableModel::Skupina, 8},
                                 {QuestionTableModel::Dotaz, 36}, {QuestionTableModel::Odp1, 14},
                                 {QuestionTableModel::Odp2, 14}, {QuestionTableModel::Odp3, 14},
                                 {QuestionTableModel::CspravOdp, 8}})
        m_table->setColumnWidth(column, width * character);

    m_preview = new QuestionPreview(m_content);
    m_findingList = new QListWidget(m_content);
    m_findingList->setObjectName(QStringLiteral("findings"));
    m_findingList->setAccessibleName(QStringLiteral("Nálezy kontroly"));
    m_findingList->setToolTip(QStringLiteral("Enter nebo dvojklik přejde na řádek otázky"));
    m_findingList->setWordWrap(true);
    m_findingList->setUniformItemSizes(false);
    auto *findingLabel = new QLabel(QStringLiteral("&Nálezy kontroly:"), m_content);
    findingLabel->setBuddy(m_findingList);
    auto *findingPane = new QWidget(m_content);
    auto *findingLayout = new QVBoxLayout(findingPane);
    findingLayout->setContentsMargins(0, 0, 0, 0);
    findingLayout->addWidget(findingLabel);
    findingLayout->addWidget(m_findingList, 1);

    auto *side = new QSplitter(Qt::Vertical, m_content);
    side->setObjectName(QStringLiteral("bankSide"));
    side->addWidget(m_preview);
    side->addWidget(findingPane);
    auto *split = new QSplitter(Qt::Horizontal, m_content);
    split->setObjectName(QStringLiteral("bankSplitter"));
    split->addWidget(m_table);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    setTabOrder(m_search, m_table);
    setTabOrder(m_table, m_findingList);
    return m_content;
}

QAction *BankView::makeAction(const QString &text, const QList<QKeySequence> &shortcuts,
                              const std::function<void()> &slot)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(shortcuts);
    connect(action, &QAction::triggered, this, [slot] { guarded(slot); });
    return action;
}

void BankView::createActions()
{
    m_fileActions = {
        makeAction(QStringLiteral("&Uložit"), {QKeySequence::Save}, [this] { save(); }),
        makeAction(QStringLiteral("Uložit jako banku &programu"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)},
                   [this] { saveAsProgramBank(); }),
        makeAction(QStringLiteral("Uložit &jako…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                   [this] { saveAs(); }),
        makeAction(QStringLiteral("&Exportovat…"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { exportBank(); }),
    };
    m_fileActions.at(1)->setStatusTip(QStringLiteral("Uloží banku tam, kde ji program Test čte"));

    m_undo = m_document->undoStack()->createUndoAction(this, QStringLiteral("&Zpět"));
    m_undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = m_document->undoStack()->createRedoAction(this, QStringLiteral("&Znovu"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction *add = makeAction(QStringLiteral("&Přidat otázku"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
                              [this] { addQuestion(); });
    // Delete acts in the table only: in the search box it deletes a letter.
    QAction *remove = makeAction(QStringLiteral("&Smazat otázky"), {QKeySequence::Delete},
                                 [this] { removeSelectedQuestions(); });
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(remove);
    QAction *find = makeAction(QStringLiteral("&Hledat"), {QKeySequence::Find}, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_editActions = {m_undo, m_redo, separator, add, remove, find};
    // Their shortcuts work wherever the view stands, in the teacher's window or alone.
    addActions(m_fileActions);
    addActions({m_undo, m_redo, add, find});
}

QString BankView::fileName() const
{
    return m_document->fileName();
}

bool BankView::isModified() const
{
    return m_document->isModified();
}

bool BankView::runTask(const QString &what, const std::function<void()> &task)
{
    if (m_progress->isRunning())
        return false;
    m_progress->start(what, {m_content});
    // Shortcuts fire while the task lets the window paint: no edit may change the questions it reads.
    QList<QAction *> paused;
    for (QAction *action : actions() + m_table->actions()) {
        if (action->isEnabled()) {
            action->setEnabled(false);
            paused.append(action);
        }
    }
    emit busy(true);
    bool done = false;
    guarded([&] {
        try {
            task();
            done = true;
        } catch (const OperationCancelled &) {
            emit status(QStringLiteral("Zrušeno: %1").arg(what));
        } catch (const ImportError &error) {
            Messages::showError(error.message());
        }
    });
    m_progress->finish();
    for (QAction *action : std::as_const(paused))
        action->setEnabled(true);
    // An open replaces the undo history.
    m_undo->setEnabled(m_document->undoStack()->canUndo());
    m_redo->setEnabled(m_document->undoStack()->canRedo());
    emit busy(false);
    return done;
}

bool BankView::open(const QString &path)
{
    const bool opened = runTask(QStringLiteral("Čtení %1").arg(QFileInfo(path).fileName()),
                                [this, path] { m_document->open(path, *m_progress); });
    if (opened) {
        m_search->clear();
        m_rows->setFilterFixedString(QString());
        m_table->sortByColumn(-1, Qt::AscendingOrder);
        selectRow(0, QuestionTableModel::Dotaz);
        emit status(QStringLiteral("Otevřeno: %1").arg(nativePath(m_document->fileName())));
    }
    return opened;
}

bool BankView::maybeSave()
{
    if (!isModified())
        return true;
    const QString name = fileName().isEmpty() ? QStringLiteral("Banka") : QFileInfo(fileName()).fileName();
    // Saving an imported file replaces the bank the program draws from: the question says so.
    const QString question = m_document->isBankTable()
        ? QStringLiteral("%1 má neuložené změny. Uložit je?").arg(name)
        : QStringLiteral("%1 má neuložené změny. Uložit je jako banku programu %2?")
              .arg(name, nativePath(saveTarget()));
    switch (Prompts::unsavedChanges(this, question)) {
    case Prompts::Unsaved::Save: return save();
    case Prompts::Unsaved::Discard: return true;
    case Prompts::Unsaved::Cancel: return false;
    }
    return false;
}

QString BankView::saveTarget() const
{
    return m_document->isBankTable() ? m_document->fileName() : programBankPath();
}

bool BankView::save()
{
    return saveTo(saveTarget());
}

void BankView::showSaveTarget()
{
    QAction *save = m_fileActions.constFirst();
    save->setText(m_document->isBankTable() ? QStringLiteral("&Uložit") : QStringLiteral("&Uložit do banky programu"));
    save->setStatusTip(QStringLiteral("Uloží banku do %1").arg(nativePath(saveTarget())));
    save->setToolTip(save->statusTip());
}

bool BankView::saveAsProgramBank()
{
    return saveTo(programBankPath());
}

bool BankView::saveAs()
{
    const QString suggested = QFileInfo(fileName()).completeBaseName() + QStringLiteral(".db");
    const QString path = Prompts::saveFile(this, QStringLiteral("Uložit banku jako"), suggested,
                                           QStringLiteral("Banka otázek (*.db)"));
    return !path.isEmpty() && saveTo(withSuffix(path, QStringLiteral("db")));
}

bool BankView::saveTo(const QString &dbPath)
{
    WrittenBank written;
    if (!runTask(QStringLiteral("Ukládání banky"), [&] { written = m_document->saveBank(dbPath, *m_progress); }))
        return false;
    QString text = QStringLiteral("Banka uložena do %1").arg(nativePath(written.path));
    if (!written.backup.isEmpty())
        text += QStringLiteral("; předchozí banka zůstala jako %1").arg(nativePath(written.backup));
    emit status(text);
    return true;
}

bool BankView::exportBank()
{
    const QString suggested = QFileInfo(fileName()).completeBaseName() + QStringLiteral(".xml");
    const QString path = Prompts::saveFile(this, QStringLiteral("Exportovat banku"), suggested, ExportFilter);
    return !path.isEmpty() && exportTo(withSuffix(path, QStringLiteral("xml")));
}

bool BankView::exportTo(const QString &path)
{
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format) {
        Messages::showError(QStringLiteral("Formát exportu se pozná z přípony souboru: .xml (Moodle XML), "
                                           ".gift nebo .txt (GIFT), .csv (CSV). %1 žádnou z nich nemá.")
                                .arg(nativePath(path)));
        return false;
    }
    ExportResult result;
    if (!runTask(QStringLiteral("Export"), [&] { result = m_document->exportTo(path, *format, *m_progress); }))
        return false;
    const QString outcome = QStringLiteral("Vyvezeno otázek: %1 do %2").arg(result.exported).arg(nativePath(path));
    emit status(outcome);
    if (!result.findings.isEmpty())
        Messages::show(findingLines(outcome, result.findings, NamedExportFindings), QStringLiteral("Export"));
    return true;
}

void BankView::showCheck()
{
    const bool nothingOpen = m_document->fileName().isEmpty() && m_document->model()->rowCount() == 0;
    const QString text = nothingOpen ? QStringLiteral("Není otevřena žádná banka: Soubor → Otevřít (Ctrl+O), "
                                                      "nebo sem soubor přetáhněte.")
                                     : checkSummary(m_document->check());
    m_summary->setText(text);
    m_summary->setAccessibleName(text);
    m_findingList->clear();
    if (!nothingOpen)
        showFindingsList();
}

void BankView::showFindingsList()
{
    const QList<Finding> all = m_document->findings() + m_document->importFindings();
    if (all.isEmpty())
        new QListWidgetItem(QStringLiteral("Kontrola nenašla žádný problém."), m_findingList);
    for (qsizetype i = 0; i < std::min<qsizetype>(all.size(), ListedFindings); ++i) {
        const Finding &finding = all.at(i);
        auto *item = new QListWidgetItem(findingText(finding), m_findingList);
        item->setData(FindingRecordRole, finding.record);
        item->setData(FindingColumnRole, std::max(QuestionTableModel::columnOf(finding.field), 0));
        if (findingEffect(finding) != FindingEffect::Warning)
            item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    if (all.size() > ListedFindings)
        new QListWidgetItem(QStringLiteral("… a dalších %1 nálezů (označeny v tabulce)").arg(all.size() - ListedFindings),
                            m_findingList);
}

void BankView::goToFinding(QListWidgetItem *item)
{
    const int row = item->data(FindingRecordRole).isValid() ? item->data(FindingRecordRole).toInt() : -1;
    if (row >= 0 && row < m_document->model()->rowCount())
        selectRow(row, item->data(FindingColumnRole).toInt());
}

void BankView::selectRow(int row, int column)
{
    QModelIndex shown = m_rows->mapFromSource(m_document->model()->index(row, column));
    // A row the search hides is shown by clearing the search.
    if (!shown.isValid() && row < m_document->model()->rowCount()) {
        m_search->clear();
        m_rows->setFilterFixedString(QString());
        shown = m_rows->mapFromSource(m_document->model()->index(row, column));
    }
    if (!shown.isValid())
        return;
    m_table->setCurrentIndex(shown);
    m_table->scrollTo(shown, QAbstractItemView::PositionAtCenter);
    m_table->setFocus();
}

bool BankView::showQuestion(int cis)
{
    const QList<BankRecord> &records = m_document->model()->content().records;
    for (qsizetype row = 0; row < records.size(); ++row) {
        if (records.at(row).cis == cis) {
            selectRow(static_cast<int>(row), QuestionTableModel::Dotaz);
            return true;
        }
    }
    return false;
}

void BankView::setSearch(const QString &text)
{
    m_search->setText(text);
    m_searchSoon.stop();
    m_rows->setFilterFixedString(text);
}

void BankView::currentRowChanged()
{
    const QModelIndex current = m_rows->mapToSource(m_table->currentIndex());
    if (current.isValid())
        m_preview->showRecord(m_document->model()->record(current.row()));
    else
        m_preview->clear();
}

void BankView::addQuestion()
{
    const int row = m_document->addQuestion();
    selectRow(row, QuestionTableModel::Dotaz);
    m_table->edit(m_table->currentIndex());
}

void BankView::removeSelectedQuestions()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes())
        rows.append(m_rows->mapToSource(index).row());
    if (rows.isEmpty() && m_table->currentIndex().isValid())
        rows.append(m_rows->mapToSource(m_table->currentIndex()).row());
    m_document->removeQuestions(rows);
}
