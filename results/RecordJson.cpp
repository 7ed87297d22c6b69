// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <limits>

namespace results {

namespace {

// ISO 8601 with the offset written out, "+00:00" rather than "Z" too, so every time reads alike.
QJsonValue timeValue(const QDateTime &time)
{
    if (!time.isValid())
        return QJsonValue::Null;
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        + QStringLiteral("%1%2:%3")
              .arg(QChar(offset < 0 ? u'-' : u'+'))
              .arg(minutes / 60, 2, 10, QLatin1Char('0'))
              .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QJsonValue answerValue(const std::optional<qint32> &answer)
{
    if (!answer || *answer < 0 || *answer > 2)
        return QJsonValue::Null;
    return QString(QChar(u'A' + *answer));
}

QJsonValue fileValue(const std::optional<FileFacts> &file)
{
    if (!file)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("size"), file->size},
                       {QStringLiteral("modified"), timeValue(file->modified)},
                       {QStringLiteral("sha256"), file->sha256}};
}

QJsonObject bankObject(const BankFacts &bank)
{
    return {{QStringLiteral("path"), bank.path},
            {QStringLiteral("recordCount"), bank.recordCount},
            {QStringLiteral("quotas"), QJsonArray{bank.quotas[0], bank.quotas[1], bank.quotas[2]}},
            {QStringLiteral("table"), fileValue(bank.table)},
            {QStringLiteral("memo"), fileValue(bank.memo)}};
}

QJsonArray questionArray(const QList<AttemptQuestion> &questions)
{
    QJsonArray array;
    for (const AttemptQuestion &question : questions)
        array.append(QJsonObject{{QStringLiteral("cis"), question.cis},
                                 {QStringLiteral("group"), question.group},
                                 {QStringLiteral("correct"), answerValue(question.correct)},
                                 {QStringLiteral("given"), answerValue(question.given)},
                                 {QStringLiteral("evaluation"), question.evaluation},
                                 {QStringLiteral("answeredAt"), timeValue(question.answeredAt)}});
    return array;
}

QJsonObject countsObject(const AttemptCounts &counts)
{
    return {{QStringLiteral("correct"), counts.correct},
            {QStringLiteral("wrong"), counts.wrong},
            {QStringLiteral("unanswered"), counts.unanswered},
            {QStringLiteral("percent"), counts.percent},
            {QStringLiteral("countsText"), counts.countsText},
            {QStringLiteral("rateText"), counts.rateText}};
}

// Reads the fields of one object; the first field that does not read names the problem and
// every later read gives a default.
class FieldReader
{
public:
    FieldReader(const QJsonObject &object, QString &problem, const QString &where = QString())
        : m_object(object), m_problem(problem), m_where(where)
    {
    }

    QString text(const char *key, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isString())
            return value.toString();
        if (required || !(value.isUndefined() || value.isNull()))
            fail(key);
        return {};
    }

    qint64 integer(const char *key, qint64 minimum, qint64 maximum)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || number != std::floor(number) || number < minimum || number > maximum) {
            fail(key);
            return minimum;
        }
        return static_cast<qint64>(number);
    }

    qint32 int32(const char *key, qint32 minimum = std::numeric_limits<qint32>::min(),
                 qint32 maximum = std::numeric_limits<qint32>::max())
    {
        return static_cast<qint32>(integer(key, minimum, maximum));
    }

    QDateTime time(const char *key, bool required = false)
    {
        const QString value = text(key, required);
        if (value.isEmpty()) {
            if (required)
                fail(key);
            return {};
        }
        const QDateTime time = QDateTime::fromString(value, Qt::ISODate);
        if (!time.isValid())
            fail(key);
        return time;
    }

    std::optional<qint32> answer(const char *key)
    {
        const QString value = text(key);
        if (value.isEmpty())
            return std::nullopt;
        if (value.size() != 1 || value[0] < u'A' || value[0] > u'C') {
            fail(key);
            return std::nullopt;
        }
        return value[0].unicode() - u'A';
    }

    QJsonObject object(const char *key, bool required = true)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isObject() && (required || !value.isNull()))
            fail(key);
        return value.toObject();
    }

    bool isNull(const char *key) const { return m_object.value(QLatin1String(key)).isNull(); }

    QJsonArray array(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isArray())
            fail(key);
        return value.toArray();
    }

    void fail(const char *key)
    {
        if (m_problem.isEmpty())
            m_problem = QStringLiteral("pole „%1%2“ chybí nebo má chybnou hodnotu").arg(m_where, QLatin1String(key));
    }

private:
    QJsonObject m_object;
    QString &m_problem;
    QString m_where;
};

