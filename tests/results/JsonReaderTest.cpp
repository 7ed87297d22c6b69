// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/JsonReader.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

using results::JsonReader;

TEST(JsonReader, TellsWholeValuesFromAnythingElse)
{
    const std::pair<const char *, bool> cases[] = {
        {" {\"a\": [1, -2.5e3, true, false, null, {}, []], \"b\": {\"c\": \"d\"}}\n", true},
        {"[]", true},
        {"\"\\\"\\\\\\/\\b\\f\\n\\r\\t\"", true},
        {"", false},
        {"{", false},
        {"{\"a\" 1}", false},
        {"{\"a\": 1,}", false},
        {"[1 2]", false},
        {"[1,]", false},
        {"{} {}", false},
        {"nul", false},
        {"\"line\nbreak\"", false},
        {"\"\\x\"", false},
        {"\"\\u12\"", false},
        {"'a'", false},
    };
    for (const auto &[text, valid] : cases) {
        JsonReader reader{QByteArrayView(text)};
        reader.skipValue();
        EXPECT_EQ(reader.finished(), valid) << text;
        EXPECT_EQ(reader.error().isEmpty(), valid) << text;
    }
}

TEST(JsonReader, NestingDeeperThanARecordIsRefusedWithoutExhaustingTheStack)
{
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    JsonReader reader(deep);
    reader.skipValue();
    EXPECT_FALSE(reader.finished());
    EXPECT_TRUE(reader.error().contains(QStringLiteral("vnoření")));
}

TEST(JsonReader, StringsComeBackDecoded)
{
    const std::pair<const char *, const char *> cases[] = {
        {"\"Nováková\"", "Nováková"},
        {"\"Nov\\u00e1kov\\u00E1\"", "Nováková"},
        {"\"\\ud83d\\ude00 \\u20ac\"", "😀 €"},
        {"\"a\\\"b\\\\c\\nd\"", "a\"b\\c\nd"},
    };
    for (const auto &[text, decoded] : cases) {
        JsonReader reader{QByteArrayView(text)};
        EXPECT_EQ(reader.readString().value_or("-"), QByteArrayView(decoded)) << text;
    }
}

TEST(JsonReader, MembersAndElementsComeInTheirOrder)
{
    JsonReader reader(QByteArrayView("{\"x\": [3, 4], \"y\": null}"));
    ASSERT_TRUE(reader.enterObject());
    QByteArrayView key;
    ASSERT_TRUE(reader.nextMember(key));
    EXPECT_EQ(key, QByteArrayView("x"));
    ASSERT_EQ(reader.next(), JsonReader::Kind::Array);
    reader.enterArray();
    QList<double> numbers;
    while (reader.nextElement())
        numbers.append(reader.readNumber().value_or(-1));
    EXPECT_EQ(numbers, (QList<double>{3, 4}));
    ASSERT_TRUE(reader.nextMember(key));
    EXPECT_EQ(key, QByteArrayView("y"));
    EXPECT_TRUE(reader.readNull());
    EXPECT_FALSE(reader.nextMember(key));
    EXPECT_TRUE(reader.finished());
}

}
