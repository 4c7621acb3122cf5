#include "Formats.h"
#include "Page.h"
#include "PageRenderer.h"
#include "ReportPageDefs.h"
#include "ReportRows.h"
#include "ReportTestSupport.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate printDay(2026, 12, 11);

// Rows shaped like the form 1-1 table: trade, "件数", 13 counts, "(%)", 13 shares.
ReportRows form11Rows(const QList<std::pair<QString, int>> &trades, int yearTotal) {
    ReportRows rows;
    const QStringList months = {u"4月"_s, u"5月"_s,  u"6月"_s,  u"7月"_s,  u"8月"_s,
                                u"9月"_s, u"10月"_s, u"11月"_s, u"12月"_s, u"1月"_s,
                                u"2月"_s, u"3月"_s,  u"横計"_s};
    rows.columns << u"職種区分"_s << u"見出しc"_s;
    for (const QString &m : months)
        rows.columns << m + u'c';
    rows.columns << u"見出しp"_s;
    for (const QString &m : months)
        rows.columns << m + u'p';
    for (const auto &[trade, aprilCount] : trades) {
        QVariantList row{trade, u"件数"_s};
        for (int m = 0; m < 12; ++m)
            row << qlonglong(m == 0 ? aprilCount : 0);
        row << qlonglong(aprilCount) << u"(%)"_s;
        const double share = aprilCount * 100.0 / yearTotal;
        for (int m = 0; m < 12; ++m)
            row << (m == 0 ? share : 0.0);
        row << share;
        rows.rows << row;
    }
    return rows;
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void formatNumber_data();
    void formatNumber();
    void applyMask_data();
    void applyMask();
    void fixedParse_data();
    void fixedParse();
    void parseFloat_data();
    void parseFloat();
    void eraDate_data();
    void eraDate();
    void dateParts();
    void amountInManYen_data();
    void amountInManYen();
    void expression_data();
    void expression();
    void captions_data();
    void captions();

    void form11Pdf();
    void emptyRowsGiveOnePage();
    void rowsBreakOntoNextPage_data();
    void rowsBreakOntoNextPage();
    void columnHeaderFollowsFirstRowOfPage();
    void sameLayoutOnAnyResolution();
    void wideAmountKeepsEveryDigit();
    void registers_data();
    void registers();
    void unwritableFile();

private:
    QTemporaryDir m_dir;
};

void TestPages::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("85.25 one decimal") << 85.25 << u"0.0"_s << u"85.3"_s;
    QTest::newRow("72.25 one decimal") << 72.25 << u"0.0"_s << u"72.3"_s;
    QTest::newRow("6.25 one decimal") << 6.25 << u"0.0"_s << u"6.3"_s;
    QTest::newRow("0.05 one decimal") << 0.05 << u"0.0"_s << u"0.1"_s;
    QTest::newRow("thousands, rounded") << 1234.5678 << u"#,##0"_s << u"1,235"_s;
    QTest::newRow("negative half away from zero") << -2.5 << u"0"_s << u"-3"_s;
    QTest::newRow("negative grouped") << -1234.5 << u"#,##0"_s << u"-1,235"_s;
    QTest::newRow("no negative zero") << -0.04 << u"0.0"_s << u"0.0"_s;
    QTest::newRow("carry into a new digit") << 999.95 << u"0.0"_s << u"1000.0"_s;
    QTest::newRow("percent is a literal") << 12.5 << u"0.0%"_s << u"12.5%"_s;
    QTest::newRow("percent of zero") << 0.0 << u"0.0%"_s << u"0.0%"_s;
    QTest::newRow("one third") << 100.0 / 3 << u"0.0%"_s << u"33.3%"_s;
    // 0.285 * 100 is 28.499999999999996 in binary; the office means 28.5.
    QTest::newRow("computed half") << 0.285 * 100 << u"0"_s << u"29"_s;
    QTest::newRow("two decimals padded") << 72.3 << u"#,##0.00"_s << u"72.30"_s;
    QTest::newRow("two decimals grouped") << 1234567.891 << u"#,##0.00"_s << u"1,234,567.89"_s;
    QTest::newRow("average without decimals") << 72.3 << u"#,##0"_s << u"72"_s;
    QTest::newRow("half a unit") << 0.5 << u"#,##0"_s << u"1"_s;
    QTest::newRow("short grouping mask") << 1234567.0 << u",0"_s << u"1,234,567"_s;
    QTest::newRow("short grouping mask, small") << 999.0 << u",0"_s << u"999"_s;
    QTest::newRow("four digits padded") << 7.0 << u"0000"_s << u"0007"_s;
    QTest::newRow("four digits, wider value") << 12345.0 << u"0000"_s << u"12345"_s;
    QTest::newRow("large amount") << 1e15 << u"#,##0"_s << u"1,000,000,000,000,000"_s;
    QTest::newRow("no mask") << 82.0 << QString() << u"82"_s;
}

