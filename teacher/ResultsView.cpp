// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ResultsView.h"

#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/core/ProgramLocation.h"
#include "results/RecordWriter.h"
#include "results/ResultsReport.h"
#include "settings/ResultsSettings.h"
#include "teacher/AttemptSelection.h"
#include "teacher/Prompts.h"
#include "teacher/ResultsSettingsDialog.h"
#include "teacher/ShareChart.h"
#include "teacher/TableViews.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <map>
#include <set>

namespace {

const QString FoldersKey = QStringLiteral("vysledky/slozky");
// The earliest date a date field offers stands for "no limit" and shows as a dash.
const QDate NoDate(2000, 1, 1);

std::optional<QDate> dateOf(const QDateEdit *edit)
{
    return edit->date() == NoDate ? std::nullopt : std::optional<QDate>(edit->date());
}

QDateEdit *makeDateEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("d. M. yyyy"));
    edit->setMinimumDate(NoDate);
    edit->setSpecialValueText(QStringLiteral("–"));
    edit->setDate(NoDate);
    // Its text field takes the focus, so a screen reader asks it for the name.
    edit->findChild<QLineEdit *>()->setAccessibleName(name);
    return edit;
}

QString folderKey(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

}

ResultsView::ResultsView(QWidget *parent)
    : QWidget(parent),
      m_attemptModel(new AttemptModel(attemptColumns(), this)),
      m_selection(new AttemptSelection(this)),
      m_questionModel(new QuestionStatisticsModel(questionStatisticsColumns(), this)),
      m_questionSorted(new QSortFilterProxyModel(this)),
      m_personModel(new PersonModel(personColumns(), this)),
      m_personSorted(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("ResultsView"));
    m_selection->setSourceModel(m_attemptModel);
    for (auto [proxy, model] : {std::pair<QSortFilterProxyModel *, QAbstractItemModel *>{m_questionSorted, m_questionModel},
                                {m_personSorted, m_personModel}}) {
        proxy->setSourceModel(model);
        proxy->setSortRole(SortRole);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createFolderRow());
    layout->addWidget(createFilterRow());
    layout->addWidget(createTables(), 1);
    createActions();
    connect(m_selection, &AttemptSelection::selectionChanged, this, &ResultsView::updateStatistics);
    connect(m_chart, &ShareChart::questionChosen, this, &ResultsView::questionChosen);
}

ResultsView::~ResultsView() = default;

QWidget *ResultsView::createFolderRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Složky &výsledků:"), row);
    m_folderList = new QListWidget(row);
    m_folderList->setObjectName(QStringLiteral("folderList"));
    m_folderList->setAccessibleName(QStringLiteral("Složky výsledků"));
    m_folderList->setMaximumHeight(3 * m_folderList->fontMetrics().height() + 12);
    label->setBuddy(m_folderList);
    auto *add = new QPushButton(QStringLiteral("&Přidat složku…"), row);
    auto *remove = new QPushButton(QStringLiteral("&Odebrat složku"), row);
    auto *reload = new QPushButton(QStringLiteral("&Načíst znovu"), row);
    for (QPushButton *button : {add, remove, reload})
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    connect(add, &QPushButton::clicked, this, [this] { guarded([this] { chooseFolderToAdd(); }); });
    connect(remove, &QPushButton::clicked, this, &ResultsView::removeCurrentFolder);
    connect(reload, &QPushButton::clicked, this, &ResultsView::reload);
    layout->addWidget(label);
    layout->addWidget(m_folderList, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(reload);
    layout->addLayout(buttons);
    return row;
}

