// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Moodle XML, GIFT and Aiken files read into bank records, and the inputs refused.
#include "QStringPrinter.h"
#include "bankfile/BankImport.h"
#include "bankfile/FindingText.h"
#include "bankfile/HtmlText.h"
#include "bankfile/ImportError.h"
#include "bankfile/InputFormat.h"

#include <QBuffer>
#include <QDir>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <string_view>

using namespace std::literals;

namespace {

QString data(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/bankfile/data/") + QString::fromUtf8(name);
}

QStringList answerTexts(const BankRecord &question)
{
    return {question.odp1, question.odp2, question.odp3};
}

QList<Finding> ofKind(const BankContent &content, FindingKind kind)
{
    QList<Finding> found;
    for (const Finding &finding : content.findings) {
        if (finding.kind == kind)
            found.append(finding);
    }
    return found;
}

QStringList skippedLines(const BankContent &result)
{
    QStringList lines;
    for (const Finding &skipped : ofKind(result, FindingKind::SkippedQuestion))
        lines.append(skipped.question + QStringLiteral(": ") + skipped.values.value(0));
    return lines;
}

BankContent readQuestionFile(const QString &path)
{
    return importFiles({path});
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
    const BankContent result = readQuestionFile(data("export.xml"));
    ASSERT_EQ(result.records.size(), 3);

    const BankRecord &capital = result.records[0];
    const RecordOrigin &capitalOrigin = result.origins[0];
    EXPECT_EQ(capitalOrigin.name, QStringLiteral("Hlavní město"));
    EXPECT_EQ(capital.dotaz, QStringLiteral("Které město je hlavním městem České republiky?"));
    EXPECT_EQ(answerTexts(capital), (QStringList{QStringLiteral("Brno"), QStringLiteral("Praha"), QStringLiteral("Ostrava")}));
    EXPECT_EQ(capital.cspravOdp, 1);
    EXPECT_EQ(capital.komentar, QStringLiteral("Praha je metropole & sídlo vlády."));
    EXPECT_EQ(capitalOrigin.category, QStringLiteral("$course$/top/Zeměpis"));
    EXPECT_EQ(capitalOrigin.line, 9);
    EXPECT_EQ(capitalOrigin.file, data("export.xml"));

    const BankRecord &rivers = result.records[1];
    const RecordOrigin &riversOrigin = result.origins[1];
    EXPECT_EQ(rivers.dotaz, QStringLiteral("Která řeka teče Prahou?\nVyberte:\njednu"));
    EXPECT_EQ(rivers.cspravOdp, 0);
    EXPECT_EQ(rivers.komentar, QStringLiteral("Správně.")) << "the correct answer's feedback when there is no general one";

    const BankRecord &year = result.records[2];
    const RecordOrigin &yearOrigin = result.origins[2];
    EXPECT_EQ(yearOrigin.category, QStringLiteral("$course$/top/Dějepis"));
    EXPECT_EQ(year.dotaz, QStringLiteral("V kterém roce byla založena Univerzita Karlova?"));
    EXPECT_EQ(year.komentar, QString());

    const QList<Finding> images = ofKind(result, FindingKind::DroppedImage);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].record, 0);
    EXPECT_EQ(findingText(images[0]), QStringLiteral("Soubor %1, řádek 9: otázka „Hlavní město“: vložený obrázek nebo "
                                                     "soubor vynechán").arg(data("export.xml")));

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
    const BankContent result = readQuestionFile(data("fyzika.txt"));
    ASSERT_EQ(result.records.size(), 5);

    const BankRecord &force = result.records[0];
    const RecordOrigin &forceOrigin = result.origins[0];
    EXPECT_EQ(forceOrigin.name, QStringLiteral("Jednotka síly"));
    EXPECT_EQ(force.dotaz, QStringLiteral("Jaká je jednotka síly?"));
    EXPECT_EQ(answerTexts(force), (QStringList{QStringLiteral("Joule"), QStringLiteral("Newton"), QStringLiteral("Watt")}));
    EXPECT_EQ(force.cspravOdp, 1);
    EXPECT_EQ(force.komentar, QStringLiteral("Ano."));
    EXPECT_EQ(forceOrigin.category, QStringLiteral("$course$/top/Fyzika"));
    EXPECT_EQ(forceOrigin.line, 5);

    const BankRecord &distance = result.records[1];
    const RecordOrigin &distanceOrigin = result.origins[1];
    EXPECT_EQ(distance.dotaz, QStringLiteral("Těleso jede rychlostí v=2 m/s po dobu 3 s.\nJakou urazí dráhu: {s}?"));
    EXPECT_EQ(answerTexts(distance), (QStringList{QStringLiteral("6 m"), QStringLiteral("5 m"), QStringLiteral("1,5 m")}));
    EXPECT_EQ(distance.komentar, QStringLiteral("s = v · t")) << "the general feedback wins";

    const BankRecord &tilde = result.records[2];
    const RecordOrigin &tildeOrigin = result.origins[2];
    EXPECT_EQ(tilde.dotaz, QStringLiteral("Který znak zapisuje vlnovku\n(viz http://example.cz)?"));
    EXPECT_EQ(tildeOrigin.name, QStringLiteral("Který znak zapisuje vlnovku (viz http://…")) << "named by the start of the text";
    EXPECT_EQ(answerTexts(tilde), (QStringList{QStringLiteral("~"), QStringLiteral("#"), QStringLiteral("=")}));
    EXPECT_EQ(tildeOrigin.line, 18);

    EXPECT_EQ(result.records[3].dotaz, QStringLiteral("Voda vře při _____ stupních Celsia."));
    EXPECT_EQ(result.origins[4].category, QStringLiteral("$course$/top/Chemie"));
    EXPECT_EQ(result.records[4].dotaz, QStringLiteral("Chemická značka sodíku je"));
    EXPECT_TRUE(ofKind(result, FindingKind::DroppedImage).isEmpty());

    EXPECT_EQ(skippedLines(result),
              (QStringList{QStringLiteral("Pravda: pravda/nepravda"), QStringLiteral("Krátká: krátká odpověď"),
                           QStringLiteral("Číslo: číselná odpověď"), QStringLiteral("Přiřazení: přiřazování"),
                           QStringLiteral("Esej: esej"), QStringLiteral("Dílčí: dílčí hodnocení odpovědi (50 %)"),
                           QStringLiteral("Dvě správné: víc správných odpovědí")}));
}