void TestPages::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(Formats::formatNumber(value, mask), expected);
}

void TestPages::applyMask_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("integer") << QVariant(1234567) << u"#,##0"_s << u"1,234,567"_s;
    QTest::newRow("beyond a double's digits")
        << QVariant(qlonglong(123456789012345678)) << u"#,##0"_s << u"123,456,789,012,345,678"_s;
    QTest::newRow("real share") << QVariant(12.5) << u"0.0%"_s << u"12.5%"_s;
    QTest::newRow("real average") << QVariant(72.3) << u"#,##0.00"_s << u"72.30"_s;
    QTest::newRow("digits in a text column") << QVariant(u"12345"_s) << u"#,##0"_s << u"12345"_s;
    QTest::newRow("construction number text") << QVariant(u"123-00"_s) << u"#,##0"_s << u"123-00"_s;
    QTest::newRow("marker text") << QVariant(u"<合計>"_s) << u"0.0%"_s << u"<合計>"_s;
    QTest::newRow("null real") << QVariant(QMetaType::fromType<double>()) << u"0.0%"_s << QString();
    QTest::newRow("no value") << QVariant() << u"#,##0"_s << QString();
    QTest::newRow("real without mask") << QVariant(82.0) << QString() << u"82"_s;
    QTest::newRow("real with decimals without mask")
        << QVariant(0.1 + 0.2) << QString() << u"0.3"_s;
    QTest::newRow("integer without mask")
        << QVariant(qlonglong(12345678)) << QString() << u"12345678"_s;
}