QWidget *ResultsView::createFilterRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_person = new QLineEdit(row);
    m_person->setObjectName(QStringLiteral("person"));
    m_person->setAccessibleName(QStringLiteral("Osoba"));
    m_person->setPlaceholderText(QStringLiteral("část jména"));
    m_person->setClearButtonEnabled(true);
    m_from = makeDateEdit(row, QStringLiteral("Od"));
    m_to = makeDateEdit(row, QStringLiteral("Do"));
    m_bank = new QComboBox(row);
    m_bank->setObjectName(QStringLiteral("bank"));
    m_bank->setAccessibleName(QStringLiteral("Banka"));
    m_bank->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_counts = new QLabel(row);
    m_counts->setObjectName(QStringLiteral("counts"));
    const std::pair<QString, QWidget *> fields[] = {
        {QStringLiteral("O&soba:"), m_person}, {QStringLiteral("O&d:"), m_from},
        {QStringLiteral("D&o:"), m_to}, {QStringLiteral("&Banka:"), m_bank}};
    for (const auto &[text, field] : fields) {
        auto *label = new QLabel(text, row);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    }
    layout->addWidget(m_counts, 1);
    connect(m_person, &QLineEdit::textChanged, m_selection, &AttemptSelection::setPerson);
    connect(m_from, &QDateEdit::dateChanged, this, &ResultsView::dateChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ResultsView::dateChanged);
    connect(m_bank, &QComboBox::currentIndexChanged, this, &ResultsView::bankChosen);
    return row;
}

QWidget *ResultsView::createTables()
{
    m_tables = new QTabWidget(this);
    m_tables->setObjectName(QStringLiteral("resultTables"));
    m_tables->setAccessibleName(QStringLiteral("Výsledky"));
    m_attemptTable = makeTableView(m_tables, m_selection, QStringLiteral("Pokusy"));
    m_questionTable = makeTableView(m_tables, m_questionSorted, QStringLiteral("Otázky"));
    m_questionTable->setToolTip(QStringLiteral("Enter nebo dvojklik otevře otázku v bance"));
    m_personTable = makeTableView(m_tables, m_personSorted, QStringLiteral("Osoby"));
    m_attemptTable->sortByColumn(2, Qt::DescendingOrder);
    m_questionTable->sortByColumn(5, Qt::AscendingOrder);
    connect(m_questionTable, &QTableView::activated, this, &ResultsView::openQuestionOfRow);

    m_chart = new ShareChart(this);
    auto *chartArea = new QScrollArea(m_tables);
    chartArea->setObjectName(QStringLiteral("chartArea"));
    chartArea->setAccessibleName(QStringLiteral("Graf"));
    chartArea->setWidgetResizable(true);
    chartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea->setWidget(m_chart);

    m_tables->addTab(m_attemptTable, QStringLiteral("Po&kusy"));
    m_tables->addTab(m_questionTable, QStringLiteral("Otá&zky"));
    m_tables->addTab(chartArea, QStringLiteral("&Graf"));
    m_tables->addTab(m_personTable, QStringLiteral("Os&oby"));
    return m_tables;
}

QAction *ResultsView::makeAction(const QString &text, const QKeySequence &shortcut, void (ResultsView::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, slot] { guarded([this, slot] { (this->*slot)(); }); });
    m_actions.append(action);
    return action;
}

