// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"
#include "settings/ResultsSettings.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QWidget;
namespace results { class RecordKeeper; }

// The record of the attempt on screen: made at "Start testu" from the program-wide test state,
// saved again after every answer and completed by the evaluation. Test.ini's section Vysledky
// decides whether, where and for whom. A record that cannot be written never stops the test:
// the evaluation says once why it is not kept.
class AttemptRecording
{
public:
    AttemptRecording();
    ~AttemptRecording();

    // Before the countdown: reads Test.ini and asks for the name when it says so. False when
    // the person cancelled the start.
    bool prepare(QWidget *parent);
    // Right after the start: the new attempt's first record, still "nedokončen".
    void begin(const QString &overview);
    // After question `n` has been answered and evaluated.
    void answered(int n);
    // How the test is about to end.
    void setEnding(results::Ending ending);
    // After the evaluation: the record completed. When it cannot be kept, one message names the
    // folder and the reason.
    void finish();
    // A new test replaces the one on screen before its evaluation: the record stays as it
    // stood, "nedokončen", and nothing more is saved into it. Says nothing, as the draw does.
    void abandon();

    // How long the evaluation waits for a folder that does not answer.
    static constexpr int FinishWaitMilliseconds = 5000;

private:
    void save();

    ResultsSettings m_settings;
    QString m_person;
    std::optional<results::AttemptRecord> m_record;
    QList<QDateTime> m_answeredAt; // by question, 0-based
    results::Ending m_ending = results::Ending::Unfinished;
    std::unique_ptr<results::RecordKeeper> m_keeper;
};