FileFacts readFile(const QJsonObject &object, QString &problem, const QString &where)
{
    FieldReader fields(object, problem, where);
    FileFacts file;
    file.size = fields.integer("size", 0, std::numeric_limits<qint64>::max() / 2);
    file.modified = fields.time("modified");
    file.sha256 = fields.text("sha256");
    return file;
}

BankFacts readBank(const QJsonObject &object, QString &problem)
{
    FieldReader fields(object, problem, QStringLiteral("bank."));
    BankFacts bank;
    bank.path = fields.text("path");
    bank.recordCount = fields.int32("recordCount", 0);
    const QJsonArray quotas = fields.array("quotas");
    if (quotas.size() != 3)
        fields.fail("quotas");
    for (int g = 0; g < 3 && g < quotas.size(); ++g)
        bank.quotas[g] = quotas[g].toInt();
    bank.table = readFile(fields.object("table"), problem, QStringLiteral("bank.table."));
    if (!fields.isNull("memo"))
        bank.memo = readFile(fields.object("memo"), problem, QStringLiteral("bank.memo."));
    return bank;
}

QList<AttemptQuestion> readQuestions(const QJsonArray &array, QString &problem)
{
    QList<AttemptQuestion> questions;
    questions.reserve(array.size());
    for (int i = 0; i < array.size() && problem.isEmpty(); ++i) {
        FieldReader fields(array[i].toObject(), problem, QStringLiteral("questions[%1].").arg(i));
        if (!array[i].isObject())
            fields.fail("cis");
        AttemptQuestion question;
        question.cis = fields.int32("cis");
        question.group = fields.int32("group");
        question.correct = fields.answer("correct");
        question.given = fields.answer("given");
        question.evaluation = fields.int32("evaluation", 0, 2);
        question.answeredAt = fields.time("answeredAt");
        questions.append(question);
    }
    return questions;
}

AttemptCounts readCounts(const QJsonObject &object, QString &problem)
{
    FieldReader fields(object, problem, QStringLiteral("counts."));
    AttemptCounts counts;
    counts.correct = fields.int32("correct", 0);
    counts.wrong = fields.int32("wrong", 0);
    counts.unanswered = fields.int32("unanswered", 0);
    counts.percent = fields.int32("percent", 0, 100);
    counts.countsText = fields.text("countsText");
    counts.rateText = fields.text("rateText");
    return counts;
}

}

QByteArray toJson(const AttemptRecord &record)
{
    const QJsonObject object{
        {QStringLiteral("format"), QLatin1String(RecordFormat)},
        {QStringLiteral("formatVersion"), RecordFormatVersion},
        {QStringLiteral("id"), record.id},
        {QStringLiteral("program"), record.programVersion},
        {QStringLiteral("start"), timeValue(record.start)},
        {QStringLiteral("end"), timeValue(record.end)},
        {QStringLiteral("minutes"), record.minutes},
        {QStringLiteral("ending"), endingText(record.ending)},
        {QStringLiteral("person"), record.person},
        {QStringLiteral("computer"), record.computer},
        {QStringLiteral("bank"), bankObject(record.bank)},
        {QStringLiteral("testCode"), record.testCode},
        {QStringLiteral("overview"), record.overview},
        {QStringLiteral("questions"), questionArray(record.questions)},
        {QStringLiteral("counts"), countsObject(record.counts)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ParsedRecord parseRecord(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("není platný JSON (znak %1: %2)").arg(error.offset + 1).arg(error.errorString())};
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("format")).toString() != QLatin1String(RecordFormat))
        return {std::nullopt, QStringLiteral("není záznam pokusu Testu znalostí")};
    const int version = object.value(QStringLiteral("formatVersion")).toInt(0);
    if (version < 1)
        return {std::nullopt, QStringLiteral("chybí platná verze formátu")};
    if (version > RecordFormatVersion)
        return {std::nullopt, QStringLiteral("záznam ve formátu verze %1 zapsala novější verze programu").arg(version)};

    QString problem;
    FieldReader fields(object, problem);
    AttemptRecord record;
    record.id = fields.text("id", true);
    if (record.id.isEmpty())
        fields.fail("id");
    record.programVersion = fields.text("program");
    record.start = fields.time("start", true);
    record.end = fields.time("end");
    record.minutes = fields.int32("minutes", 0);
    const std::optional<Ending> ending = endingFromText(fields.text("ending", true));
    if (!ending)
        fields.fail("ending");
    record.ending = ending.value_or(Ending::Unfinished);
    record.person = fields.text("person");
    record.computer = fields.text("computer");
    record.bank = readBank(fields.object("bank"), problem);
    record.testCode = fields.text("testCode");
    record.overview = fields.text("overview");
    record.questions = readQuestions(fields.array("questions"), problem);
    record.counts = readCounts(fields.object("counts"), problem);
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {std::move(record), QString()};
}

}