void ResultsView::createActions()
{
    makeAction(QStringLiteral("&Přidat složku výsledků…"), {}, &ResultsView::chooseFolderToAdd);
    makeAction(QStringLiteral("&Načíst znovu"), QKeySequence::Refresh, &ResultsView::reload);
    makeAction(QStringLiteral("&Exportovat výsledky do CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
              &ResultsView::chooseCsvFile);
    makeAction(QStringLiteral("&Uložit graf…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
              &ResultsView::chooseChartFile);
    makeAction(QStringLiteral("&Tisknout graf…"), QKeySequence::Print, &ResultsView::printChart);
    makeAction(QStringLiteral("Přeskočené &soubory…"), {}, &ResultsView::showSkipped);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_actions.append(separator);
    makeAction(QStringLiteral("Nastavení &výsledků programu…"), {}, &ResultsView::editProgramSettings);
}

QString ResultsView::iniPath()
{
    return ResultsSettingsFile::iniPath(ProgramLocation::directory());
}

QString ResultsView::programFolder() const
{
    return ResultsSettingsFile::resultsFolder(ResultsSettingsFile::read(iniPath()), iniPath(),
                                              ProgramLocation::directory());
}

QStringList ResultsView::folders() const
{
    return QStringList{programFolder()} + m_addedFolders;
}

void ResultsView::addFolder(const QString &folder)
{
    const QString key = folderKey(folder);
    for (const QString &known : folders()) {
        if (folderKey(known) == key)
            return;
    }
    m_addedFolders.append(key);
    reload();
}

void ResultsView::removeFolder(const QString &folder)
{
    m_addedFolders.removeAll(folderKey(folder));
    reload();
}

void ResultsView::reload()
{
    m_loaded = true;
    m_records = results::readRecords(folders());
    m_attemptModel->setRows(m_records.attempts);
    fillFolderList();
    fillBankChoice();
    updateStatistics();
    if (!m_records.skipped.isEmpty() || !m_records.unreadableFolders.isEmpty())
        emit status(results::skippedText(m_records));
}

void ResultsView::fillFolderList()
{
    m_folderList->clear();
    const QStringList all = folders();
    for (int i = 0; i < all.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(all.at(i));
        auto *item = new QListWidgetItem(i == 0 ? QStringLiteral("%1 (složka programu)").arg(shown) : shown);
        item->setData(Qt::UserRole, all.at(i));
        m_folderList->addItem(item);
    }
}

// Each bank by its path; a bank edited in between (a new SHA-256 at the same path) also by
// each of its versions, which its statistics keep apart.
void ResultsView::fillBankChoice()
{
    const QVariant chosen = m_bank->currentData();
    std::map<QString, std::set<QString>> versions;
    for (const results::AttemptRecord &record : std::as_const(m_records.attempts))
        versions[record.bank.path].insert(record.bank.table.sha256);
    const QSignalBlocker quiet(m_bank);
    m_bank->clear();
    m_bank->addItem(QStringLiteral("všechny banky"), QStringList());
    const auto addBank = [this](const QString &text, const QString &path, const QString &sha256) {
        m_bank->addItem(text, QStringList{path, sha256});
        const QString toolTip = QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), sha256);
        m_bank->setItemData(m_bank->count() - 1, toolTip.trimmed(), Qt::ToolTipRole);
    };
    for (const auto &[path, shas] : versions) {
        addBank(shortBankName(path), path, QString());
        for (const QString &sha256 : shas) {
            if (shas.size() > 1)
                addBank(bankVersionName(path, sha256), path, sha256);
        }
    }
    const int index = m_bank->findData(chosen);
    m_bank->setCurrentIndex(index < 0 ? 0 : index);
    bankChosen();
}

void ResultsView::bankChosen()
{
    const QStringList bank = m_bank->currentData().toStringList();
    m_selection->setBank(bank.value(0), bank.value(1));
}

void ResultsView::updateStatistics()
{
    m_summary = results::summarise(m_selection->selected());
    m_questionModel->setRows(m_summary.questions);
    m_personModel->setRows(m_summary.persons);
    m_chart->setQuestions(m_summary.questions);
    for (QTableView *table : {m_attemptTable, m_questionTable, m_personTable})
        table->resizeColumnsToContents();
    const int all = static_cast<int>(m_records.attempts.size());
    const int shown = static_cast<int>(m_summary.attempts.size());
    QString text = shown == all ? results::counted(all, QStringLiteral("pokus"), QStringLiteral("pokusy"),
                                                   QStringLiteral("pokusů"))
                                : QStringLiteral("%1 z %2").arg(shown).arg(all);
    if (!m_records.skipped.isEmpty())
        text += QStringLiteral("; přeskočeno: ")
                + results::counted(static_cast<int>(m_records.skipped.size()), QStringLiteral("soubor"),
                                   QStringLiteral("soubory"), QStringLiteral("souborů"));
    m_counts->setText(text);
    m_counts->setAccessibleName(text);
}

void ResultsView::setPerson(const QString &person)
{
    m_person->setText(person);
}

