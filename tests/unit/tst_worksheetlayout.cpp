#include "PrintChecks.h"
#include "WorksheetLayout.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;

namespace {

const QSizeF kPage(11520, 15120);

Worksheet rocksQuiz()
{
    Worksheet sheet;
    sheet.productTitle = QStringLiteral("Terralore");
    sheet.quizTitle = QStringLiteral("The Science of Rocks");
    for (int i = 1; i <= 10; ++i) {
        WorksheetQuestion q;
        q.text = QStringLiteral("Which rock is number %1?").arg(i);
        q.optionA = QStringLiteral("Granite %1").arg(i);
        q.optionB = QStringLiteral("Basalt %1").arg(i);
        q.optionC = QStringLiteral("Chalk %1").arg(i);
        q.optionD = QStringLiteral("Slate %1").arg(i);
        sheet.questions.append(q);
    }
    return sheet;
}

QList<PrintRecord> printed(const Worksheet &sheet, RecordingPrintSurface &surface)
{
    layOutWorksheet(surface, sheet);
    return textRecords(surface);
}

// The first text record of question n (counting from 1): 7 texts come
// before the questions, and each question prints 6.
qsizetype questionStart(int n)
{
    return 7 + 6 * (n - 1);
}

} // namespace

class WorksheetLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void headerLine();
    void titlesAreCentredAt32();
    void questionColumns_data();
    void questionColumns();
    void linesFollowThePrinterModel();
    void longAnswersRunOnUncut();
    void emptyQuestionAndAnswersPrintTheirPrefixes();
    void naturalPageBreak_data();
    void naturalPageBreak();
    void aPrinterFailureStopsAtOnceAndSendsNothing();
};

