#include "ReportRun.h"

#include "Database.h"
#include "EngineError.h"
#include "LedgerWindow.h"
#include "Page.h"
#include "Previewer.h"
#include "ReportPages.h"
#include "SharedState.h"
#include "SqlText.h"

using namespace Qt::Literals::StringLiterals;

void LedgerProgress::begin(int maximum) {
    m_maximum = maximum;
    m_ledger.ProgressDisplay(1, maximum);
}

void LedgerProgress::step() {
    m_ledger.stepProgress();
}

void LedgerProgress::end() {
    m_ledger.ProgressDisplay(0, m_maximum);
}

namespace RunConventions {

QStringList readAliases(Query &temp, const QString &statement, const QStringList &aliases) {
    temp.close();
    temp.open(statement);
    QStringList values;
    for (const QString &alias : aliases)
        values << temp.text(alias);
    temp.close();
    return values;
}

void addMonthValueLines(QStringList &lines, const QStringList &values, bool commaAfterLast) {
    const int sizes[3] = {4, 4, 5};
    int at = 0;
    for (int size : sizes) {
        QString line;
        for (int i = 0; i < size; ++i, ++at) {
            line += SqlText::quote(values.value(at));
            if (at < 12 || commaAfterLast)
                line += u',';
        }
        lines.append(line);
    }
}

} // namespace RunConventions

QString AmountText(const QString &sumText) {
    return sumText.isEmpty() ? u"0"_s : sumText;
}

QString PercentText(const QString &countText, const Formats::Fixed &yearTotal) {
    if (countText.isEmpty() || yearTotal.units == 0)
        return u"0.0"_s;
    const auto count = Formats::Fixed::parse(countText);
    if (!count)
        throw EngineError(u"'"_s + countText + u"' は有効な数値ではありません。"_s);
    // count × 100 ÷ total in one division, so that a share that is a short decimal
    // (12.5, 6.25) comes out exactly and rounds as written.
    const double share = double(count->units) * 100.0 / double(yearTotal.units);
    return Formats::formatNumber(share, u"0.0"_s);
}

const QList<ReportForm> &reportForms() {
    static const QList<ReportForm> forms{
        {u"1-1"_s, u"QuickRep7"_s, u"様式1：工事検査件数調書"_s, u"QRLabel149"_s,
         &TDat::Calc_Form1_1},
        {u"1-2"_s, u"QuickRep1"_s, u"様式2：月別検査調書"_s, u"QRLabel76"_s, &TDat::Calc_Form1_2},
        {u"1-3"_s, u"QuickRep2"_s, u"様式3：業種別検査集計表"_s, u"QRLabel117"_s,
         &TDat::Calc_Form1_3,
         {{u"QRLabel17"_s, u"様式1-3：工事区分別検査集計表（月別、工事区分別　件数・金額）"_s}}},
        {u"1-4"_s, u"QuickRep2"_s, u"様式3：業種別検査集計表"_s, u"QRLabel117"_s,
         &TDat::Calc_Form1_4,
         {{u"QRLabel17"_s,
           u"様式1-4：工事区分別検査集計表（月別、検査員別、工事区分別　件数・金額）"_s}}},
        {u"1-5"_s, u"QuickRep3"_s, u"様式5：工事完成検査集計表"_s, u"QRLabel150"_s,
         &TDat::Calc_Form1_5},
        {u"1-6"_s, u"QuickRep4"_s, u"様式5：工事完成検査集計表"_s, u"QRLabel151"_s,
         &TDat::Calc_Form1_6},
        {u"2-1"_s, u"QuickRep5"_s, u"40工事成績評定点総括"_s, u"QRLabel152"_s,
         &TDat::Calc_Form2_1},
        {u"2-2"_s, u"QuickRep6"_s, u"41工事成績評定点集計表"_s, u"QRLabel153"_s,
         &TDat::Calc_Form2_2AllWorks, {{u"QRLabel73"_s, u"(全工事の集計)"_s}}},
        {u"3-1"_s, u"QuickRep8"_s, u"31部署別集計表"_s, u"QRLabel154"_s,
         &TDat::Calc_Form3_1AllSections, {{u"QRLabel113"_s, u"全工事の年間集計"_s}}},
    };
    return forms;
}

const ReportForm *reportForm(const QString &key) {
    for (const ReportForm &form : reportForms()) {
        if (form.key == key)
            return &form;
    }
    return nullptr;
}

QString yearText(const QString &fiscalYear) {
    return fiscalYear + u"年度"_s;
}

void ReportTable::open() {
    close();
    // The report tables have no key: rowid is the order in which the rows were inserted.
    const Database::Rows read =
        m_db.select(u"SELECT * FROM "_s + m_tableName + u" ORDER BY rowid"_s);
    m_rows.columns = read.columns;
    for (const QVector<QVariant> &row : read.rows)
        m_rows.rows.append(QVariantList(row.cbegin(), row.cend()));
    m_open = true;
}

void ReportTable::close() {
    m_rows = ReportRows();
    m_open = false;
}

void runReport(ReportPages &pages, const ReportForm &form, const std::function<void()> &aggregate,
               const QList<QPair<QString, QString>> &captions) {
    Page &page = pages.page(form.pageName);
    // 1.
    aggregate();
    // 2.
    ReportTable &table = pages.ADOTable_Ksum1();
    table.close();
    table.setTableName(form.tableName);
    table.open();
    // 3.
    for (const auto &[label, text] : captions)
        page.setCaption(label, text);
    page.setCaption(form.yearLabel, yearText(shared().fiscalYear));
    // 4.
    Previewer::current().preview(page, table.rows());
    // 5.
    table.close();
}