void TestPages::applyMask() {
    QFETCH(QVariant, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(Formats::applyMask(value, mask), expected);
}

void TestPages::fixedParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("plain");

    QTest::newRow("whole") << u"82"_s << true << qint64(820000) << u"82"_s;
    QTest::newRow("weight") << u"0.4"_s << true << qint64(4000) << u"0.4"_s;
    QTest::newRow("blanks around") << u" 12.34 "_s << true << qint64(123400) << u"12.34"_s;
    QTest::newRow("negative") << u"-1.5"_s << true << qint64(-15000) << u"-1.5"_s;
    QTest::newRow("plus sign") << u"+3"_s << true << qint64(30000) << u"3"_s;
    QTest::newRow("zero") << u"0.000"_s << true << qint64(0) << u"0"_s;
    QTest::newRow("small negative") << u"-0.05"_s << true << qint64(-500) << u"-0.05"_s;
    QTest::newRow("fifth decimal rounds up")
        << u"1.23455"_s << true << qint64(12346) << u"1.2346"_s;
    QTest::newRow("fifth decimal rounds down")
        << u"1.234549"_s << true << qint64(12345) << u"1.2345"_s;
    QTest::newRow("negative rounds away")
        << u"-1.00005"_s << true << qint64(-10001) << u"-1.0001"_s;
    QTest::newRow("point first") << u".5"_s << true << qint64(5000) << u"0.5"_s;
    QTest::newRow("point last") << u"5."_s << true << qint64(50000) << u"5"_s;
    QTest::newRow("largest") << u"922337203685477.5807"_s << true
                             << std::numeric_limits<qint64>::max() << u"922337203685477.5807"_s;

    QTest::newRow("letters") << u"abc"_s << false << qint64(0) << QString();
    QTest::newRow("two points") << u"1.2.3"_s << false << qint64(0) << QString();
    QTest::newRow("empty") << QString() << false << qint64(0) << QString();
    QTest::newRow("sign only") << u"-"_s << false << qint64(0) << QString();
    QTest::newRow("point only") << u"."_s << false << qint64(0) << QString();
    QTest::newRow("blank inside") << u"1 2"_s << false << qint64(0) << QString();
    QTest::newRow("exponent") << u"1e3"_s << false << qint64(0) << QString();
    QTest::newRow("full-width digits") << u"１２"_s << false << qint64(0) << QString();
    QTest::newRow("overflow by one unit")
        << u"922337203685477.5808"_s << false << qint64(0) << QString();
    QTest::newRow("overflow by rounding")
        << u"922337203685477.58075"_s << false << qint64(0) << QString();
    QTest::newRow("overflow of the whole part")
        << u"9223372036854775807"_s << false << qint64(0) << QString();
}

void TestPages::fixedParse() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    QFETCH(QString, plain);

    const std::optional<Formats::Fixed> fixed = Formats::Fixed::parse(text);
    QCOMPARE(fixed.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(qint64(fixed->units), units);
    QCOMPARE(fixed->toPlainText(), plain);
}

void TestPages::parseFloat_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("score") << u"85.25"_s << true << 85.25;
    QTest::newRow("blanks") << u" 12 "_s << true << 12.0;
    QTest::newRow("negative") << u"-0.5"_s << true << -0.5;
    QTest::newRow("letters") << u"abc"_s << false << 0.0;
    QTest::newRow("empty") << u"  "_s << false << 0.0;
    QTest::newRow("grouped") << u"1,234"_s << false << 0.0;
    QTest::newRow("infinity") << u"inf"_s << false << 0.0;
}

void TestPages::parseFloat() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = Formats::parseFloat(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestPages::eraDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("2011") << QDate(2011, 5, 2) << u"H23/05/02"_s;
    QTest::newRow("first day of the new era") << QDate(2019, 5, 1) << u"H31/05/01"_s;
    QTest::newRow("count continues") << QDate(2026, 12, 11) << u"H38/12/11"_s;
    QTest::newRow("first day offered") << QDate(1989, 1, 8) << u"H01/01/08"_s;
    QTest::newRow("day before") << QDate(1989, 1, 7) << QString();
    QTest::newRow("no date") << QDate() << QString();
}

void TestPages::eraDate() {
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(Formats::eraDate(date), expected);
}

void TestPages::dateParts() {
    const QDate day(2011, 5, 2);
    QCOMPARE(Formats::monthDay(day), u"05/02"_s);
    QCOMPARE(Formats::monthNumber(day), u"5"_s);
    QCOMPARE(Formats::monthNumber(QDate(2011, 12, 1)), u"12"_s);
    QCOMPARE(Formats::fourDigitYear(day), u"2011"_s);
    QCOMPARE(Formats::firstEraDay(), QDate(1989, 1, 8));
}

void TestPages::amountInManYen_data() {
    QTest::addColumn<double>("yen");
    QTest::addColumn<QString>("expected");

    QTest::newRow("contract") << 12345678.0 << u"1,235"_s;
    QTest::newRow("nothing") << 0.0 << u"0"_s;
    QTest::newRow("exact half") << 5000.0 << u"1"_s;
    QTest::newRow("below half") << 4999.0 << u"0"_s;
    QTest::newRow("one and a half") << 15000.0 << u"2"_s;
    QTest::newRow("large") << 123456789012.0 << u"12,345,679"_s;
}