void WorksheetLayoutTest::headerLine()
{
    const QString header = worksheetHeader();
    QCOMPARE(header,
             QStringLiteral("Terralore") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quillmere Publishing Ltd"));
    QCOMPARE(header.size(), 9 + 57 + 24);

    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(rocksQuiz(), surface);
    const float w = float(kPage.width());
    QCOMPARE(texts.at(0).text, QStringLiteral(" "));
    QCOMPARE(texts.at(0).x, w / 8);
    QCOMPARE(texts.at(0).fontSize, 16.0);
    QCOMPARE(texts.at(0).fontName, QStringLiteral("Times New Roman"));
    QCOMPARE(texts.at(1).text, header);
    QCOMPARE(texts.at(1).x, w / 16);
    QVERIFY(!texts.at(1).lineEnd);
    QCOMPARE(texts.at(2).text, QStringLiteral(" "));
    QVERIFY(texts.at(2).lineEnd);
    QCOMPARE(texts.at(3).text, QStringLiteral(" "));
    QCOMPARE(texts.at(3).x, 0.0f);
    // Colours stay at the printer's default.
    for (const PrintRecord &r : texts)
        QCOMPARE(r.color, QColor(0, 0, 0));
}

void WorksheetLayoutTest::titlesAreCentredAt32()
{
    Worksheet sheet = rocksQuiz();
    sheet.productTitle = QStringLiteral("Terralore: Rocks, Soils and Fossils");
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(sheet, surface);
    Ruler ruler(kPage);
    const float w = float(kPage.width());
    for (int i : {4, 5}) {
        const PrintRecord &r = texts.at(i);
        QCOMPARE(r.fontSize, 32.0);
        QVERIFY(r.lineEnd);
        QCOMPARE(r.x, (w - ruler.width(32, r.text)) / 2);
    }
    QCOMPARE(texts.at(4).text, sheet.productTitle);
    QCOMPARE(texts.at(5).text, sheet.quizTitle);
    // Each on its own measured width: different texts, different places.
    QVERIFY(texts.at(4).x != texts.at(5).x);
    QCOMPARE(texts.at(6).text, QStringLiteral(" "));
    QCOMPARE(texts.at(6).fontSize, 32.0);
}

void WorksheetLayoutTest::questionColumns_data()
{
    QTest::addColumn<int>("question");
    for (int i = 1; i <= 10; ++i)
        QTest::newRow(qPrintable(QStringLiteral("question %1").arg(i))) << i;
}

void WorksheetLayoutTest::questionColumns()
{
    QFETCH(int, question);
    const Worksheet sheet = rocksQuiz();
    const WorksheetQuestion &q = sheet.questions.at(question - 1);
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(sheet, surface);
    QCOMPARE(texts.size(), questionStart(11));
    const float w = float(kPage.width());
    const qsizetype at = questionStart(question);

    const PrintRecord &line = texts.at(at);
    QCOMPARE(line.text, QStringLiteral("Question %1    ").arg(question) + q.text);
    QCOMPARE(line.x, w / 16);
    QVERIFY(line.lineEnd);

    const PrintRecord &a = texts.at(at + 1);
    const PrintRecord &b = texts.at(at + 2);
    const PrintRecord &c = texts.at(at + 3);
    const PrintRecord &d = texts.at(at + 4);
    QCOMPARE(a.text, QStringLiteral("A. ") + q.optionA);
    QCOMPARE(b.text, QStringLiteral("B. ") + q.optionB);
    QCOMPARE(c.text, QStringLiteral("C. ") + q.optionC);
    QCOMPARE(d.text, QStringLiteral("D. ") + q.optionD);
    QCOMPARE(a.x, w / 3);
    QCOMPARE(b.x, 2 * w / 3);
    QCOMPARE(c.x, w / 3);
    QCOMPARE(d.x, 2 * w / 3);
    QVERIFY(!a.lineEnd && b.lineEnd && !c.lineEnd && d.lineEnd);
    QCOMPARE(a.y, b.y);
    QCOMPARE(c.y, d.y);
    QVERIFY(a.y > line.y && c.y > a.y);
    for (const PrintRecord *r : {&line, &a, &b, &c, &d})
        QCOMPARE(r->fontSize, 12.0);
    QCOMPARE(texts.at(at + 5).text, QStringLiteral(" "));
    QCOMPARE(texts.at(at + 5).x, 0.0f);
}

void WorksheetLayoutTest::linesFollowThePrinterModel()
{
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(rocksQuiz(), surface);
    const QString fault = checkLineAdvance(texts, float(kPage.height()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(surface.pagesStarted(), 1);
    QCOMPARE(lastKind(surface), PrintRecord::Kind::End);
}

void WorksheetLayoutTest::longAnswersRunOnUncut()
{
    Worksheet sheet = rocksQuiz();
    const QString longA =
        QStringLiteral("Igneous rock formed from magma that cooled slowly deep underground, with big crystals");
    const QString longC = QStringLiteral("Sedimentary rock made of the shells of tiny sea creatures pressed together");
    const QString longD =
        QStringLiteral("Metamorphic rock that was once mudstone and splits into thin flat sheets for roofs");
    sheet.questions[2].optionA = longA;
    sheet.questions[2].optionC = longC;
    sheet.questions[2].optionD = longD;
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(sheet, surface);
    const qsizetype at = questionStart(3);
    const float w = float(kPage.width());
    Ruler ruler(kPage);
    QCOMPARE(texts.at(at + 1).text, QStringLiteral("A. ") + longA);
    QCOMPARE(texts.at(at + 3).text, QStringLiteral("C. ") + longC);
    QCOMPARE(texts.at(at + 4).text, QStringLiteral("D. ") + longD);
    // The A answer reaches into the B column, which still starts at 2W/3.
    QVERIFY(w / 3 + ruler.width(12, texts.at(at + 1).text) > 2 * w / 3);
    QCOMPARE(texts.at(at + 2).x, 2 * w / 3);
    QCOMPARE(texts.at(at + 4).x, 2 * w / 3);
    // Nothing was wrapped: each answer pair shares one line, the next
    // question follows one blank line later.
    QCOMPARE(texts.at(at + 3).y, texts.at(at + 4).y);
    const QString fault = checkLineAdvance(texts, float(kPage.height()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void WorksheetLayoutTest::emptyQuestionAndAnswersPrintTheirPrefixes()
{
    Worksheet sheet = rocksQuiz();
    sheet.questions[4] = WorksheetQuestion();
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(sheet, surface);
    const qsizetype at = questionStart(5);
    QCOMPARE(texts.at(at).text, QStringLiteral("Question 5    "));
    QCOMPARE(texts.at(at + 1).text, QStringLiteral("A. "));
    QCOMPARE(texts.at(at + 2).text, QStringLiteral("B. "));
    QCOMPARE(texts.at(at + 3).text, QStringLiteral("C. "));
    QCOMPARE(texts.at(at + 4).text, QStringLiteral("D. "));
    QCOMPARE(texts.at(at + 3).x, float(kPage.width()) / 3);
}

void WorksheetLayoutTest::naturalPageBreak_data()
{
    // The printable height as a share of the height the whole sheet needs.
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("pages");
    QTest::newRow("all on one") << 1.0 << 1;
    QTest::newRow("two pages") << 0.6 << 2;
    QTest::newRow("three pages") << 0.4 << 3;
}

void WorksheetLayoutTest::naturalPageBreak()
{
    QFETCH(double, share);
    QFETCH(int, pages);
    Ruler ruler(kPage);
    // The height the sheet needs on an endless page, not counting the
    // trailing blank line: where the last text ends.
    RecordingPrintSurface tall(QSizeF(kPage.width(), 1e6));
    const QList<PrintRecord> onePage = printed(rocksQuiz(), tall);
    const PrintRecord &lastInk = onePage.at(onePage.size() - 2);
    const double needed = lastInk.y + ruler.lineHeight(12);

    const QSizeF page(kPage.width(), std::ceil(needed * share));
    RecordingPrintSurface surface(page);
    const QList<PrintRecord> texts = printed(rocksQuiz(), surface);
    QCOMPARE(texts.size(), onePage.size());
    QCOMPARE(surface.pagesStarted(), pages);
    const QString fault = checkLineAdvance(texts, float(page.height()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QCOMPARE(texts.at(i).text, onePage.at(i).text);
        QCOMPARE(texts.at(i).x, onePage.at(i).x);
    }
    // Every later page starts at the top with the text that did not fit.
    for (int p = 1; p < pages; ++p) {
        auto first = std::find_if(texts.cbegin(), texts.cend(), [p](const PrintRecord &r) { return r.page == p; });
        QVERIFY(first != texts.cend());
        QCOMPARE(first->y, 0.0f);
    }
    QCOMPARE(lastKind(surface), PrintRecord::Kind::End);
}

void WorksheetLayoutTest::aPrinterFailureStopsAtOnceAndSendsNothing()
{
    RecordingPrintSurface whole(kPage);
    layOutWorksheet(whole, rocksQuiz());
    for (const double share : {0.0, 0.3, 0.7, 1.0}) {
        const int failingCall = std::max(1, int(whole.deviceCalls() * share));
        RecordingPrintSurface surface(kPage);
        surface.failOnCall(failingCall);
        QVERIFY_THROWS_EXCEPTION(PrintError, layOutWorksheet(surface, rocksQuiz()));
        QVERIFY(surface.failed());
        QCOMPARE(surface.deviceCalls(), failingCall);
        QVERIFY(surface.records(PrintRecord::Kind::End).isEmpty());
    }
}

QTEST_MAIN(WorksheetLayoutTest)
#include "tst_worksheetlayout.moc"
