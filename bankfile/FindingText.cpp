// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/FindingText.h"

#include "bank/BankRules.h"
#include "bankfile/BankCheck.h"
#include "bankfile/CzechCount.h"

#include <QDir>
#include <algorithm>
#include <cmath>

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

// What to do about numbers that do not run from 0 to the count − 1.
const QString NumberingRemedy = QStringLiteral("otázky číslujte od 0, nebo sloupec Cis vynechte a nástroj je očísluje");

QString quotedList(const QStringList &names)
{
    return QStringLiteral("„%1“").arg(names.join(QStringLiteral("“, „")));
}

// Long lists are cut: "0, 5, 7 … a dalších 3".
QString listed(const QStringList &items, qsizetype limit = ListedItems)
{
    QString text = items.mid(0, limit).join(QStringLiteral(", "));
    if (items.size() > limit)
        text += QStringLiteral(" … a dalších %1").arg(items.size() - limit);
    return text;
}

// What a record's value means for the test and what to do, the same for `build` and `check`.
QString recordSentence(const Finding &finding)
{
    switch (finding.kind) {
    case FindingKind::AnswerOutOfRange:
        return QStringLiteral("CspravOdp %1 není 0, 1 ani 2, žádná odpověď nebude správná").arg(value(finding, 0));
    case FindingKind::GroupOutOfRange:
        return QStringLiteral("Skupina %1 není 1, 2 ani 3, otázka se do testu nedostane").arg(value(finding, 0));
    case FindingKind::EmptyText:
        if (finding.field == QLatin1String("Dotaz"))
            return QStringLiteral("pole Dotaz je prázdné, test ukáže otázku bez textu; text doplňte");
        return QStringLiteral("pole %1 je prázdné, test ukáže prázdnou odpověď %2; text doplňte")
            .arg(finding.field, QChar(u'A' + finding.field.right(1).toInt() - 1));
    case FindingKind::UnreachableRecord:
        return QStringLiteral("otázka se do testu nikdy nedostane, čísla Cis mají jít od 0 do %1; %2")
            .arg(value(finding, 0).toInt() - 1).arg(NumberingRemedy);
    case FindingKind::RepeatedNumber:
        return QStringLiteral("Cis %1 se opakuje (poprvé %2 %3)%4; %5")
            .arg(value(finding, 0), finding.file.isEmpty() ? QStringLiteral("v záznamu") : QStringLiteral("na řádku"),
                 value(finding, 1),
                 finding.values.size() > 2 ? QString() : QStringLiteral(", otázka se do testu nedostane"), NumberingRemedy);
    default:
        return QString();
    }
}

QString numbersLeadingToLast(const Finding &finding)
{
    const bool one = finding.values.size() == 1;
    return QStringLiteral("Žádná otázka nemá Cis %1; místo %2 se losuje poslední otázka, která tak může být v testu "
                          "vícekrát; %3")
        .arg(listed(finding.values), one ? QStringLiteral("něj") : QStringLiteral("každého z nich"), NumberingRemedy);
}