TEST(Import, AikenIsRecognisedWithoutAnExtension)
{
    const BankContent result = readQuestionFile(data("biologie"));
    ASSERT_EQ(result.records.size(), 1);
    EXPECT_EQ(result.records[0].dotaz, QStringLiteral("Kolik nohou\nmá pavouk?"));
    EXPECT_EQ(answerTexts(result.records[0]), (QStringList{QStringLiteral("šest"), QStringLiteral("osm"), QStringLiteral("deset")}));
    EXPECT_EQ(result.records[0].cspravOdp, 1);
    EXPECT_EQ(result.origins[0].category, QString());
    EXPECT_EQ(skippedLines(result), QStringList{QStringLiteral("Které zvíře je savec?: počet odpovědí 4, ne 3")});
    EXPECT_EQ(result.findings[0].line, 8);
}

TEST(Import, FormatIsTakenFromTheContent)
{
    EXPECT_EQ(detectInputFormat("\xEF\xBB\xBF  <?xml version=\"1.0\"?><quiz/>"), InputFormat::MoodleXml);
    EXPECT_EQ(detectInputFormat("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n0,1,{=a ~b ~c},a,b,c,,0\n"),
              InputFormat::Csv);
    EXPECT_EQ(detectInputFormat("Otázka {x}?\nA. a\nB. b\nANSWER: A\n"), InputFormat::Aiken);
    EXPECT_EQ(detectInputFormat("// jen {poznámka}\nOtázka{=a ~b ~c}\n"), InputFormat::Gift);
    EXPECT_EQ(detectInputFormat("$CATEGORY: top/Nic\n"), InputFormat::Gift);
    EXPECT_EQ(detectInputFormat("sep=;\nSkupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp\n"), InputFormat::Csv);
    EXPECT_EQ(detectInputFormat("Otázka {x}?\nA. a\nB. b\nANSWER: A\nDalší {=a ~b}\n"), InputFormat::Aiken);
    EXPECT_EQ(detectInputFormat("// jen {poznámka}\nprostý text \\{\n"), InputFormat::Unknown);
    EXPECT_EQ(detectInputFormat(""), InputFormat::Unknown);
}

// The content read from memory as the tool reads a file.
BankContent readContent(const QByteArray &content)
{
    QByteArray bytes = content;
    QBuffer buffer(&bytes);
    return importInput(buffer, QStringLiteral("vstup"));
}