void TestPages::amountInManYen() {
    QFETCH(double, yen);
    QFETCH(QString, expected);
    QCOMPARE(Formats::amountInManYen(yen), expected);
}

void TestPages::expression_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trade in parentheses") << u"'('+[職種区分]+')'"_s << QString() << u"(土木)"_s;
    QTest::newRow("inspector and trade")
        << u"[検査員]+'　('+[職種区分]+')'"_s << QString() << u"山田　(土木)"_s;
    QTest::newRow("selection") << u"'<抽出='+[検査員]+'；'+[工事区分]+'>'"_s << QString()
                               << u"<抽出=山田；舗装>"_s;
    QTest::newRow("blanks between terms") << u" [検査員] + '様' "_s << QString() << u"山田様"_s;
    QTest::newRow("quote and plus in a literal")
        << u"'a''b+'+[検査員]"_s << QString() << u"a'b+山田"_s;
    QTest::newRow("null field") << u"'('+[備考]+')'"_s << QString() << u"()"_s;
    QTest::newRow("unknown field") << u"'('+[無い列]+')'"_s << QString() << u"()"_s;
    QTest::newRow("column names ignore case") << u"[Name]"_s << QString() << u"x"_s;
    QTest::newRow("one numeric field is masked") << u"[金額]"_s << u"#,##0"_s << u"1,234,567"_s;
    QTest::newRow("joined numbers are plain") << u"[金額]+'円'"_s << u"#,##0"_s << u"1234567円"_s;
    // A malformed expression prints its own text, so that the mistake shows on the page.
    QTest::newRow("unclosed literal") << u"'abc"_s << QString() << u"'abc"_s;
    QTest::newRow("unclosed field") << u"[検査員"_s << QString() << u"[検査員"_s;
    QTest::newRow("missing plus") << u"[検査員]'x'"_s << QString() << u"[検査員]'x'"_s;
    QTest::newRow("trailing plus") << u"[検査員]+"_s << QString() << u"[検査員]+"_s;
}

void TestPages::expression() {
    QFETCH(QString, expression);
    QFETCH(QString, mask);
    QFETCH(QString, expected);

    ReportRows rows;
    rows.columns = {u"検査員"_s, u"職種区分"_s, u"工事区分"_s, u"備考"_s, u"金額"_s, u"NAME"_s};
    rows.rows << QVariantList{u"山田"_s,          u"土木"_s,
                              u"舗装"_s,          QVariant(QMetaType::fromType<QString>()),
                              qlonglong(1234567), u"x"_s};
    const Element element =
        Element::expression(QRectF(), expression, FontSpec::gothic(9), Qt::AlignLeft, mask);
    QCOMPARE(elementText(element, rows, 0, printDay), expected);
}

void TestPages::captions_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("yearLabel");

    QTest::newRow("form 1-1") << makeQuickRep7() << u"QRLabel149"_s;
    QTest::newRow("receipt book") << makeQuickRep9() << u"QRLabel155"_s;
    QTest::newRow("seal-use book") << makeQuickRep10() << u"QRLabel156"_s;
    QTest::newRow("dispatch book") << makeQuickRep11() << u"QRLabel157"_s;
}

void TestPages::captions() {
    QFETCH(Page, page);
    QFETCH(QString, yearLabel);

    QCOMPARE(page.caption(yearLabel), u"西暦年度"_s);
    QVERIFY(page.setCaption(yearLabel, u"2011年度"_s));
    QCOMPARE(page.caption(yearLabel), u"2011年度"_s);
    QVERIFY(!page.setCaption(u"QRLabel999"_s, u"x"_s));
    QCOMPARE(page.caption(u"QRLabel999"_s), QString());
    // An unnamed label (the title) is never reached by an empty name.
    QVERIFY(!page.setCaption(QString(), u"x"_s));
}

