#include "files/DelimitedText.h"
#include "files/SettingsText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

using namespace tervano::files;

namespace {
std::vector<std::string> Values(std::string_view line, Delimiter d) {
    std::vector<Field> fields;
    SplitLine(line, d, fields);
    std::vector<std::string> out;
    for (const Field& f : fields)
        out.push_back(f.value);
    return out;
}
using V = std::vector<std::string>;
} // namespace

TEST(DelimitedText, SplitsQuotedAndEmptyFieldsForEachDelimiter) {
    EXPECT_EQ(Values("P1\t41.5\t-0.2", Delimiter::Tab), (V{"P1", "41.5", "-0.2"}));
    EXPECT_EQ(Values("P1;41,5;-0,2", Delimiter::Semicolon), (V{"P1", "41,5", "-0,2"}));
    EXPECT_EQ(Values("P1,41.5,-0.2", Delimiter::Comma), (V{"P1", "41.5", "-0.2"}));
    // Runs of blanks and tabs are one separator; blanks at either end are not fields.
    EXPECT_EQ(Values("  P1   41.5 \t -0.2  ", Delimiter::Blanks), (V{"P1", "41.5", "-0.2"}));
    // Empty fields between delimiters and at the end are fields.
    EXPECT_EQ(Values("P1;;3;", Delimiter::Semicolon), (V{"P1", "", "3", ""}));
    EXPECT_EQ(Values("", Delimiter::Comma), (V{""}));
    // A point name holding the delimiter, quoted; a doubled quote is one quote.
    EXPECT_EQ(Values("\"Vertice, nord\",41.5,-0.2", Delimiter::Comma), (V{"Vertice, nord", "41.5", "-0.2"}));
    EXPECT_EQ(Values("\"PT \"\"A\"\"; 1\";41.5", Delimiter::Semicolon), (V{"PT \"A\"; 1", "41.5"}));
    EXPECT_EQ(Values("\"Punto 7\" 41.5 -0.2", Delimiter::Blanks), (V{"Punto 7", "41.5", "-0.2"}));
    // Blanks around a field are trimmed, inside a name kept.
    EXPECT_EQ(Values(" Punto 1 ; 41.5", Delimiter::Semicolon), (V{"Punto 1", "41.5"}));
    // The raw text of a quoted field keeps its quotes, for passing it on as it was.
    std::vector<Field> fields;
    SplitLine("\"a;b\";1", Delimiter::Semicolon, fields);
    EXPECT_EQ(fields[0].raw, "\"a;b\"");

    std::string out;
    AppendField(out, "Vertice, nord", Delimiter::Comma);
    out += ',';
    AppendField(out, "PT \"A\"", Delimiter::Semicolon);
    out += ' ';
    AppendField(out, "VALORE NON AMMISSIBILE", Delimiter::Blanks);
    out += ' ';
    AppendField(out, "", Delimiter::Blanks);
    EXPECT_EQ(out, "\"Vertice, nord\",\"PT \"\"A\"\"\" \"VALORE NON AMMISSIBILE\" \"\"");
    EXPECT_EQ(Values(out, Delimiter::Blanks).size(), 4u);
}

TEST(DelimitedText, NumberFieldsAndCommentLines) {
    std::string n;
    EXPECT_TRUE(IsNumberField(" 41.5 ", false, n));
    EXPECT_EQ(n, "41.5");
    EXPECT_TRUE(IsNumberField("-0,2", true, n));
    EXPECT_EQ(n, "-0.2");
    EXPECT_FALSE(IsNumberField("-0,2", false, n)); // a comma is not a decimal point in a comma file
    for (const char* ok : {"4.6E6", "4.6e+06", "1D-3", "+5", ".5", "5.", "1E400"})
        EXPECT_TRUE(IsNumberField(ok, false, n)) << ok;
    for (const char* bad : {"", "  ", "abc", "45N", "41.5.2", "4 1", "E5", "1E", "-", "41,5,3", "12°30'"})
        EXPECT_FALSE(IsNumberField(bad, true, n)) << bad;

    EXPECT_TRUE(IsCommentLine("# rilievo del 3 marzo"));
    EXPECT_TRUE(IsCommentLine("   #"));
    EXPECT_FALSE(IsCommentLine("P#1;41.5;1"));
    EXPECT_TRUE(IsBlankLine(" \t "));
    EXPECT_TRUE(IsBlankLine(""));
    EXPECT_FALSE(IsBlankLine(";"));
}

