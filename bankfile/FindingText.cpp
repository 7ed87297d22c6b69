// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/FindingText.h"

#include "bank/BankRules.h"
#include "bankfile/BankCheck.h"
#include "bankfile/CzechCount.h"

#include <QDir>
#include <algorithm>

namespace {

// Long lists are cut in the check's report.
constexpr qsizetype ListedItems = 20;

QString value(const Finding &finding, int index)
{
    return finding.values.value(index);
}

QString inputPlace(const Finding &finding)
{
    return QStringLiteral("Soubor %1, řádek %2").arg(QDir::toNativeSeparators(finding.file)).arg(finding.line);
}

QString recordPlace(const Finding &finding)
{
    const QString record = QStringLiteral("záznam %1").arg(finding.record + 1);
    return finding.cis ? record + QStringLiteral(" (Cis %1)").arg(*finding.cis) : record;
}

// The input's place where the question came from a file, else the record's.
QString place(const Finding &finding)
{
    return finding.file.isEmpty() ? recordPlace(finding) : inputPlace(finding);
}

// The place with the question's name: "Soubor a.gift, řádek 3: otázka „Název“".
QString questionPlace(const Finding &finding)
{
    return QStringLiteral("%1: otázka „%2“").arg(inputPlace(finding), finding.question);
}

// The place of a text that stops a build: "Soubor a.gift, řádek 3, otázka „Název“".
QString buildPlace(const Finding &finding)
{
    if (finding.file.isEmpty() || finding.question.isEmpty())
        return place(finding);
    return QStringLiteral("%1, otázka „%2“").arg(inputPlace(finding), finding.question);
}

QString buildText(const Finding &finding)
{
    switch (finding.kind) {
    case FindingKind::SkippedQuestion:
        return QStringLiteral("%1: %2").arg(questionPlace(finding), value(finding, 0));
    case FindingKind::DroppedImage:
        return questionPlace(finding) + QStringLiteral(": vložený obrázek nebo soubor vynechán");
    case FindingKind::NumberedInOrder:
        return QStringLiteral("Vstupů je víc, otázky jsou proto očíslovány v pořadí od 0; pole Cis ze souborů CSV se nepoužije");
    case FindingKind::UnstorableCharacter:
        return QStringLiteral("%1, pole %2: znak „%3“ (U+%4) na %5. místě textu nelze uložit v kódování Windows-1250")
            .arg(buildPlace(finding), finding.field, value(finding, 0), value(finding, 1), value(finding, 2));
    case FindingKind::RepeatedNumber:
        return QStringLiteral("%1: Cis %2 se opakuje (poprvé %3 %4)")
            .arg(place(finding), value(finding, 0),
                 finding.file.isEmpty() ? QStringLiteral("v záznamu") : QStringLiteral("na řádku"), value(finding, 1));
    case FindingKind::AnswerOutOfRange:
        return QStringLiteral("%1: CspravOdp %2 není 0, 1 ani 2, žádná odpověď nebude správná").arg(place(finding), value(finding, 0));
    case FindingKind::GroupOutOfRange:
        return QStringLiteral("%1: Skupina %2 není 1, 2 ani 3, otázka se do testu nedostane").arg(place(finding), value(finding, 0));
    default:
        return QStringLiteral("%1: %2").arg(buildPlace(finding), value(finding, 0));
    }
}

QString exportText(const Finding &finding)
{
    switch (finding.kind) {
    case FindingKind::AnswerOutOfRange:
        return QStringLiteral("%1: CspravOdp %2 mimo 0..2").arg(recordPlace(finding), value(finding, 0));
    case FindingKind::EmptyText:
        return QStringLiteral("%1: prázdné pole %2").arg(recordPlace(finding), finding.field);
    case FindingKind::ControlCharacter:
        return QStringLiteral("%1: pole %2 obsahuje řídicí znak, který soubor pro Moodle nepřenese")
            .arg(recordPlace(finding), finding.field);
    case FindingKind::SurroundingSpace:
        return QStringLiteral("%1: pole %2 začíná nebo končí mezerou, tabulátorem nebo prázdným řádkem; "
                              "Moodle je při importu odstraní")
            .arg(recordPlace(finding), finding.field);
    case FindingKind::MoodlePlaceholder:
        return QStringLiteral("%1: pole %2 obsahuje „%3“, které Moodle při importu GIFT změní na znak; "
                              "tuto banku vyvezte raději jako Moodle XML")
            .arg(recordPlace(finding), finding.field, value(finding, 0));
    default:
        return QStringLiteral("%1: %2").arg(recordPlace(finding), value(finding, 0));
    }
}

// The heading of a kind's line in the check's report; the findings of a kind are listed after it.
QString checkHeading(FindingKind kind)
{
    switch (kind) {
    case FindingKind::MissingField:
        return QStringLiteral("Chybějící pole");
    case FindingKind::UnreadableValue:
        return QStringLiteral("Nečitelné hodnoty (program ohlásí chybu)");
    case FindingKind::UnreachableRecord:
        return QStringLiteral("Záznamy, které nelze nikdy vylosovat");
    case FindingKind::NumberLeadsToLast:
        return QStringLiteral("Čísla, která vedou na poslední záznam (může být v testu vícekrát)");
    case FindingKind::AnswerOutOfRange:
        return QStringLiteral("CspravOdp mimo 0..2");
    case FindingKind::EmptyText:
        return QStringLiteral("Prázdný text otázky nebo odpovědi");
    default:
        return QString();
    }
}

// A finding as an entry of its kind's list.
QString checkItem(const Finding &finding)
{
    switch (finding.kind) {
    case FindingKind::MissingField:
        return finding.field;
    case FindingKind::UnreadableValue:
        return QStringLiteral("záznam %1: %2").arg(finding.record + 1).arg(value(finding, 0));
    case FindingKind::UnreachableRecord:
        return recordPlace(finding);
    case FindingKind::NumberLeadsToLast:
        return value(finding, 0);
    case FindingKind::AnswerOutOfRange:
        return QStringLiteral("%1: %2").arg(recordPlace(finding), value(finding, 0));
    case FindingKind::EmptyText:
        return QStringLiteral("%1: %2").arg(recordPlace(finding), finding.field);
    default:
        return QString();
    }
}

// A sentence of its own, for the kinds that make no list.
QString checkSentence(const Finding &finding)
{
    if (finding.kind == FindingKind::TooFewRecords)
        return QStringLiteral("Banka potřebuje aspoň 6 záznamů, aby test měl aspoň jednu otázku.");
    return QStringLiteral("Skupina %1 nenaplní kvótu: potřebuje %2, vylosovat lze %3 (program test nevygeneruje).")
        .arg(value(finding, 0))
        .arg(czechCount(value(finding, 1).toLongLong(), {"otázku", "otázky", "otázek"}))
        .arg(value(finding, 2));
}

QString checkText(const Finding &finding)
{
    const QString heading = checkHeading(finding.kind);
    return heading.isEmpty() ? checkSentence(finding) : QStringLiteral("%1: %2").arg(heading, checkItem(finding));
}

QString listed(const QStringList &items, qsizetype limit)
{
    QString text = items.mid(0, limit).join(QStringLiteral(", "));
    if (items.size() > limit)
        text += QStringLiteral(" … a dalších %1").arg(items.size() - limit);
    return text;
}

// The report's line for the findings of one kind, those of one record's texts joined.
QString checkLine(const QList<Finding> &findings)
{
    const FindingKind kind = findings.first().kind;
    const QString heading = checkHeading(kind);
    if (heading.isEmpty())
        return checkSentence(findings.first());
    QStringList items;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        if (kind == FindingKind::EmptyText && i > 0 && findings[i].record == findings[i - 1].record)
            items.last() += QLatin1Char('/') + findings[i].field;
        else
            items.append(checkItem(findings[i]));
    }
    return QStringLiteral("%1: %2").arg(heading, listed(items, kind == FindingKind::MissingField ? items.size() : ListedItems));
}

