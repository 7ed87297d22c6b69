// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AttemptRecording.h"

#include "app/NameDialog.h"
#include "app/TestState.h"
#include "platform/Messages.h"
#include "platform/core/Clock.h"
#include "platform/core/Computer.h"
#include "results/RecordKeeper.h"
#include "testrun/AnswerEvaluation.h"

#include <QDir>
#include <QRandomGenerator>

namespace {

QDateTime clockTime(TDateTime value)
{
    return DateTime::toQDateTime(value);
}

std::optional<qint32> answerIndex(qint32 value)
{
    return value >= 0 && value <= 2 ? std::optional<qint32>(value) : std::nullopt;
}

// The drawn questions with their groups; the answers are filled in at every save.
QList<results::AttemptQuestion> drawnQuestions()
{
    QList<results::AttemptQuestion> questions;
    for (int n = 1; n <= QuestionCount; ++n) {
        results::AttemptQuestion question;
        question.cis = SelectedNumbers[n];
        question.group = SelectedGroups[n];
        question.correct = answerIndex(TestQuestions[n].wcspravOdp);
        questions.append(question);
    }
    return questions;
}

results::AttemptCounts countsNow()
{
    const EvaluationCounts counts = evaluateAnswers(TestQuestions, QuestionCount);
    return {counts.correct, counts.wrong, counts.unanswered, counts.percent, evaluationCountsText(counts),
            QStringLiteral("úspěšnost: %1%").arg(counts.percent)};
}

// The record of a test just started, before any answer.
results::AttemptRecord startedRecord(const QString &person, const QString &overview)
{
    results::AttemptRecord record;
    record.start = clockTime(TestStart);
    record.computer = Computer::hostName();
    record.id = results::attemptId(record.computer, record.start, QRandomGenerator::system()->generate());
    record.programVersion = QStringLiteral(TZ_VERSION);
    record.minutes = TestMinutes;
    record.person = person;
    record.bank = TestBank;
    record.testCode = TestCode;
    record.overview = overview;
    record.questions = drawnQuestions();
    return record;
}

results::FolderKind folderKind(const ResultsSettings &settings)
{
    if (!settings.folder.trimmed().isEmpty())
        return results::FolderKind::Configured;
    return ResultsSettingsFile::isPrivateFolder(settings, ProgramDir) ? results::FolderKind::Private
                                                                      : results::FolderKind::Default;
}

}

AttemptRecording::AttemptRecording() = default;
AttemptRecording::~AttemptRecording() = default;

bool AttemptRecording::prepare(QWidget *parent)
{
    m_settings = ResultsSettingsFile::read(ResultsSettingsFile::iniPath(ProgramDir));
    m_person = Computer::loginName();
    if (!m_settings.keep || !m_settings.askName)
        return true;
    const std::optional<QString> name = askName(parent);
    if (!name)
        return false;
    m_person = *name;
    return true;
}

void AttemptRecording::begin(const QString &overview)
{
    m_record.reset();
    m_keeper.reset();
    if (!m_settings.keep)
        return;
    m_record = startedRecord(m_person, overview);
    m_answeredAt = QList<QDateTime>(QuestionCount);
    m_ending = results::Ending::Unfinished;
    const QString folder =
        ResultsSettingsFile::resultsFolder(m_settings, ResultsSettingsFile::iniPath(ProgramDir), ProgramDir);
    m_keeper = std::make_unique<results::RecordKeeper>(folder, folderKind(m_settings));
    save();
}

void AttemptRecording::answered(int n)
{
    if (!m_record || n < 1 || n > m_answeredAt.size())
        return;
    m_answeredAt[n - 1] = clockTime(Clock::now());
    save();
}

void AttemptRecording::setEnding(results::Ending ending)
{
    m_ending = ending;
}

void AttemptRecording::finish()
{
    if (!m_record)
        return;
    m_record->ending = m_ending;
    m_record->end = clockTime(Clock::now());
    save();
    const std::optional<QString> failure =
        m_keeper->waitUntilWritten(std::chrono::milliseconds(FinishWaitMilliseconds));
    const QString folder = QDir::toNativeSeparators(m_keeper->folder());
    m_record.reset();
    if (failure)
        Messages::show(QStringLiteral("Výsledek testu se nepodařilo uložit do složky %1: %2. "
                                      "Test je vyhodnocen jako obvykle.")
                           .arg(folder, *failure));
}

void AttemptRecording::abandon()
{
    if (!m_record)
        return;
    save();
    m_record.reset();
}

void AttemptRecording::save()
{
    for (int n = 1; n <= m_record->questions.size(); ++n) {
        results::AttemptQuestion &question = m_record->questions[n - 1];
        const Totazka &state = TestQuestions[n];
        question.evaluation = state.wspravneodpovezeno;
        question.given = state.wspravneodpovezeno == Unanswered ? std::nullopt : answerIndex(state.wodpovezeno);
        question.answeredAt = question.given ? m_answeredAt[n - 1] : QDateTime();
    }
    m_record->counts = countsNow();
    m_keeper->save(*m_record);
}