TEST(DelimitedText, NumberFieldsReadAsTheTypedNumberRuleReadsThem) {
    // Every accepted field gives the very double (and validity) of ReadTypedNumber.
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "+0.0",
                                      "-0.000",
                                      ".5",
                                      "5.",
                                      "+41.5524399",
                                      "-0.2",
                                      "007.50",
                                      "1E400",
                                      "-1e-400",
                                      "4.6D6",
                                      "1e-5",
                                      "123456789012345678901234567",
                                      "0.1000000000000000055511151231257827021181583404541015625",
                                      "9007199254740993",
                                      "2.4703282292062327e-324",
                                      "1.7976931348623157e308"};
    std::mt19937_64 rng(5);
    for (int i = 0; i < 20000; ++i) {
        std::string t = rng() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(rng() % 20), point = static_cast<int>(rng() % (digits + 1));
        for (int k = 0; k < digits; ++k) {
            if (k == point)
                t += '.';
            t += static_cast<char>('0' + rng() % 10);
        }
        texts.push_back(t);
    }
    std::string n;
    for (const std::string& t : texts) {
        ASSERT_TRUE(IsNumberField(t, false, n)) << t;
        const tervano::TypedNumber fast = ReadNumberField(n), rule = tervano::ReadTypedNumber(n);
        EXPECT_EQ(fast.valid, rule.valid) << t;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.value), std::bit_cast<std::uint64_t>(rule.value)) << t;
    }
}

TEST(DelimitedText, DetectsTheDelimiterOfTheDataLines) {
    using L = std::vector<std::string_view>;
    EXPECT_EQ(DetectDelimiter(L{"Nome\tLat\tLon", "P 1\t41.5\t-0.2", "P 2\t42\t1"}), Delimiter::Tab);
    EXPECT_EQ(DetectDelimiter(L{"P1,41.5,-0.2", "P2,42,1"}), Delimiter::Comma);
    EXPECT_EQ(DetectDelimiter(L{"P1   41.5  -0.2", "P2 42 1"}), Delimiter::Blanks);
    // Decimal commas: the semicolon splits into numbers, the comma does not.
    EXPECT_EQ(DetectDelimiter(L{"P1;41,5;-0,2", "P2;42,25;1,5"}), Delimiter::Semicolon);
    // With blanks as delimiter, decimal commas split a comma reading into non-numbers.
    EXPECT_EQ(DetectDelimiter(L{"P1 41,5 -0,2", "P2 42,25 1,5"}), Delimiter::Blanks);
    // A name with blanks in a comma file.
    EXPECT_EQ(DetectDelimiter(L{"Punto 1,41.5,-0.2", "Punto 2,42,1"}), Delimiter::Comma);
    // A tab beats blanks even when a name with a blank holds a number.
    EXPECT_EQ(DetectDelimiter(L{"P 1\t41,5\t-0,2"}), Delimiter::Tab);
    // Comments, blank lines and a faulty row among them do not change it.
    EXPECT_EQ(DetectDelimiter(L{"# a, b, c", "", "P1;41.5;-0.2", "P2;42", "P3;43;1", "P4;44;2"}),
              Delimiter::Semicolon);
    // Nothing to go by: blanks.
    EXPECT_EQ(DetectDelimiter(L{}), Delimiter::Blanks);
    EXPECT_EQ(DetectDelimiter(L{"P1"}), Delimiter::Blanks);
}

TEST(SettingsText, ReadsTheSettingsFileByTheProgramsRules) {
    auto read = [](std::string_view text) {
        const StoredSettings s = SettingsFromText(text);
        return std::pair{s.angleUnit, s.longitudeOrigin};
    };
    using P = std::pair<int, int>;
    EXPECT_EQ(read("3\r\n2\r\n"), (P{3, 2}));
    EXPECT_EQ(read("4\n1"), (P{4, 1}));
    EXPECT_EQ(read(" 2 , 2 "), (P{2, 2}));
    EXPECT_EQ(read("+2\r\n\r\n2\r\n  \r\n"), (P{2, 2}));
    // A value out of range becomes 1 on its own.
    EXPECT_EQ(read("7\r\n2\r\n"), (P{1, 2}));
    EXPECT_EQ(read("3\r\n0\r\n"), (P{3, 1}));
    // Not two 16-bit integers, or something after them: the defaults.
    for (const char* bad :
         {"", "3", "3\r\nx\r\n", "3.0\r\n2\r\n", "40000\r\n2", "1234567\r\n1", "3\r\n2\r\n9",
          "\xEF\xBB\xBF"
          "3\r\n2"})
        EXPECT_EQ(read(bad), (P{1, 1})) << bad;
}
