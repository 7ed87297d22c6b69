// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Moodle XML, GIFT and Aiken files read into bank records, and the inputs refused.
#include "QStringPrinter.h"
#include "tools/import/HtmlText.h"
#include "tools/import/ImportError.h"
#include "tools/import/InputFormat.h"
#include "tools/import/QuestionImport.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>

using namespace std::literals;

namespace {

QString data(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/import/data/") + QString::fromUtf8(name);
}

QStringList answerTexts(const ImportedQuestion &question)
{
    return {question.answers[0], question.answers[1], question.answers[2]};
}

QStringList skippedLines(const ImportResult &result)
{
    QStringList lines;
    for (const SkippedQuestion &skipped : result.skipped)
        lines.append(skipped.name + QStringLiteral(": ") + skipped.reason);
    return lines;
}

struct HtmlCase
{
    const char *html;
    const char *text;
    bool droppedImage;
};

void PrintTo(const HtmlCase &testCase, std::ostream *out)
{
    *out << testCase.html;
}

class HtmlToText : public ::testing::TestWithParam<HtmlCase>
{
};

TEST_P(HtmlToText, GivesThePlainText)
{
    const PlainText plain = htmlToPlainText(QString::fromUtf8(GetParam().html));
    EXPECT_EQ(plain.text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(plain.droppedImage, GetParam().droppedImage);
}

INSTANTIATE_TEST_SUITE_P(
    Import, HtmlToText,
    ::testing::Values(HtmlCase{"<p>Jedna</p><p>dvě</p>", "Jedna\ndvě", false},
                      HtmlCase{"a<br>b<BR/>c<ul><li>x</li><li>y</li></ul>", "a\nb\nc\nx\ny", false},
                      HtmlCase{"  mnoho \n\t mezer   <b>a</b>\r\nřádků ", "mnoho mezer a řádků", false},
                      HtmlCase{"&lt;&amp;&gt; &quot;x&quot; &bdquo;&scaron;&ldquo; 3&nbsp;s", "<&> \"x\" „š“ 3 s", false},
                      HtmlCase{"&#382;&#x17E;&#X17d; &#0; &#xD800; &neznama; & a < b", "žžŽ &#0; &#xD800; &neznama; & a < b", false},
                      HtmlCase{"<a title=\"x > y\">odkaz</a><!-- <p>skryto</p> -->konec", "odkazkonec", false},
                      HtmlCase{"<style>p { color: red }</style><script>if (a < b) x();</script>text", "text", false},
                      HtmlCase{"Mapa:<img src=\"@@PLUGINFILE@@/mapa.png\">", "Mapa:", true},
                      HtmlCase{"<a href=\"@@PLUGINFILE@@/zadani.pdf\">zadání</a>", "zadání", true},
                      HtmlCase{"neukončený <b tag", "neukončený <b tag", false},
                      HtmlCase{"<b title=\"bez konce>a <i>b</i>", "<b title=\"bez konce>a <i>b</i>", false}));

TEST(Import, PlainTextKeepsLinesAndDropsMarkdownImages)
{
    const PlainText plain = cleanPlainText(QStringLiteral("  a  b\r\n![obr](@@PLUGINFILE@@/x.png)c \n"));
    EXPECT_EQ(plain.text, QStringLiteral("a  b\nc"));
    EXPECT_TRUE(plain.droppedImage);
    EXPECT_FALSE(cleanPlainText(QStringLiteral("<b>ne HTML</b>")).droppedImage);
}

TEST(Import, MoodleXmlGivesTheSingleChoiceQuestionsOfThreeAnswers)
{
    const ImportResult result = readQuestionFile(data("export.xml"));
    ASSERT_EQ(result.questions.size(), 3);

    const ImportedQuestion &capital = result.questions[0];
    EXPECT_EQ(capital.name, QStringLiteral("Hlavní město"));
    EXPECT_EQ(capital.text, QStringLiteral("Které město je hlavním městem České republiky?"));
    EXPECT_EQ(answerTexts(capital), (QStringList{QStringLiteral("Brno"), QStringLiteral("Praha"), QStringLiteral("Ostrava")}));
    EXPECT_EQ(capital.correct, 1);
    EXPECT_EQ(capital.comment, QStringLiteral("Praha je metropole & sídlo vlády."));
    EXPECT_EQ(capital.category, QStringLiteral("$course$/top/Zeměpis"));
    EXPECT_EQ(capital.line, 9);
    EXPECT_EQ(capital.file, data("export.xml"));

    const ImportedQuestion &rivers = result.questions[1];
    EXPECT_EQ(rivers.text, QStringLiteral("Která řeka teče Prahou?\nVyberte:\njednu"));
    EXPECT_EQ(rivers.correct, 0);
    EXPECT_EQ(rivers.comment, QStringLiteral("Správně.")) << "the correct answer's feedback when there is no general one";

    const ImportedQuestion &year = result.questions[2];
    EXPECT_EQ(year.category, QStringLiteral("$course$/top/Dějepis"));
    EXPECT_EQ(year.text, QStringLiteral("V kterém roce byla založena Univerzita Karlova?"));
    EXPECT_EQ(year.comment, QString());

    ASSERT_EQ(result.warnings.size(), 1);
    EXPECT_TRUE(result.warnings[0].contains(QStringLiteral("„Hlavní město“"))) << result.warnings[0].toStdString();
    EXPECT_TRUE(result.warnings[0].contains(QStringLiteral("řádek 9")));

    EXPECT_EQ(skippedLines(result),
              (QStringList{QStringLiteral("Karel IV.: typ otázky pravda/nepravda"),
                           QStringLiteral("Panovníci: více možných správných odpovědí"),
                           QStringLiteral("Bitvy: počet odpovědí 4, ne 3"),
                           QStringLiteral("Dvojice: typ otázky přiřazování"),
                           QStringLiteral("Úvaha: typ otázky esej"),
                           QStringLiteral("Doplňovačka: typ otázky vložené odpovědi (cloze)")}));
}

TEST(Import, GiftHandlesTitlesFormatsEscapesCommentsAndFeedback)
{
    const ImportResult result = readQuestionFile(data("fyzika.txt"));
    ASSERT_EQ(result.questions.size(), 5);

    const ImportedQuestion &force = result.questions[0];
    EXPECT_EQ(force.name, QStringLiteral("Jednotka síly"));
    EXPECT_EQ(force.text, QStringLiteral("Jaká je jednotka síly?"));
    EXPECT_EQ(answerTexts(force), (QStringList{QStringLiteral("Joule"), QStringLiteral("Newton"), QStringLiteral("Watt")}));
    EXPECT_EQ(force.correct, 1);
    EXPECT_EQ(force.comment, QStringLiteral("Ano."));
    EXPECT_EQ(force.category, QStringLiteral("$course$/top/Fyzika"));
    EXPECT_EQ(force.line, 5);

    const ImportedQuestion &distance = result.questions[1];
    EXPECT_EQ(distance.text, QStringLiteral("Těleso jede rychlostí v=2 m/s po dobu 3 s.\nJakou urazí dráhu: {s}?"));
    EXPECT_EQ(answerTexts(distance), (QStringList{QStringLiteral("6 m"), QStringLiteral("5 m"), QStringLiteral("1,5 m")}));
    EXPECT_EQ(distance.comment, QStringLiteral("s = v · t")) << "the general feedback wins";

    const ImportedQuestion &tilde = result.questions[2];
    EXPECT_EQ(tilde.text, QStringLiteral("Který znak zapisuje vlnovku\n(viz http://example.cz)?"));
    EXPECT_EQ(tilde.name, QStringLiteral("Který znak zapisuje vlnovku (viz http://…")) << "named by the start of the text";
    EXPECT_EQ(answerTexts(tilde), (QStringList{QStringLiteral("~"), QStringLiteral("#"), QStringLiteral("=")}));
    EXPECT_EQ(tilde.line, 18);

    EXPECT_EQ(result.questions[3].text, QStringLiteral("Voda vře při _____ stupních Celsia."));
    EXPECT_EQ(result.questions[4].category, QStringLiteral("$course$/top/Chemie"));
    EXPECT_EQ(result.questions[4].text, QStringLiteral("Chemická značka sodíku je"));
    EXPECT_TRUE(result.warnings.isEmpty());

    EXPECT_EQ(skippedLines(result),
              (QStringList{QStringLiteral("Pravda: pravda/nepravda"), QStringLiteral("Krátká: krátká odpověď"),
                           QStringLiteral("Číslo: číselná odpověď"), QStringLiteral("Přiřazení: přiřazování"),
                           QStringLiteral("Esej: esej"), QStringLiteral("Dílčí: dílčí hodnocení odpovědi (50 %)"),
                           QStringLiteral("Dvě správné: víc správných odpovědí")}));
}

TEST(Import, AikenIsRecognisedWithoutAnExtension)
{
    const ImportResult result = readQuestionFile(data("biologie"));
    ASSERT_EQ(result.questions.size(), 1);
    EXPECT_EQ(result.questions[0].text, QStringLiteral("Kolik nohou\nmá pavouk?"));
    EXPECT_EQ(answerTexts(result.questions[0]), (QStringList{QStringLiteral("šest"), QStringLiteral("osm"), QStringLiteral("deset")}));
    EXPECT_EQ(result.questions[0].correct, 1);
    EXPECT_EQ(result.questions[0].category, QString());
    EXPECT_EQ(skippedLines(result), QStringList{QStringLiteral("Které zvíře je savec?: počet odpovědí 4, ne 3")});
    EXPECT_EQ(result.skipped[0].line, 8);
}

TEST(Import, FormatIsTakenFromTheContent)
{
    EXPECT_EQ(detectInputFormat("\xEF\xBB\xBF  <?xml version=\"1.0\"?><quiz/>"), InputFormat::MoodleXml);
    EXPECT_EQ(detectInputFormat("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n0,1,{=a ~b ~c},a,b,c,,0\n"),
              InputFormat::Csv);
    EXPECT_EQ(detectInputFormat("Otázka {x}?\nA. a\nB. b\nANSWER: A\n"), InputFormat::Aiken);
    EXPECT_EQ(detectInputFormat("// jen {poznámka}\nOtázka{=a ~b ~c}\n"), InputFormat::Gift);
    EXPECT_EQ(detectInputFormat("$CATEGORY: top/Nic\n"), InputFormat::Gift);
    EXPECT_EQ(detectInputFormat("// jen {poznámka}\nprostý text \\{\n"), InputFormat::Unknown);
    EXPECT_EQ(detectInputFormat(""), InputFormat::Unknown);
}

// A file written for one case of the refused inputs below.
struct BadInput
{
    std::string_view content;
    int line;
    const char *reason;
};

void PrintTo(const BadInput &input, std::ostream *out)
{
    *out << input.reason;
}

class RefusedInput : public ::testing::TestWithParam<BadInput>
{
};

TEST_P(RefusedInput, NamesFileAndLine)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("vstup"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content.data(), static_cast<qint64>(GetParam().content.size()));
    file.close();
    try {
        readQuestionFile(path);
        FAIL() << "read without an error";
    } catch (const ImportError &error) {
        EXPECT_EQ(error.file(), path);
        EXPECT_EQ(error.line(), GetParam().line);
        EXPECT_TRUE(error.reason().contains(QString::fromUtf8(GetParam().reason))) << error.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Import, RefusedInput,
    ::testing::Values(BadInput{"<quiz>\n<question type=\"multichoice\">\n<name><text>x</text>\n</quiz>\n", 4, "chybné XML"},
                      BadInput{"<quiz>\n<question type=\"multichoice\">\n<name><text>x</text></name>\n", 4, "chybné XML"},
                      BadInput{"<?xml version=\"1.0\"?>\n<html><body/></html>", 2, "<quiz>"},
                      BadInput{"<quiz>\n<question type=\"multichoice\">\n<answer fraction=\"sto\"><text>a</text></answer>\n"
                               "</question>\n</quiz>\n",
                               3, "„sto“"},
                      BadInput{"<quiz><question><name><text>a<b/></text></name></question></quiz>", 1, "chybné XML"},
                      BadInput{"::Bez konce::Otázka\n\n::Druhá::Otázka {=a\n~b ~c\n", 3, "není uzavřen"},
                      BadInput{"::Název bez konce Otázka {=a ~b ~c}\n", 1, "název"},
                      BadInput{"Otázka\nA. a\nB. b\nC. c\nANSWER: D\n", 5, "ANSWER: D"},
                      BadInput{"Otázka\nA. a\nC. c\nANSWER: A\n", 3, "možnost B"},
                      BadInput{"Otázka\nA. a\nB. b\ntext navíc\nANSWER: A\n", 4, "ANSWER:"},
                      BadInput{"První\nA. a\nB. b\nANSWER: A\n\nDruhá\nA. a\n", 6, "chybí"},
                      BadInput{"Otázka {=a ~b ~c}\n\nD\xC3\n", 3, "UTF-8"},
                      BadInput{"jen prostý text\n", 0, "není Moodle XML, GIFT ani Aiken"},
                      BadInput{"Otázka {=a ~b ~c}\n\nDruhá =a ~b ~c}\n", 3, "„}“ neuzavírá"},
                      BadInput{"Otázka {=a ~b ~c} a pak }\n", 1, "„}“ neuzavírá"},
                      BadInput{"Otázka {=a ~b ~c}\n\0\0\0"sv, 0, "binární"},
                      BadInput{"\xFF\xFEO\0{\0=\0a\0}\0\0\0"sv, 0, "binární"},
                      BadInput{"<!DOCTYPE quiz [<!ENTITY a \"0123456789\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                               "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>\n"
                               "<quiz>&d;</quiz>", 2, "entita"},
                      BadInput{"\xEF\xBB\xBF \r\n\n", 0, "prázdný"}));

// The content written to a file of its own and read as the tool reads it.
ImportResult readContent(const QByteArray &content)
{
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("vstup")));
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();
    return readQuestionFile(file.fileName());
}

