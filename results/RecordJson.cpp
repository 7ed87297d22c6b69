// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordJson.h"

#include "results/JsonReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
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

using Kind = JsonReader::Kind;

// A field's place, spelt out only for a message: "questions[3].cis".
struct Field
{
    const char *object;
    int index;
    const char *key;

    QString name() const
    {
        QString text = QString::fromLatin1(object);
        if (index >= 0)
            text += QStringLiteral("[%1]").arg(index);
        if (!text.isEmpty())
            text += u'.';
        return text + QString::fromLatin1(key);
    }
};

// The walk through one record: the reader, and the first field that did not read.
struct RecordParse
{
    explicit RecordParse(QByteArrayView text) : json(text) {}

    // Names the field, unless an earlier one is named already.
    void name(const Field &field)
    {
        if (problem.isEmpty())
            problem = QStringLiteral("pole „%1“ chybí nebo má chybnou hodnotu").arg(field.name());
    }
    // Names the field and passes over its value.
    void wrong(const Field &field)
    {
        name(field);
        json.skipValue();
    }

    JsonReader json;
    QString problem;
};

// Calls member(key) for each member of the object; a member it does not take (false) is passed
// over, as are the fields a later version may add.
template<typename Member>
bool readObject(RecordParse &parse, const Field &field, Member &&member)
{
    if (parse.json.next() != Kind::Object) {
        parse.wrong(field);
        return false;
    }
    parse.json.enterObject();
    QByteArrayView key;
    while (parse.json.nextMember(key)) {
        if (!member(key))
            parse.json.skipValue();
    }
    return true;
}

template<typename Element>
int readArray(RecordParse &parse, const Field &field, Element &&element)
{
    if (parse.json.next() != Kind::Array) {
        parse.wrong(field);
        return -1;
    }
    parse.json.enterArray();
    int count = 0;
    while (parse.json.nextElement())
        element(count++);
    return count;
}

QString readText(RecordParse &parse, const Field &field)
{
    if (parse.json.readNull())
        return {};
    if (parse.json.next() != Kind::String) {
        parse.wrong(field);
        return {};
    }
    return QString::fromUtf8(parse.json.readString().value_or(QByteArrayView()));
}

qint64 readInteger(RecordParse &parse, const Field &field, qint64 minimum = std::numeric_limits<qint32>::min(),
                   qint64 maximum = std::numeric_limits<qint32>::max())
{
    if (parse.json.next() != Kind::Number) {
        parse.wrong(field);
        return minimum;
    }
    const double number = parse.json.readNumber().value_or(std::nan(""));
    if (number == std::floor(number) && number >= minimum && number <= maximum)
        return static_cast<qint64>(number);
    parse.name(field);
    return minimum;
}

qint32 readInt32(RecordParse &parse, const Field &field, qint32 minimum = std::numeric_limits<qint32>::min(),
                 qint32 maximum = std::numeric_limits<qint32>::max())
{
    return static_cast<qint32>(readInteger(parse, field, minimum, maximum));
}

int digits(QByteArrayView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Within the years the record's own form writes back.
QDateTime writableTime(const QDateTime &time)
{
    return time.isValid() && time.date().year() >= 1 && time.date().year() <= 9999 ? time : QDateTime();
}

// "2026-03-01T10:15:00+01:00" as the records write it, read without the general parser, which
// would take most of the time a year of records needs; any other ISO 8601 form goes to it.
QDateTime isoTime(QByteArrayView text)
{
    if (text.size() == 25 && text[4] == '-' && text[7] == '-' && text[10] == 'T' && text[13] == ':'
        && text[16] == ':' && (text[19] == '+' || text[19] == '-') && text[22] == ':') {
        const int parts[] = {digits(text, 0, 4),  digits(text, 5, 2),  digits(text, 8, 2), digits(text, 11, 2),
                             digits(text, 14, 2), digits(text, 17, 2), digits(text, 20, 2), digits(text, 23, 2)};
        if (std::all_of(std::begin(parts), std::end(parts), [](int part) { return part >= 0; })) {
            const int offset = (parts[6] * 60 + parts[7]) * 60 * (text[19] == '-' ? -1 : 1);
            return writableTime(QDateTime(QDate(parts[0], parts[1], parts[2]), QTime(parts[3], parts[4], parts[5]),
                                          Qt::OffsetFromUTC, offset));
        }
    }
    return writableTime(QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate));
}

