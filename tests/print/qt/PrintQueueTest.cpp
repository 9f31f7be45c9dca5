#include "print/qt/PrintQueue.h"
#include "geodesy/PlaneConversions.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmPiaGeo.h"

#include "support/WindowFixture.h"

namespace {

struct Row {
    QString font;
    int size;
    bool bold;
    QString text;
};

const QString Arial = QStringLiteral("Arial");

std::vector<Row> Header(const Modulo1& m, const QString& title) {
    return {{"Comic Sans MS", 16, true, QString(23, ' ') + " Tervano1"},
            {"Comic Sans MS", 9, false, QString(56, ' ') + "(Ver. 1.2.1 - Dicembre 2002)"},
            {Arial, 11, false, ""},
            {Arial, 11, true, title},
            {Arial, 6, false, ""},
            {Arial, 11, false, m.AngleUnitLine},
            {Arial, 11, false, QString(62, '_')},
            {Arial, 11, false, ""}};
}

void ExpectRows(const std::vector<PrintedLine>& lines, size_t from, const std::vector<Row>& rows) {
    ASSERT_GE(lines.size(), from + rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const PrintedLine& l = lines[from + i];
        SCOPED_TRACE("line " + std::to_string(from + i) + ": " + rows[i].text.toStdString());
        EXPECT_EQ(l.text, rows[i].text);
        EXPECT_EQ(l.font, rows[i].font);
        EXPECT_EQ(l.size, rows[i].size);
        EXPECT_EQ(l.bold, rows[i].bold);
        EXPECT_EQ(l.x, 793);
    }
}

class Printing : public WindowFixture {
protected:
    std::vector<Row> description(int system) {
        std::vector<Row> rows;
        for (const char* l : tervano::PlaneSystemDescription(system))
            rows.push_back({Arial, 8, false, QString::fromUtf8(l)});
        return rows;
    }
    static void add(std::vector<Row>& to, const std::vector<Row>& rows) {
        to.insert(to.end(), rows.begin(), rows.end());
    }
};

TEST_F(Printing, TwoBlocksOfTheGeographicWindowInOneDocument) {
    open<frmGeoPia>();
    type("Text7", "41.5");
    type("Text8", "-0.2");
    click("Command1");
    box("Text9")->setText("P12");
    click("Command6");
    EXPECT_TRUE(enabled("Command7"));
    EXPECT_TRUE(enabled("Command6")); // the same result can be added again
    // Second point, outside the overlap band, without a name.
    box("Text9")->clear();
    type("Text8", "1");
    click("Command1");
    click("Command6");
    EXPECT_TRUE(fake.printer.ended.empty());
    click("Command7");
    EXPECT_FALSE(enabled("Command7"));
    EXPECT_FALSE(m.QueueOpen);
    ASSERT_EQ(fake.printer.ended.size(), 1u);
    const auto& doc = fake.printer.ended[0];

    std::vector<Row> expected = Header(m, "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE");
    add(expected, {{Arial, 11, true, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"}});
    add(expected, description(1));
    const QString gap(14, ' ');
    add(expected,
        {{Arial, 8, false, ""},
         {Arial, 11, false, "Punto: P12"},
         {Arial, 11, false, ""},
         {Arial, 11, true, "Coordinate Geografiche ROMA40"},
         {Arial, 11, false, "Latitudine: 41° 50' 00.0000''" + gap + "Longitudine: -0° 20' 00.0000''"},
         {Arial, 11, false, ""},
         {Arial, 11, true, "Coordinate Piane GAUSS BOAGA - Fuso EST (appartenenza)"},
         {Arial, 11, false, ""}, // Nord/Est: checked below
         {Arial, 11, false, ""},
         {Arial, 11, true, "Coordinate Piane GAUSS BOAGA - Fuso OVEST (sovrapposizione)"},
         {Arial, 11, false, ""},
         {Arial, 11, false, QString(62, '_')},
         {Arial, 11, false, ""}});
    ASSERT_EQ(doc.size(), expected.size() + 19); // the second block has no overlap rows
    const size_t nordEst = 8 + 1 + 7 + 7;
    expected[nordEst].text = doc[nordEst].text;
    expected[nordEst + 3].text = doc[nordEst + 3].text;
    ExpectRows(doc, 0, expected);
    EXPECT_TRUE(doc[nordEst].text.startsWith("Nord: 4 6"));
    EXPECT_TRUE(doc[nordEst].text.contains(gap + "Est: 2 28"));
    EXPECT_TRUE(doc[nordEst + 3].text.contains(gap + "Est: 1 75"));
    // Lines go down the page from the top margin, by each font's height.
    EXPECT_EQ(doc[0].y, 280);
    for (size_t i = 1; i < doc.size(); ++i)
        EXPECT_EQ(doc[i].y, doc[i - 1].y + doc[i - 1].size * fake.printer.lineHeightFactor) << i;

    // The second block: an empty name prints "Punto: " alone, no overlap rows.
    const size_t second = expected.size();
    EXPECT_EQ(doc[second].text, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)");
    EXPECT_EQ(doc[second + 9].text, "Punto: ");
    EXPECT_EQ(doc[second + 14].text, "Coordinate Piane GAUSS BOAGA - Fuso EST (appartenenza)");
    EXPECT_EQ(doc[second + 17].text, QString(62, '_'));
    EXPECT_EQ(doc.back().text, "");

    // The next "ACCODA" opens a new document with its header.
    click("Command6");
    ExpectRows(fake.printer.pending(), 0, Header(m, "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE"));
}

TEST_F(Printing, BlockOfThePlaneWindowWithGreenwich) {
    m.LongitudeOrigin = 2;
    open<frmPiaGeo>();
    type("Text13", "4640000");
    type("Text14", "1500000");
    click("Command1");
    click("Command6");
    const auto& doc = fake.printer.pending();
    std::vector<Row> expected = Header(m, "TRASFORMAZIONE COORDINATE DA PIANE A GEOGRAFICHE");
    add(expected, {{Arial, 11, true, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"}});
    add(expected, description(1));
    const QString gap(14, ' ');
    add(expected,
        {{Arial, 8, false, ""},
         {Arial, 11, false, "Punto: "},
         {Arial, 11, false, ""},
         {Arial, 11, true, "Coordinate Piane GAUSS BOAGA: Fuso Ovest"},
         {Arial, 11, false, "Nord: 4 640 000.000" + gap + "Est: 1 500 000.000"},
         {Arial, 11, false, ""},
         {Arial, 11, true, "Coordinate Geografiche ROMA40  (Long. da Greenwich)"},
         {Arial, 11, false, "Latitudine: " + text("Text11") + gap + "Longitudine: 9° 00' 00.0000''"},
         {Arial, 11, false, ""},
         {Arial, 11, false, QString(62, '_')},
         {Arial, 11, false, ""}});
    EXPECT_EQ(doc.size(), expected.size());
    ExpectRows(doc, 0, expected);
    // UTM: the zone named by the user.
    choose("Option1_1");
    choose("Option4_2");
    type("Text14", "500000");
    click("Command1");
    click("Command6");
    EXPECT_EQ(fake.printer.pending()[expected.size() + 11].text, "Coordinate Piane UTM-ED50: Fuso 34");
    EXPECT_EQ(fake.printer.pending()[expected.size() + 14].text, "Coordinate Geografiche ED50");
}

TEST_F(Printing, ABlockCrossingThePageBottomGoesOnOnANewPageOfTheSameDocument) {
    m.PageBottom = 7220; // room for the header, a block and part of another
    open<frmGeoPia>();
    type("Text7", "41.5");
    type("Text8", "1");
    click("Command1");
    click("Command6");
    click("Command6");
    // Nothing is ended (a PDF printer would write a file and say so) until "STAMPA".
    EXPECT_TRUE(fake.printer.ended.empty());
    EXPECT_TRUE(fake.messages.shown.empty());
    const auto& all = fake.printer.pending();
    ASSERT_EQ(all.size(), 8u + 2u * 19u); // nothing lost
    size_t firstOnSecondPage = 0;
    while (firstOnSecondPage < all.size() && all[firstOnSecondPage].page == 0)
        ++firstOnSecondPage;
    ASSERT_LT(firstOnSecondPage, all.size());
    EXPECT_GT(firstOnSecondPage, 8u + 19u);
    const PrintedLine& lastOnFirst = all[firstOnSecondPage - 1];
    EXPECT_LE(lastOnFirst.y, m.PageBottom);
    EXPECT_GT(lastOnFirst.y + 11 * fake.printer.lineHeightFactor, m.PageBottom);
    // The continued page: no header, the top margin, then line after line.
    for (size_t i = firstOnSecondPage; i < all.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(all[i].page, 1);
        EXPECT_EQ(all[i].x, 793);
        EXPECT_NE(all[i].text, "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE");
        EXPECT_NE(all[i].text, QString(23, ' ') + " Tervano1");
        if (i > firstOnSecondPage)
            EXPECT_EQ(all[i].y, all[i - 1].y + all[i - 1].size * fake.printer.lineHeightFactor);
    }
    EXPECT_EQ(all[firstOnSecondPage].y, 280);
    // The line that did not fit is the one that opens the second page.
    EXPECT_EQ(all[firstOnSecondPage].text, all[firstOnSecondPage - 19].text);
    EXPECT_TRUE(m.QueueOpen);
    click("Command7");
    ASSERT_EQ(fake.printer.ended.size(), 1u);
    EXPECT_EQ(fake.printer.ended[0].size(), 8u + 2u * 19u);
    EXPECT_EQ(fake.printer.ended[0].back().page, 1);
    // The next document starts on its first page, with its header.
    click("Command6");
    EXPECT_EQ(fake.printer.pending().front().page, 0);
    EXPECT_EQ(fake.printer.pending().front().text, QString(23, ' ') + " Tervano1");
    // A printer failing to begin the new page is told, and the queue is closed.
    fake.printer.failNextPage = true;
    for (int i = 0; i < 3 && fake.messages.shown.empty(); ++i)
        click("Command6");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.last().text.startsWith("STAMPA NON RIUSCITA"));
    EXPECT_FALSE(m.QueueOpen);
    EXPECT_TRUE(fake.printer.pending().empty());
    EXPECT_EQ(fake.printer.ended.size(), 1u);
}

TEST_F(Printing, LinePrimitives) {
    PrintQueue q(m);
    q.setFont(11, false);
    q.printLine({"a", QString(), "b", "c"});
    q.printText("\rone\r\rtwo\r");
    ASSERT_EQ(fake.printer.lines.size(), 3u);
    EXPECT_EQ(fake.printer.lines[0].text, "abc");
    EXPECT_EQ(fake.printer.lines[0].y, 280);
    EXPECT_EQ(fake.printer.lines[1].text, "one");
    EXPECT_EQ(fake.printer.lines[2].text, "two");
    // No printer: nothing is printed, and "STAMPA" only closes the queue.
    m.PrinterPresent = false;
    q.printLine({"x"});
    q.printText("y");
    EXPECT_FALSE(q.append("T", [](PrintQueue& p) { p.printLine({"z"}); }));
    EXPECT_EQ(fake.printer.lines.size(), 3u);
    EXPECT_FALSE(m.QueueOpen);
}

TEST_F(Printing, PrinterFailuresAreToldAndLeaveTheQueueClosed) {
    open<frmGeoPia>();
    type("Text7", "41.5");
    type("Text8", "1");
    click("Command1");
    click("Command6");
    // The printer fails in the middle of the second block.
    fake.printer.failNextLine = true;
    click("Command6");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
    EXPECT_EQ(fake.messages.last().text, fake.messages.last().text.toUpper());
    EXPECT_TRUE(fake.messages.last().text.startsWith("STAMPA NON RIUSCITA"));
    EXPECT_FALSE(m.QueueOpen);
    EXPECT_FALSE(enabled("Command7"));
    EXPECT_TRUE(fake.printer.pending().empty());
    EXPECT_TRUE(fake.printer.ended.empty());
    // Leaving asks nothing; a new "ACCODA" starts with a header again.
    click("Command6");
    EXPECT_EQ(fake.printer.pending().front().text, QString(23, ' ') + " Tervano1");
    // Ending the document fails.
    fake.printer.failNextEnd = true;
    click("Command7");
    EXPECT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
    EXPECT_FALSE(m.QueueOpen);
    EXPECT_FALSE(enabled("Command7"));
    fake.messages.shown.clear();
    click("Command2");
    EXPECT_TRUE(closed());
    EXPECT_TRUE(fake.messages.shown.empty());
}

// A printer that writes PDF files, as the built-in one does.
class SavingPrinter : public RecordingPrinter {
public:
    PrintOutcome endDocument() override {
        RecordingPrinter::endDocument();
        return {true, {}, QStringLiteral("/home/u/Documenti/Tervano1-1.pdf")};
    }
};

TEST_F(Printing, ASavedFileIsNamedToTheUser) {
    SavingPrinter printer;
    Modulo1 pdf(Platform{fake.messages, printer, fake.settings, fake.process});
    pdf.PrinterPresent = true;
    pdf.PageTop = 280;
    pdf.PageBottom = 15847;
    PrintQueue q(pdf);
    ASSERT_TRUE(q.append("T", [](PrintQueue& p) { p.printLine({"x"}); }));
    ASSERT_TRUE(q.print());
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Information);
    EXPECT_TRUE(fake.messages.last().text.endsWith("/home/u/Documenti/Tervano1-1.pdf"));
}

} // namespace