QString csvText(const Finding &finding)
{
    const QString where = inputPlace(finding);
    switch (finding.kind) {
    case FindingKind::UnknownColumns:
        return finding.values.size() == 1
            ? QStringLiteral("%1: sloupec %2 není pole banky, nástroj ho vynechá").arg(where, quotedList(finding.values))
            : QStringLiteral("%1: sloupce %2 nejsou pole banky, nástroj je vynechá").arg(where, quotedList(finding.values));
    case FindingKind::MissingColumns:
        return QStringLiteral("%1: %2 %3; první řádek jmenuje sloupce Skupina, Dotaz, Odp1, Odp2, Odp3 a CspravOdp "
                              "(Cis a Komentar smějí chybět)")
            .arg(where, finding.values.size() == 1 ? QStringLiteral("chybí sloupec") : QStringLiteral("chybějí sloupce"),
                 finding.values.join(QStringLiteral(", ")));
    case FindingKind::DuplicateColumn:
        return QStringLiteral("%1: sloupec %2 je uveden dvakrát; jeden z nich smažte nebo přejmenujte").arg(where, finding.field);
    case FindingKind::NotANumber:
        return QStringLiteral("%1: %2 „%3“ není celé číslo; %4")
            .arg(where, finding.field, value(finding, 0),
                 finding.field == QLatin1String("Cis") ? NumberingRemedy : QStringLiteral("napište skupinu 1, 2 nebo 3"));
    case FindingKind::NotAnAnswer:
        return QStringLiteral("%1: CspravOdp „%2“ neoznačuje odpověď; napište A, B nebo C (nebo 0, 1, 2)").arg(where, value(finding, 0));
    default:
        return QStringLiteral("%1: řádek má %2 hodnot místo %3; text, ve kterém je oddělovač „%4“, dejte do uvozovek")
            .arg(where, value(finding, 0), value(finding, 1), value(finding, 2));
    }
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
    case FindingKind::UnknownColumns:
    case FindingKind::MissingColumns:
    case FindingKind::DuplicateColumn:
    case FindingKind::NotANumber:
    case FindingKind::NotAnAnswer:
    case FindingKind::WrongCellCount:
        return csvText(finding);
    case FindingKind::NumberLeadsToLast:
        return numbersLeadingToLast(finding);
    case FindingKind::UnreadableValue:
        return QStringLiteral("%1: %2").arg(buildPlace(finding), value(finding, 0));
    default:
        return QStringLiteral("%1: %2").arg(place(finding), recordSentence(finding));
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

// The heading of the check's line that lists the findings of a kind; empty for the kinds whose
// findings are sentences of their own.
QString checkHeading(FindingKind kind)
{
    if (kind == FindingKind::MissingField)
        return QStringLiteral("Chybějící pole");
    return kind == FindingKind::UnreadableValue ? QStringLiteral("Nečitelné hodnoty (program ohlásí chybu)") : QString();
}

// The report lists these on one line too, though each is a sentence of its own elsewhere.
QString reportHeading(FindingKind kind)
{
    return kind == FindingKind::AnswerOutOfRange ? QStringLiteral("CspravOdp mimo 0..2") : checkHeading(kind);
}

QString checkItem(const Finding &finding)
{
    if (finding.kind == FindingKind::MissingField)
        return finding.field;
    return QStringLiteral("%1: %2").arg(recordPlace(finding), value(finding, 0));
}

// A finding of the check as a sentence of its own.
QString checkSentence(const Finding &finding)
{
    switch (finding.kind) {
    case FindingKind::TooFewRecords:
        return QStringLiteral("Banka potřebuje aspoň 6 záznamů, aby test měl aspoň jednu otázku.");
    case FindingKind::QuotaShortfall:
        return QStringLiteral("Skupina %1 nenaplní kvótu: potřebuje %2, vylosovat lze %3 (program test nevygeneruje).")
            .arg(value(finding, 0))
            .arg(czechCount(value(finding, 1).toLongLong(), {"otázku", "otázky", "otázek"}))
            .arg(value(finding, 2));
    case FindingKind::NumberLeadsToLast:
        return numbersLeadingToLast(finding);
    default:
        return QStringLiteral("%1: %2").arg(recordPlace(finding), recordSentence(finding));
    }
}

QString checkText(const Finding &finding)
{
    const QString heading = checkHeading(finding.kind);
    return heading.isEmpty() ? checkSentence(finding) : QStringLiteral("%1: %2").arg(heading, checkItem(finding));
}

// The report's lines for the findings of one kind: a listing line, or a sentence each, cut
// after ListedItems.
QStringList checkLines(const QList<Finding> &findings)
{
    const FindingKind kind = findings.first().kind;
    const QString heading = reportHeading(kind);
    QStringList items;
    for (const Finding &finding : findings)
        items.append(heading.isEmpty() ? checkSentence(finding) : checkItem(finding));
    if (!heading.isEmpty())
        return {QStringLiteral("%1: %2").arg(heading, listed(items, kind == FindingKind::MissingField ? items.size() : ListedItems))};
    if (items.size() > ListedItems)
        return items.mid(0, ListedItems) << QStringLiteral("… a dalších %1 takových záznamů").arg(items.size() - ListedItems);
    return items;
}

// The check's findings, those of a kind together in their order.
QStringList checkFindingLines(const QList<Finding> &findings)
{
    QStringList lines;
    for (qsizetype start = 0; start < findings.size();) {
        qsizetype end = start + 1;
        while (end < findings.size() && findings[end].kind == findings[start].kind)
            ++end;
        lines += checkLines(findings.mid(start, end - start));
        start = end;
    }
    return lines;
}

// Whether group 1 took up what the rounding of the percentages or the quotas left over, so
// that equal groups show unequal figures.
bool roundedIntoGroupOne(const BankCheck &check)
{
    const GroupQuotas &quotas = check.quotas;
    const double quota = static_cast<double>(quotas.questionCount) * quotas.percent[1] / 100.0;
    return quotas.percent[1] != groupPercentOf(check.groupCount[1], check.recordCount)
        || (quotas.questionCount > 0 && quotas.quota[1] != static_cast<qint32>(std::nearbyint(quota)));
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
    if (roundedIntoGroupOne(check))
        lines.append(QStringLiteral("Procenta jsou podíly skupin ze všech %1 zaokrouhlené na celá čísla; co do 100 % "
                                    "chybí nebo přebývá, připadne skupině 1. Kvóta je týž podíl z otázek testu, "
                                    "zaokrouhlený rozdíl nese opět skupina 1.")
                         .arg(czechCount(check.recordCount, {"záznamu", "záznamů", "záznamů"})));
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
        return kind == FindingKind::UnstorableCharacter || kind == FindingKind::UnreadableValue
                || kind == FindingKind::MissingColumns || kind == FindingKind::DuplicateColumn
                || kind == FindingKind::NotANumber || kind == FindingKind::NotAnAnswer || kind == FindingKind::WrongCellCount
            ? FindingEffect::Blocks
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
    lines += checkFindingLines(check.findings);
    lines.append(check.testCanBeDrawn ? QStringLiteral("Výsledek: test lze vylosovat.")
                                      : QStringLiteral("Výsledek: test nelze vylosovat."));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