QDateTime readTime(RecordParse &parse, const Field &field, bool required = false)
{
    if (!required && parse.json.readNull())
        return {};
    if (parse.json.next() != Kind::String) {
        parse.wrong(field);
        return {};
    }
    const QDateTime time = isoTime(parse.json.readString().value_or(QByteArrayView()));
    if (!time.isValid())
        parse.name(field);
    return time;
}

std::optional<qint32> readAnswer(RecordParse &parse, const Field &field)
{
    if (parse.json.readNull())
        return std::nullopt;
    const std::optional<QByteArrayView> letter =
        parse.json.next() == Kind::String ? parse.json.readString() : std::nullopt;
    if (letter && letter->size() == 1 && (*letter)[0] >= 'A' && (*letter)[0] <= 'C')
        return (*letter)[0] - 'A';
    if (letter)
        parse.name(field);
    else
        parse.wrong(field);
    return std::nullopt;
}

// bank.table or bank.memo.
FileFacts readFileObject(RecordParse &parse, const char *key, const char *object)
{
    FileFacts file;
    readObject(parse, {"bank", -1, key}, [&](QByteArrayView member) {
        if (member == "size")
            file.size = readInteger(parse, {object, -1, "size"}, 0, std::numeric_limits<qint64>::max() / 2);
        else if (member == "modified")
            file.modified = readTime(parse, {object, -1, "modified"});
        else if (member == "sha256")
            file.sha256 = readText(parse, {object, -1, "sha256"});
        else
            return false;
        return true;
    });
    return file;
}

void readQuotas(RecordParse &parse, BankFacts &bank)
{
    const Field field{"bank", -1, "quotas"};
    const int count = readArray(parse, field, [&](int index) {
        const qint32 quota = readInt32(parse, field);
        if (index < 3)
            bank.quotas[index] = quota;
    });
    if (count >= 0 && count != 3)
        parse.name(field);
}

BankFacts readBank(RecordParse &parse)
{
    BankFacts bank;
    readObject(parse, {"", -1, "bank"}, [&](QByteArrayView key) {
        if (key == "path")
            bank.path = readText(parse, {"bank", -1, "path"});
        else if (key == "recordCount")
            bank.recordCount = readInt32(parse, {"bank", -1, "recordCount"}, 0);
        else if (key == "quotas")
            readQuotas(parse, bank);
        else if (key == "table")
            bank.table = readFileObject(parse, "table", "bank.table");
        else if (key == "memo" && !parse.json.readNull())
            bank.memo = readFileObject(parse, "memo", "bank.memo");
        else if (key != "memo")
            return false;
        return true;
    });
    return bank;
}

AttemptQuestion readQuestion(RecordParse &parse, int index)
{
    AttemptQuestion question;
    const auto field = [index](const char *key) { return Field{"questions", index, key}; };
    readObject(parse, field("cis"), [&](QByteArrayView key) {
        if (key == "cis")
            question.cis = readInt32(parse, field("cis"));
        else if (key == "group")
            question.group = readInt32(parse, field("group"));
        else if (key == "correct")
            question.correct = readAnswer(parse, field("correct"));
        else if (key == "given")
            question.given = readAnswer(parse, field("given"));
        else if (key == "evaluation")
            question.evaluation = readInt32(parse, field("evaluation"), 0, 2);
        else if (key == "answeredAt")
            question.answeredAt = readTime(parse, field("answeredAt"));
        else
            return false;
        return true;
    });
    return question;
}

AttemptCounts readCounts(RecordParse &parse)
{
    AttemptCounts counts;
    const auto field = [](const char *key) { return Field{"counts", -1, key}; };
    readObject(parse, {"", -1, "counts"}, [&](QByteArrayView key) {
        if (key == "correct")
            counts.correct = readInt32(parse, field("correct"), 0);
        else if (key == "wrong")
            counts.wrong = readInt32(parse, field("wrong"), 0);
        else if (key == "unanswered")
            counts.unanswered = readInt32(parse, field("unanswered"), 0);
        else if (key == "percent")
            counts.percent = readInt32(parse, field("percent"), 0, 100);
        else if (key == "countsText")
            counts.countsText = readText(parse, field("countsText"));
        else if (key == "rateText")
            counts.rateText = readText(parse, field("rateText"));
        else
            return false;
        return true;
    });
    return counts;
}