// The check's findings, those of a kind together in their order; kinds without a list alone.
QStringList checkLines(const QList<Finding> &findings)
{
    QStringList lines;
    for (qsizetype start = 0; start < findings.size();) {
        qsizetype end = start + 1;
        if (!checkHeading(findings[start].kind).isEmpty()) {
            while (end < findings.size() && findings[end].kind == findings[start].kind)
                ++end;
        }
        lines.append(checkLine(findings.mid(start, end - start)));
        start = end;
    }
    return lines;
}

QStringList checkFigures(const BankCheck &check)
{
    // The program's arithmetic goes below zero for a bank of fewer than 6 records; a count
    // says 0 there.
    const auto count = [](qint32 value) { return std::max<qint32>(value, 0); };
    QStringList lines;
    for (int g = 1; g <= BankRules::GroupCount; ++g)
        lines.append(QStringLiteral("Skupina %1: %2, %3 %, kvóta %4")
                         .arg(g)
                         .arg(czechCount(check.groupCount[g], {"záznam", "záznamy", "záznamů"}))
                         .arg(check.quotas.percent[g])
                         .arg(count(check.quotas.quota[g])));
    if (check.outsideGroups > 0)
        lines.append(QStringLiteral("Záznamů mimo skupiny 1–3 (nikdy v testu): %1").arg(check.outsideGroups));
    lines.append(QStringLiteral("Otázek v testu: %1").arg(count(check.quotas.questionCount)));
    return lines;
}

}