TEST(Import, GiftAnswersAndFeedbackTakeTheFormatTheirPrefixNames)
{
    const ImportResult result = readContent("Q1?{=[html]<b>tučně</b> ~[plain]<b>doslova</b> ~[markdown]*md*"
                                            "####[html]<p>obecná <b>vazba</b></p>}\n\n"
                                            "[html]<p>Q2?</p>{=a#[html]<i>dobře</i> ~%0%[plain]<i>b</i> ~c}\n");
    ASSERT_EQ(result.questions.size(), 2) << skippedLines(result).join('\n').toStdString();
    EXPECT_EQ(answerTexts(result.questions[0]),
              (QStringList{QStringLiteral("tučně"), QStringLiteral("<b>doslova</b>"), QStringLiteral("*md*")}));
    EXPECT_EQ(result.questions[0].comment, QStringLiteral("obecná vazba"));
    EXPECT_EQ(result.questions[1].text, QStringLiteral("Q2?"));
    EXPECT_EQ(answerTexts(result.questions[1]), (QStringList{QStringLiteral("a"), QStringLiteral("<i>b</i>"), QStringLiteral("c")}));
    EXPECT_EQ(result.questions[1].comment, QStringLiteral("dobře"));
}

TEST(Import, AikenLinesThatBeginNoQuestionAreSkippedWithTheirLine)
{
    const ImportResult result = readContent("A) Question not started\n\nANSWER: Question not started\n\n"
                                            "A good question\nA) Correct\nB) Wrong\nC) Also wrong\nANSWER: A\n\n"
                                            "Osiřelý řádek\n\nDruhá otázka\nA)x\nB)y\nC)z\nANSWER: C\n");
    ASSERT_EQ(result.questions.size(), 2);
    EXPECT_EQ(result.questions[0].text, QStringLiteral("A good question"));
    EXPECT_EQ(result.questions[0].line, 5);
    EXPECT_EQ(result.questions[1].text, QStringLiteral("Druhá otázka"));
    EXPECT_EQ(answerTexts(result.questions[1]), (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_EQ(result.questions[1].correct, 2);
    QStringList skipped;
    for (const SkippedQuestion &piece : result.skipped)
        skipped.append(QStringLiteral("%1 %2: %3").arg(piece.line).arg(piece.name, piece.reason));
    EXPECT_EQ(skipped, (QStringList{QStringLiteral("1 A) Question not started: možnost bez otázky"),
                                    QStringLiteral("3 ANSWER: Question not started: řádek „ANSWER:“ bez možností"),
                                    QStringLiteral("11 Osiřelý řádek: text bez možností a řádku „ANSWER:“")}));
}

// Line ends and encodings that editors save: each gives the same questions on the same lines.
TEST(Import, EveryLineEndAndUnicodeEncodingGivesTheSameQuestions)
{
    const QList<std::pair<QString, QString>> inputs = {
        {"Kolik nohou\nmá pavouk?\nA. šest\nB. osm\nC. deset\nANSWER: B\n", "Kolik nohou\nmá pavouk?"},
        {"// GIFT\n\n::Síla::Jednotka\nsíly?{\n~J =osm ~W}\n", "Jednotka\nsíly?"},
    };
    const QList<std::pair<const char *, std::optional<QStringConverter::Encoding>>> forms = {
        {"\n", {}}, {"\r", {}}, {"\r\n", {}}, {"\r\n", QStringConverter::Utf16LE}, {"\n", QStringConverter::Utf16BE}};
    for (const auto &[lineEnd, utf16] : forms) {
        for (const auto &[text, question] : inputs) {
            const QString written = QString(text).replace('\n', QString::fromLatin1(lineEnd));
            const ImportResult result = readContent(
                utf16 ? QByteArray(QStringEncoder(*utf16, QStringEncoder::Flag::WriteBom).encode(written)) : written.toUtf8());
            ASSERT_EQ(result.questions.size(), 1) << written.toStdString();
            EXPECT_EQ(result.questions[0].text, question);
            EXPECT_EQ(result.questions[0].answers[1], "osm");
            EXPECT_EQ(result.questions[0].line, text.startsWith("//") ? 3 : 1);
        }
    }
}

// A Moodle XML question of three answers with extra elements.
QByteArray xmlQuestion(const QByteArray &extra)
{
    return "<quiz><question type=\"multichoice\"><name><text>Mapa</text></name><questiontext><text>Kde?</text>"
           "</questiontext>" + extra + "<answer fraction=\"100\"><text>a</text></answer>"
           "<answer fraction=\"0\"><text>b</text></answer><answer fraction=\"0\"><text>c</text></answer></question></quiz>";
}

// Old image fields warn as <img> does; an essay with feedback and "->" beside wrong answers are what Moodle reads.
TEST(Import, ReadersSkipAndWarnAsMoodleReads)
{
    const QList<std::tuple<QByteArray, QStringList, int>> cases = {
        {xmlQuestion("<image>mapa.png</image>"), {}, 1},
        {xmlQuestion("<image_base64>iVBORw0KGgo=</image_base64>"), {}, 1},
        {xmlQuestion("<image></image>"), {}, 0},
        {"::Úvaha::Popište.{####Dobrá odpověď zmíní příčiny.}\n", {"Úvaha: esej"}, 0},
        {"::Dvojice::Spojte.{=a -> 1 =b -> 2 =c -> 3}\n", {"Dvojice: přiřazování"}, 0},
        {"::Šipka::Co platí?{=a -> b ~c ~d}\n", {}, 0},
    };
    for (const auto &[content, skipped, warnings] : cases) {
        const ImportResult result = readContent(content);
        EXPECT_EQ(skippedLines(result), skipped) << content.constData();
        EXPECT_EQ(result.warnings.size(), warnings) << content.constData();
    }
}

TEST(Import, MissingFileIsAnError)
{
    try {
        readQuestionFile(QStringLiteral("/neexistuje/banka.gift"));
        FAIL() << "read without an error";
    } catch (const ImportError &error) {
        EXPECT_EQ(error.line(), 0);
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Soubor /neexistuje/banka.gift: nelze číst")))
            << error.message().toStdString();
    }
}

}
