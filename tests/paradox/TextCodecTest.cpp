// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Code page conversion: bytes from the published code page charts.
#include "paradox/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct CodePageSample
{
    int codePage;
    const char *text;
    const char *bytesHex;
};

class CodePages : public ::testing::TestWithParam<CodePageSample>
{
};

TEST_P(CodePages, DecodeAndEncodeMatchTheChart)
{
    const CodePageSample sample = GetParam();
    const paradox::TextCodec codec(sample.codePage);
    ASSERT_TRUE(codec.isValid());
    const QByteArray bytes = QByteArray::fromHex(sample.bytesHex);
    const QString text = QString::fromUtf8(sample.text);
    EXPECT_EQ(codec.decode(bytes.constData(), bytes.size()), text);
    EXPECT_EQ(codec.encode(text), bytes);
}

INSTANTIATE_TEST_SUITE_P(TextCodec, CodePages, ::testing::Values(
    CodePageSample{437, "é£Ñ½", "829ca5ab"},
    CodePageSample{850, "éÁø", "82b59b"},
    CodePageSample{852, "čřžŮ", "9ffda7de"},
    CodePageSample{866, "Жыё", "86ebf1"},
    CodePageSample{1250, "Příliš žluťoučký", "50f8ed6c699a209e6c759d6f75e86bfd"},
    CodePageSample{1251, "Жыё", "c6fbb8"},
    CodePageSample{1252, "é€ß", "e980df"}));

TEST(TextCodec, AsciiPassesThroughEveryCodePage)
{
    for (const int codePage : {437, 850, 852, 866, 1250, 1251, 1252}) {
        const paradox::TextCodec codec(codePage);
        EXPECT_EQ(codec.decode("Cis 12, A-z", 11), QStringLiteral("Cis 12, A-z"));
        EXPECT_EQ(codec.encode(QStringLiteral("Dotaz")), QByteArray("Dotaz"));
    }
}

TEST(TextCodec, CharactersTheCodePageLacksCannotBeEncoded)
{
    EXPECT_FALSE(paradox::TextCodec(1250).encode(QStringLiteral("Жук")).has_value());
    EXPECT_FALSE(paradox::TextCodec(866).encode(QStringLiteral("ř")).has_value());
    EXPECT_FALSE(paradox::TextCodec(1252).encode(QStringLiteral("ok 😀")).has_value());
}

TEST(TextCodec, UndefinedBytesBecomeReplacementCharacters)
{
    // 0x81 has no character in code page 1250.
    const QByteArray bytes = QByteArray::fromHex("41814243");
    EXPECT_EQ(paradox::TextCodec(1250).decode(bytes.constData(), bytes.size()), QStringLiteral("A\uFFFDBC"));
}

TEST(TextCodec, UnknownCodePageIsInvalid)
{
    EXPECT_FALSE(paradox::TextCodec(4321).isValid());
}

}