void TestPages::form11Pdf() {
    if (!havePoppler())
        QSKIP("pdftotext or pdffonts is not installed");
    Page page = makeQuickRep7();
    page.setCaption(u"QRLabel149"_s, u"2011年度"_s);
    const ReportRows rows =
        form11Rows({{u"土木"_s, 1}, {u"建築"_s, 3}, {u"設備"_s, 4}, {u"<合計>"_s, 8}}, 8);
    const QString file = m_dir.filePath(u"form11.pdf"_s);
    QVERIFY(writePdf(page, rows, file, printDay));

    const QString text = pdfText(file);
    QVERIFY2(text.contains(u"様式1-１：月別検査調書（職種別、月別件数・割合）"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(!text.contains(u"西暦年度"_s));
    QVERIFY(text.contains(u"印刷：2026/12/11"_s));
    QVERIFY(text.contains(
        u"件数は、全検査(完成検査、中間検査、出来高検査、部分完成検査、清算出来高検査)の合計"_s));
    QVERIFY(text.contains(u"職種"_s));
    // The month heads left to right, then the row total.
    static const QRegularExpression heads(
        u"４月５月６月７月８月９月10月11月12月１月２月３月横計"_s);
    QVERIFY2(text.contains(heads), qPrintable(text));
    QVERIFY(text.contains(u"12.5%"_s));  // 1 of 8
    QVERIFY(text.contains(u"37.5%"_s));  // 3 of 8
    QVERIFY(text.contains(u"100.0%"_s)); // the total row's share
    QVERIFY(text.contains(u"0.0%"_s));
    for (const QString &trade : {u"土木"_s, u"建築"_s, u"設備"_s, u"<合計>"_s})
        QVERIFY2(text.contains(trade), qPrintable(trade));
    QCOMPARE(text.count(u"件数"_s), 4 + 2); // one per row, the title's and the note's
    QCOMPARE(text.count(u"(%)"_s), 4);
    QCOMPARE(text.count(u'\f'), 1); // one page

    const QString fonts = runTool(u"pdffonts"_s, {file});
    QVERIFY2(fonts.contains(u"IPAPMincho"_s), qPrintable(fonts));
    QVERIFY2(fonts.contains(u"IPAPGothic"_s), qPrintable(fonts));
}

void TestPages::emptyRowsGiveOnePage() {
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    const QString file = m_dir.filePath(u"empty.pdf"_s);
    ReportRows rows = form11Rows({}, 1);
    QVERIFY(rows.rows.isEmpty());
    QVERIFY(writePdf(makeQuickRep7(), rows, file, printDay));
    const QString text = pdfText(file);
    QCOMPARE(text.count(u'\f'), 1);
    QVERIFY(text.contains(u"様式1-１"_s));
    QVERIFY(text.contains(u"西暦年度"_s));
    QVERIFY(text.contains(u"横計"_s));
    QVERIFY(!text.contains(u"(%)"_s));
}

void TestPages::rowsBreakOntoNextPage_data() {
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("pages");

    // 180 mm of content less 15.6 + 11.1 + 8.5 mm of bands leaves room for nine 14.8 mm rows.
    QTest::newRow("a full page") << 9 << 1;
    QTest::newRow("one row more") << 10 << 2;
    QTest::newRow("two full pages") << 18 << 2;
    QTest::newRow("three pages") << 19 << 3;
}

void TestPages::rowsBreakOntoNextPage() {
    QFETCH(int, rowCount);
    QFETCH(int, pages);

    QList<std::pair<QString, int>> trades;
    for (int i = 1; i <= rowCount; ++i)
        trades.append({u"職種%1"_s.arg(i), 1});
    const ReportRows rows = form11Rows(trades, 8);
    const QString file = m_dir.filePath(u"rows%1.pdf"_s.arg(rowCount));
    QPdfWriter writer(file);
    writer.setResolution(150);
    QCOMPARE(renderPage(makeQuickRep7(), rows, &writer, printDay), pages);

    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    const QString all = pdfText(file);
    QCOMPARE(all.count(u'\f'), pages);
    const QString last = pdfText(file, pages);
    // The headers repeat on the last page, which holds the rows that did not fit before.
    QVERIFY(last.contains(u"様式1-１"_s));
    QVERIFY(last.contains(u"印刷：2026/12/11"_s));
    static const QRegularExpression heads(u"４月５月６月.*３月横計"_s);
    QVERIFY(last.contains(heads));
    const QString lastTrade = u"職種%1"_s.arg(rowCount);
    QVERIFY(last.contains(lastTrade));
    const QString firstOnLast = u"職種%1"_s.arg((pages - 1) * 9 + 1);
    QVERIFY(last.contains(firstOnLast));
    if (pages > 1) {
        const QString before = pdfText(file, pages - 1);
        QVERIFY(!before.contains(firstOnLast));
        QVERIFY(before.contains(u"職種%1"_s.arg((pages - 1) * 9)));
    }
}

void TestPages::columnHeaderFollowsFirstRowOfPage() {
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    // A page whose column header names the inspector of the first row of each page, with
    // thirteen rows a page and a footer on every page.
    Page page(u"Test"_s, u"test"_s);
    Band header(Band::Kind::PageHeader, 10, Band::AllSides);
    header.add(Element::label(QRectF(0, 0, 100, 10), u"見出し帯"_s, FontSpec::mincho(12),
                              Qt::AlignLeft | Qt::AlignVCenter));
    page.addBand(header);
    Band columnHeader(Band::Kind::ColumnHeader, 10, Band::AllSides);
    columnHeader.add(Element::expression(QRectF(0, 0, 100, 10), u"[検査員]+'　('+[職種区分]+')'"_s,
                                         FontSpec::gothic(10), Qt::AlignLeft | Qt::AlignVCenter));
    page.addBand(columnHeader);
    Band detail(Band::Kind::Detail, 10, Band::AllSides);
    detail.add(Element::field(QRectF(0, 0, 50, 10), u"月"_s, FontSpec::gothic(10),
                              Qt::AlignRight | Qt::AlignVCenter));
    detail.add(Element::field(QRectF(60, 0, 50, 10), u"検査員"_s, FontSpec::gothic(10),
                              Qt::AlignLeft | Qt::AlignVCenter));
    page.addBand(detail);
    Band footer(Band::Kind::PageFooter, 20, Band::NoSide);
    footer.add(Element::note(QRectF(100, 0, 177, 20), {u"注記一行目"_s, u"注記二行目"_s},
                             FontSpec::mincho(11), Qt::AlignLeft | Qt::AlignTop));
    page.addBand(footer);
    QCOMPARE(rowsPerPage(page), 14);

    ReportRows rows;
    rows.columns = {u"月"_s, u"検査員"_s, u"職種区分"_s};
    const QList<std::pair<QString, QString>> inspectors = {{u"山田"_s, u"土木"_s},
                                                           {u"佐藤"_s, u"建築"_s}};
    for (const auto &[name, trade] : inspectors) {
        for (int m = 1; m <= 14; ++m)
            rows.rows << QVariantList{u"%1月"_s.arg(m), name, trade};
    }
    const QString file = m_dir.filePath(u"blocks.pdf"_s);
    QVERIFY(writePdf(page, rows, file, printDay));

    const QString first = pdfText(file, 1);
    const QString second = pdfText(file, 2);
    QVERIFY2(first.contains(u"山田(土木)"_s), qPrintable(first));
    QVERIFY(!first.contains(u"佐藤"_s));
    QVERIFY2(second.contains(u"佐藤(建築)"_s), qPrintable(second));
    QVERIFY(!second.contains(u"山田"_s));
    for (const QString &text : {first, second}) {
        QVERIFY(text.contains(u"見出し帯"_s));
        // The footer's two lines, one under the other, after the last row.
        static const QRegularExpression note(u"14月.*注記一行目\\n+注記二行目"_s,
                                             QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(text.contains(note), qPrintable(text));
    }
}

void TestPages::wideAmountKeepsEveryDigit() {
    // A ten-digit amount in a column too narrow for it at its size is drawn narrower, not cut.
    Page page(u"narrow"_s, u"narrow"_s);
    Band detail(Band::Kind::Detail, 8, Band::AllSides);
    detail.add(Element::field(QRectF(0, 0, 15, 8), u"横計p"_s, FontSpec::gothic(9),
                              Qt::AlignRight | Qt::AlignVCenter, u"#,##0"_s));
    page.addBand(detail);
    ReportRows rows;
    rows.columns = {u"横計p"_s};
    rows.rows << QVariantList{qlonglong(4703938900)};
    const QString file = m_dir.filePath(u"narrow.pdf"_s);
    QVERIFY(writePdf(page, rows, file, QDate(2026, 12, 11)));
    // The whole word lies inside its cell, 10 mm to 25 mm from the paper's edge (28.3 pt
    // to 70.9 pt): a cut value would start left of the cell.
    const QString html = runTool(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">4,703,938,900</word>)re"_s);
    const auto m = word.match(html);
    QVERIFY2(m.hasMatch(), qPrintable(html));
    QVERIFY2(m.captured(1).toDouble() >= 28.0, qPrintable(m.captured(1)));
    QVERIFY2(m.captured(2).toDouble() <= 71.2, qPrintable(m.captured(2)));
}

void TestPages::sameLayoutOnAnyResolution() {
    if (!havePdftotext())
        QSKIP("pdftotext is not installed");
    // The same page on a PDF writer at 72 dpi and on a printer at 600 dpi: every word must
    // stand at the same place on the paper.
    const ReportRows rows = form11Rows({{u"土木"_s, 1}, {u"<合計>"_s, 8}}, 8);
    const QString coarse = m_dir.filePath(u"coarse.pdf"_s);
    const QString fine = m_dir.filePath(u"fine.pdf"_s);
    {
        QPdfWriter writer(coarse);
        writer.setResolution(72);
        QCOMPARE(renderPage(makeQuickRep7(), rows, &writer, printDay), 1);
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fine);
        printer.setResolution(600);
        QCOMPARE(renderPage(makeQuickRep7(), rows, &printer, printDay), 1);
    }
    // Word boxes in points: <word xMin="…" yMin="…" …>text</word>
    auto words = [](const QString &file) {
        const QString html = runTool(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
        static const QRegularExpression word(
            uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]+)</word>)re"_s);
        QMap<QString, QPointF> at;
        auto it = word.globalMatch(html);
        while (it.hasNext()) {
            const auto m = it.next();
            at.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
        }
        return at;
    };
    const QMap<QString, QPointF> a = words(coarse);
    const QMap<QString, QPointF> b = words(fine);
    const QStringList probes = {u"横計"_s, u"12.5%"_s, u"100.0%"_s, u"土木"_s};
    for (const QString &probe : probes) {
        QVERIFY2(a.contains(probe) && b.contains(probe), qPrintable(probe));
        // 1.5 pt of slack for glyph positions rounded to whole device units at 72 dpi.
        QVERIFY2(qAbs(a[probe].x() - b[probe].x()) < 1.5, qPrintable(probe));
        QVERIFY2(qAbs(a[probe].y() - b[probe].y()) < 1.5, qPrintable(probe));
    }
    // The left margin is 10 mm (28.3 pt), the top 20 mm (56.7 pt): the year label starts
    // just inside that corner.
    QVERIFY(b.contains(u"西暦年度"_s));
    QVERIFY(b[u"西暦年度"_s].x() > 28.3 && b[u"西暦年度"_s].x() < 36);
    QVERIFY(b[u"西暦年度"_s].y() > 56.7 && b[u"西暦年度"_s].y() < 64);
}

void TestPages::registers_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("yearLabel");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("receipt book")
        << makeQuickRep9() << u"QRLabel155"_s
        << QStringList{u"工事検査依頼収受簿"_s,
                       u"受付番号受付日受領時間工事番号工事担当課請負者名検査員名備考"_s,
                       u"工検0012"_s,
                       u"05/02"_s,
                       u"10:30"_s,
                       u"12345"_s,
                       u"建設部道路課"_s,
                       u"株式会社山田建設"_s,
                       u"山田"_s};
    QTest::newRow("seal-use book") << makeQuickRep10() << u"QRLabel156"_s
                                   << QStringList{u"公印使用簿"_s,
                                                  u"年月日件名あて先公印の種類件数押印数検査員名"_s,
                                                  u"05/02"_s,
                                                  u"完成検査等"_s,
                                                  u"株式会社山田建設"_s,
                                                  u"市長印"_s,
                                                  u"山田"_s};
    QTest::newRow("dispatch book")
        << makeQuickRep11() << u"QRLabel157"_s
        << QStringList{u"工事検査結果通知書発送簿"_s,
                       u"発送番号発送日工事番号工事担当課請負者氏名検査員名備考"_s,
                       u"工検発0007"_s,
                       u"06/10"_s,
                       u"12345"_s,
                       u"建設部道路課"_s,
                       u"山田"_s};
}