FindingEffect findingEffect(const Finding &finding)
{
    const FindingKind kind = finding.kind;
    switch (finding.source) {
    case FindingSource::Build:
        if (kind == FindingKind::SkippedQuestion)
            return FindingEffect::LeftOut;
        return kind == FindingKind::UnstorableCharacter || kind == FindingKind::UnreadableValue ? FindingEffect::Blocks
                                                                                                : FindingEffect::Warning;
    case FindingSource::Export:
        return kind == FindingKind::SurroundingSpace || kind == FindingKind::MoodlePlaceholder ? FindingEffect::Warning
                                                                                              : FindingEffect::LeftOut;
    case FindingSource::Check:
        return kind == FindingKind::MissingField || kind == FindingKind::UnreadableValue
                || kind == FindingKind::TooFewRecords || kind == FindingKind::QuotaShortfall
            ? FindingEffect::Blocks
            : FindingEffect::Warning;
    case FindingSource::Dump:
        break;
    }
    return FindingEffect::LeftOut;
}

QString findingText(const Finding &finding)
{
    switch (finding.source) {
    case FindingSource::Build:
        return buildText(finding);
    case FindingSource::Export:
        return exportText(finding);
    case FindingSource::Check:
        return checkText(finding);
    case FindingSource::Dump:
        break;
    }
    return QStringLiteral("Záznam č. %1, pole %2: %3").arg(finding.record + 1).arg(finding.field, value(finding, 0));
}

QString findingLine(const Finding &finding)
{
    const bool prefixed = finding.source == FindingSource::Build || finding.source == FindingSource::Export;
    if (!prefixed || findingEffect(finding) == FindingEffect::Blocks)
        return findingText(finding);
    const QString prefix = findingEffect(finding) == FindingEffect::LeftOut ? QStringLiteral("Vynecháno: ")
                                                                            : QStringLiteral("Upozornění: ");
    return prefix + findingText(finding);
}

QString checkReportText(const BankCheck &check)
{
    QStringList lines = {QStringLiteral("Záznamů: %1").arg(check.recordCount)};
    if (check.complete)
        lines += checkFigures(check);
    lines += checkLines(check.findings);
    lines.append(check.testCanBeDrawn ? QStringLiteral("Výsledek: test lze vylosovat.")
                                      : QStringLiteral("Výsledek: test nelze vylosovat."));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