// An input for one case of the refused inputs below.
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
    try {
        readContent(QByteArray(GetParam().content.data(), static_cast<qsizetype>(GetParam().content.size())));
        FAIL() << "read without an error";
    } catch (const ImportError &error) {
        EXPECT_EQ(error.file(), QStringLiteral("vstup"));
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
                      BadInput{"jen prostý text\n", 0, "není banka CSV, Moodle XML, GIFT ani Aiken"},
                      BadInput{"Otázka {=a ~b ~c}\n\nDruhá =a ~b ~c}\n", 3, "„}“ neuzavírá"},
                      BadInput{"Otázka {=a ~b ~c} a pak }\n", 1, "„}“ neuzavírá"},
                      BadInput{"Otázka {=a ~b ~c}\n\0\0\0"sv, 0, "binární"},
                      BadInput{"\xFF\xFEO\0{\0=\0a\0}\0\0\0"sv, 0, "binární"},
                      BadInput{"<!DOCTYPE quiz [<!ENTITY a \"0123456789\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                               "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>\n"
                               "<quiz>&d;</quiz>", 2, "entita"},
                      BadInput{"\xEF\xBB\xBF \r\n\n", 0, "prázdný"},
                      BadInput{"Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,\"Q\nnový řádek,A,B,C,K,0\n", 2,
                               "neukončené uvozovky; uvozovky uvnitř textu zdvojte"},
                      BadInput{"Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,\"Q\"x,A,B,C,K,0\n", 2, "za uzavírací"}));

TEST(Import, GiftAnswersAndFeedbackTakeTheFormatTheirPrefixNames)
{
    const BankContent result = readContent("Q1?{=[html]<b>tučně</b> ~[plain]<b>doslova</b> ~[markdown]*md*"
                                            "####[html]<p>obecná <b>vazba</b></p>}\n\n"
                                            "[html]<p>Q2?</p>{=a#[html]<i>dobře</i> ~%0%[plain]<i>b</i> ~c}\n");
    ASSERT_EQ(result.records.size(), 2) << skippedLines(result).join('\n').toStdString();
    EXPECT_EQ(answerTexts(result.records[0]),
              (QStringList{QStringLiteral("tučně"), QStringLiteral("<b>doslova</b>"), QStringLiteral("*md*")}));
    EXPECT_EQ(result.records[0].komentar, QStringLiteral("obecná vazba"));
    EXPECT_EQ(result.records[1].dotaz, QStringLiteral("Q2?"));
    EXPECT_EQ(answerTexts(result.records[1]), (QStringList{QStringLiteral("a"), QStringLiteral("<i>b</i>"), QStringLiteral("c")}));
    EXPECT_EQ(result.records[1].komentar, QStringLiteral("dobře"));
}

TEST(Import, AikenLinesThatBeginNoQuestionAreSkippedWithTheirLine)
{
    const BankContent result = readContent("A) Question not started\n\nANSWER: Question not started\n\n"
                                            "A good question\nA) Correct\nB) Wrong\nC) Also wrong\nANSWER: A\n\n"
                                            "Osiřelý řádek\n\nDruhá otázka\nA)x\nB)y\nC)z\nANSWER: C\n");
    ASSERT_EQ(result.records.size(), 2);
    EXPECT_EQ(result.records[0].dotaz, QStringLiteral("A good question"));
    EXPECT_EQ(result.origins[0].line, 5);
    EXPECT_EQ(result.records[1].dotaz, QStringLiteral("Druhá otázka"));
    EXPECT_EQ(answerTexts(result.records[1]), (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_EQ(result.records[1].cspravOdp, 2);
    QStringList skipped;
    for (const Finding &piece : result.findings)
        skipped.append(QStringLiteral("%1 %2: %3").arg(piece.line).arg(piece.question, piece.values.value(0)));
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
            const BankContent result = readContent(
                utf16 ? QByteArray(QStringEncoder(*utf16, QStringEncoder::Flag::WriteBom).encode(written)) : written.toUtf8());
            ASSERT_EQ(result.records.size(), 1) << written.toStdString();
            EXPECT_EQ(result.records[0].dotaz, question);
            EXPECT_EQ(result.records[0].odp2, "osm");
            EXPECT_EQ(result.origins[0].line, text.startsWith("//") ? 3 : 1);
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
        const BankContent result = readContent(content);
        EXPECT_EQ(skippedLines(result), skipped) << content.constData();
        EXPECT_EQ(ofKind(result, FindingKind::DroppedImage).size(), warnings) << content.constData();
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