void TestPages::registers() {
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    QFETCH(Page, page);
    QFETCH(QString, yearLabel);
    QFETCH(QStringList, expected);

    ReportRows rows;
    rows.columns = {u"受付番号"_s,   u"受付日"_s, u"時間"_s,     u"工事番号"_s, u"担当課"_s,
                    u"請負業者名"_s, u"検査員"_s, u"備考"_s,     u"件名"_s,     u"公印種類"_s,
                    u"件数"_s,       u"押印数"_s, u"発送番号"_s, u"発送日"_s};
    rows.rows << QVariantList{
        u"工検0012"_s,         u"05/02"_s,   u"10:30"_s,      u"12345"_s,      u"建設部道路課"_s,
        u"株式会社山田建設"_s, u"山田"_s,    u" "_s,          u"完成検査等"_s, u"市長印"_s,
        qlonglong(2),          qlonglong(3), u"工検発0007"_s, u"06/10"_s};
    // A case not dispatched yet is listed all the same, with an empty dispatch date.
    rows.rows << QVariantList{u"工検0013"_s,
                              u"05/09"_s,
                              u"13:00"_s,
                              u"77-01"_s,
                              u"都市整備部公園緑地課"_s,
                              u"有限会社佐藤造園"_s,
                              u"佐藤"_s,
                              QVariant(),
                              u"完成検査等"_s,
                              QVariant(),
                              QVariant(),
                              QVariant(),
                              QVariant(),
                              QVariant()};
    QVERIFY(page.setCaption(yearLabel, u"2011年度"_s));
    const QString file = m_dir.filePath(page.name() + u".pdf"_s);
    QVERIFY(writePdf(page, rows, file, printDay));

    const QString text = pdfText(file);
    QVERIFY(text.contains(u"2011年度"_s));
    QVERIFY(text.contains(u"印刷：2026/12/11"_s));
    for (const QString &e : expected)
        QVERIFY2(text.contains(e), qPrintable(e + u"\n"_s + text));
    QVERIFY(text.contains(u"佐藤"_s));
    QVERIFY(!text.contains(u"12,345"_s)); // a text construction number keeps its form
}

void TestPages::unwritableFile() {
    QVERIFY(
        !writePdf(makeQuickRep7(), ReportRows(), m_dir.filePath(u"no/such/dir/x.pdf"_s), printDay));
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
