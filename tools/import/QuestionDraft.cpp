// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionDraft.h"

#include <QDir>
#include <cmath>

namespace {

constexpr double Full = 100;

bool isNear(double value, double target)
{
    return std::abs(value - target) < 1e-6;
}

// Why the draft cannot be a record, or empty when it can.
QString whyRejected(const QuestionDraft &draft)
{
    if (!draft.singleAnswer)
        return QStringLiteral("více možných správných odpovědí");
    int correct = 0;
    for (const Choice &choice : draft.choices) {
        if (isNear(choice.fraction, Full))
            ++correct;
        else if (!isNear(choice.fraction, 0))
            return QStringLiteral("dílčí hodnocení odpovědi (%1 %)").arg(choice.fraction);
    }
    if (correct > 1)
        return QStringLiteral("víc správných odpovědí");
    if (correct == 0)
        return QStringLiteral("žádná správná odpověď");
    if (draft.choices.size() != 3)
        return QStringLiteral("počet odpovědí %1, ne 3").arg(draft.choices.size());
    if (draft.text.isEmpty())
        return QStringLiteral("prázdné zadání");
    for (qsizetype i = 0; i < draft.choices.size(); ++i) {
        if (draft.choices[i].text.isEmpty())
            return QStringLiteral("prázdná odpověď %1").arg(QChar(char16_t(u'A' + i)));
    }
    return QString();
}

ImportedQuestion record(const QuestionDraft &draft)
{
    ImportedQuestion question;
    question.text = draft.text;
    for (qsizetype i = 0; i < 3; ++i) {
        question.answers[i] = draft.choices[i].text;
        if (isNear(draft.choices[i].fraction, Full))
            question.correct = static_cast<int>(i);
    }
    question.comment = draft.generalFeedback.isEmpty() ? draft.choices[question.correct].feedback
                                                       : draft.generalFeedback;
    question.category = draft.category;
    question.name = draft.name;
    question.file = draft.file;
    question.line = draft.line;
    return question;
}

}

void addDraft(ImportResult &result, const QuestionDraft &draft)
{
    const QString rejection = whyRejected(draft);
    if (!rejection.isEmpty()) {
        addSkipped(result, draft.name, draft.file, draft.line, rejection);
        return;
    }
    result.questions.append(record(draft));
    if (draft.droppedImage)
        result.warnings.append(QStringLiteral("Soubor %1, řádek %2: otázka „%3“: vložený obrázek nebo soubor vynechán")
                                   .arg(QDir::toNativeSeparators(draft.file))
                                   .arg(draft.line)
                                   .arg(draft.name));
}

void addSkipped(ImportResult &result, const QString &name, const QString &file, int line, const QString &reason)
{
    result.skipped.append({name, file, line, reason});
}

QString nameFromText(const QString &text)
{
    constexpr qsizetype Length = 40;
    const QString line = text.simplified();
    return line.size() <= Length ? line : line.left(Length) + QStringLiteral("…");
}