void ResultsView::setDates(std::optional<QDate> from, std::optional<QDate> to)
{
    const QSignalBlocker quietFrom(m_from);
    const QSignalBlocker quietTo(m_to);
    m_from->setDate(from.value_or(NoDate));
    m_to->setDate(to.value_or(NoDate));
    dateChanged();
}

void ResultsView::setBank(const QString &path, const QString &sha256)
{
    m_bank->setCurrentIndex(std::max(0, m_bank->findData(QStringList{path, sha256})));
}

void ResultsView::dateChanged()
{
    m_selection->setDates(dateOf(m_from), dateOf(m_to));
}

void ResultsView::openQuestionOfRow(const QModelIndex &index)
{
    const results::QuestionStatistics &question = m_questionModel->row(m_questionSorted->mapToSource(index).row());
    emit questionChosen(question.bankPath, question.cis);
}

bool ResultsView::exportCsv(const QString &path)
{
    if (const auto reason = results::writeFileWhole(path, results::resultsCsv(m_summary))) {
        Messages::showError(QStringLiteral("Výsledky nelze uložit do souboru %1: %2")
                                .arg(QDir::toNativeSeparators(path), *reason));
        return false;
    }
    emit status(QStringLiteral("Výsledky uloženy do %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ResultsView::saveChart(const QString &path)
{
    if (const auto reason = m_chart->save(path)) {
        Messages::showError(QStringLiteral("Graf nelze uložit do souboru %1: %2")
                                .arg(QDir::toNativeSeparators(path), *reason));
        return false;
    }
    emit status(QStringLiteral("Graf uložen do %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void ResultsView::printChart()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Podíl správných odpovědí"));
    if (PrintDialog::execute(printer, this))
        m_chart->paintOn(printer);
}

void ResultsView::chooseFolderToAdd()
{
    const QString folder = Prompts::folder(this, QStringLiteral("Přidat složku výsledků"));
    if (!folder.isEmpty())
        addFolder(folder);
}

void ResultsView::removeCurrentFolder()
{
    // The program's own folder stays; it follows Test.ini.
    if (m_folderList->currentRow() > 0)
        removeFolder(m_folderList->currentItem()->data(Qt::UserRole).toString());
}

void ResultsView::chooseCsvFile()
{
    const QString path = Prompts::saveFile(this, QStringLiteral("Exportovat výsledky do CSV"),
                                           QStringLiteral("vysledky.csv"), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void ResultsView::chooseChartFile()
{
    const QString path = Prompts::saveFile(this, QStringLiteral("Uložit graf"), QStringLiteral("graf.png"),
                                           QStringLiteral("Obrázek PNG (*.png);;Dokument PDF (*.pdf)"));
    if (!path.isEmpty())
        saveChart(path);
}

void ResultsView::showSkipped()
{
    const QString text = results::skippedText(m_records);
    Messages::show(text.isEmpty() ? QStringLiteral("Žádný soubor nebyl přeskočen.") : text,
                   QStringLiteral("Přeskočené soubory"));
}

void ResultsView::editProgramSettings()
{
    const QString ini = iniPath();
    const ResultsSettings current = ResultsSettingsFile::read(ini);
    ResultsSettingsDialog dialog(current, ini,
                                 ResultsSettingsFile::resultsFolder({}, ini, ProgramLocation::directory()), this);
    if (dialog.exec() == QDialog::Accepted && !(dialog.values() == current))
        applyProgramSettings(dialog.values());
}

void ResultsView::applyProgramSettings(const ResultsSettings &values)
{
    ResultsSettingsFile::write(iniPath(), values);
    emit status(QStringLiteral("Nastavení výsledků uloženo do %1").arg(QDir::toNativeSeparators(iniPath())));
    reload();
}

void ResultsView::readSettings(const QSettings &settings)
{
    m_addedFolders = settings.value(FoldersKey).toStringList();
}

void ResultsView::writeSettings(QSettings &settings) const
{
    settings.setValue(FoldersKey, m_addedFolders);
}

void ResultsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The folders are read when the results are first looked at, not at every start.
    if (!m_loaded)
        guarded([this] { reload(); });
}
