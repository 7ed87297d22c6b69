// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/QuestionDraft.h"

#include "bank/BankRules.h"
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

// The question's texts and correct answer; the number and group come later.
BankRecord record(const QuestionDraft &draft)
{
    BankRecord record;
    record.dotaz = draft.text;
    for (int i = 0; i < BankRules::AnswerCount; ++i) {
        record.answer(i) = draft.choices[i].text;
        if (isNear(draft.choices[i].fraction, Full))
            record.cspravOdp = i;
    }
    record.komentar = draft.generalFeedback.isEmpty() ? draft.choices[record.cspravOdp].feedback
                                                      : draft.generalFeedback;
    return record;
}

Finding found(FindingKind kind, const QString &name, const QString &file, int line)
{
    Finding finding;
    finding.source = FindingSource::Build;
    finding.kind = kind;
    finding.file = file;
    finding.line = line;
    finding.question = name;
    return finding;
}

}

void addDraft(BankContent &content, const QuestionDraft &draft)
{
    const QString rejection = whyRejected(draft);
    if (!rejection.isEmpty()) {
        addSkipped(content, draft.name, draft.file, draft.line, rejection);
        return;
    }
    if (draft.droppedImage) {
        Finding image = found(FindingKind::DroppedImage, draft.name, draft.file, draft.line);
        image.record = static_cast<int>(content.records.size());
        content.findings.append(image);
    }
    content.records.append(record(draft));
    RecordOrigin origin;
    origin.file = draft.file;
    origin.line = draft.line;
    origin.name = draft.name;
    origin.category = draft.category;
    content.origins.append(origin);
}

void addSkipped(BankContent &content, const QString &name, const QString &file, int line, const QString &reason)
{
    Finding skipped = found(FindingKind::SkippedQuestion, name, file, line);
    skipped.values = {reason};
    content.findings.append(skipped);
}

QString nameFromText(const QString &text)
{
    constexpr qsizetype Length = 40;
    const QString line = text.simplified();
    return line.size() <= Length ? line : line.left(Length) + QStringLiteral("…");
}