// The members of the record's top object; what was met is noted for the checks after the walk.
struct TopMembers
{
    QString format;
    std::optional<qint64> version;
    bool ending = false;
    bool bank = false;
    bool questions = false;
    bool counts = false;
};

bool readTopMember(RecordParse &parse, QByteArrayView key, AttemptRecord &record, TopMembers &seen)
{
    const auto field = [](const char *name) { return Field{"", -1, name}; };
    if (key == "format") {
        seen.format = readText(parse, field("format"));
    } else if (key == "formatVersion" && parse.json.next() == Kind::Number) {
        const double version = parse.json.readNumber().value_or(0);
        seen.version = version == std::floor(version) && version >= 0 && version < 1e9 ? qint64(version) : 0;
    } else if (key == "id") {
        record.id = readText(parse, field("id"));
    } else if (key == "program") {
        record.programVersion = readText(parse, field("program"));
    } else if (key == "start") {
        record.start = readTime(parse, field("start"), true);
    } else if (key == "end") {
        record.end = readTime(parse, field("end"));
    } else if (key == "minutes") {
        record.minutes = readInt32(parse, field("minutes"), 0);
    } else if (key == "ending") {
        const std::optional<Ending> ending = endingFromText(readText(parse, field("ending")));
        seen.ending = ending.has_value();
        record.ending = ending.value_or(Ending::Unfinished);
    } else if (key == "person") {
        record.person = readText(parse, field("person"));
    } else if (key == "computer") {
        record.computer = readText(parse, field("computer"));
    } else if (key == "bank") {
        record.bank = readBank(parse);
        seen.bank = true;
    } else if (key == "testCode") {
        record.testCode = readText(parse, field("testCode"));
    } else if (key == "overview") {
        record.overview = readText(parse, field("overview"));
    } else if (key == "questions") {
        seen.questions = readArray(parse, field("questions"), [&](int index) {
            record.questions.append(readQuestion(parse, index));
        }) >= 0;
    } else if (key == "counts") {
        record.counts = readCounts(parse);
        seen.counts = true;
    } else {
        return false;
    }
    return true;
}

// What a walk that read as JSON lacks, in the order a reader would look for it.
QString missingField(const AttemptRecord &record, const TopMembers &seen)
{
    const std::pair<bool, const char *> required[] = {
        {!record.id.isEmpty(), "id"},       {record.start.isValid(), "start"}, {seen.ending, "ending"},
        {seen.bank, "bank"},                {seen.questions, "questions"},     {seen.counts, "counts"},
    };
    for (const auto &[present, name] : required) {
        if (!present)
            return QStringLiteral("pole „%1“ chybí nebo má chybnou hodnotu").arg(QLatin1String(name));
    }
    return {};
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
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

ParsedRecord parseRecord(const QByteArray &json)
{
    RecordParse parse(json);
    AttemptRecord record;
    TopMembers seen;
    const bool object = parse.json.next() == Kind::Object;
    if (object) {
        parse.json.enterObject();
        QByteArrayView key;
        while (parse.json.nextMember(key)) {
            if (!readTopMember(parse, key, record, seen))
                parse.json.skipValue();
        }
    } else {
        parse.json.skipValue();
    }
    if (!parse.json.finished())
        return {std::nullopt, QStringLiteral("není platný JSON (%1)").arg(parse.json.error())};
    if (!object || seen.format != QLatin1String(RecordFormat))
        return {std::nullopt, QStringLiteral("není záznam pokusu Testu znalostí")};
    if (seen.version.value_or(0) < 1)
        return {std::nullopt, QStringLiteral("chybí platná verze formátu")};
    if (*seen.version > RecordFormatVersion)
        return {std::nullopt,
                QStringLiteral("záznam ve formátu verze %1 zapsala novější verze programu").arg(*seen.version)};
    const QString problem = parse.problem.isEmpty() ? missingField(record, seen) : parse.problem;
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {std::move(record), QString()};
}

}
