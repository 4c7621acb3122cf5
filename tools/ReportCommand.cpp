// `kensa report`: the print menu's runs without a window. The same aggregation code and

#include "Console.h"
// the same pages as the menu: the report table is rewritten exactly as the menu would
// rewrite it, and the page is written as a PDF file when asked for.
#include "ReportCommand.h"

#include "Clock.h"
#include "Database.h"
#include "EngineError.h"
#include "TableDataset.h"
#include "ListFilter.h"
#include "PageRenderer.h"
#include "Registers.h"
#include "ReportPages.h"
#include "ReportRun.h"
#include "SharedState.h"
#include "SqlText.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Console::complain;
using Console::say;
using Console::shown;
constexpr int kDone = Console::Done;
constexpr int kFailed = Console::Failed;
constexpr int kUsage = Console::Usage;

const QString Synopsis = u"report FORM [--year FY] [--db FILE] [--pdf FILE]"_s
                         u" [--inspector NAME] [--month M] [--band B] [--sort N]"_s
                         u"  |  kensa report --list"_s;

// Every FORM the command knows, in the print menu's order. A statistical form runs when
// its aggregation and its page are built; until then it answers "not available yet".
enum class FormKind { Statistical, Register };
struct FormEntry {
    QString word;
    FormKind kind;
};
const QList<FormEntry> &formEntries() {
    static const QList<FormEntry> entries{
        {u"1-1"_s, FormKind::Statistical},        {u"1-2"_s, FormKind::Statistical},
        {u"1-3"_s, FormKind::Statistical},        {u"1-4"_s, FormKind::Statistical},
        {u"1-5"_s, FormKind::Statistical},        {u"1-6"_s, FormKind::Statistical},
        {u"2-1"_s, FormKind::Statistical},        {u"2-2"_s, FormKind::Statistical},
        {u"3-1"_s, FormKind::Statistical},        {u"receipt-register"_s, FormKind::Register},
        {u"seal-register"_s, FormKind::Register}, {u"dispatch-register"_s, FormKind::Register},
    };
    return entries;
}

bool isAvailable(const FormEntry &entry) {
    if (entry.kind == FormKind::Register)
        return true;
    const ReportForm *form = reportForm(entry.word);
    return form && form->isAvailable() && makeReportPage(form->pageName).has_value();
}

QString formList() {
    QStringList words;
    for (const FormEntry &entry : formEntries())
        words.append(entry.word);
    return words.join(u' ');
}

struct Options {
    QString form;
    QString year;
    QString db;
    QString pdf;
    std::optional<QString> inspector;
    std::optional<int> month;
    std::optional<int> band;
    std::optional<int> sort;
};

// A whole number within [low, high]; nothing otherwise.
std::optional<int> numberIn(const QString &text, int low, int high) {
    if (!SqlText::isWholeNumber(text))
        return std::nullopt;
    bool ok = false;
    const int n = SqlText::trimBlanks(text).toInt(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}

int usageError(const QString &message) {
    complain(message);
    complain(u"使い方: kensa "_s + Synopsis);
    complain(u"FORM: "_s + formList());
    return kUsage;
}

// Reads the words after "report"; an error text when they are not right.
std::optional<QString> parse(const QStringList &args, Options &options) {
    QMap<QString, QString> values;
    static const QStringList known{u"--year"_s,  u"--db"_s,   u"--pdf"_s, u"--inspector"_s,
                                   u"--month"_s, u"--band"_s, u"--sort"_s};
    for (int i = 0; i < args.size(); ++i) {
        const QString &word = args.at(i);
        if (word.startsWith(u"--"_s)) {
            if (!known.contains(word))
                return u"不明なオプションです: "_s + word;
            if (i + 1 >= args.size())
                return word + u" の値がありません。"_s;
            if (values.contains(word))
                return word + u" が二度指定されています。"_s;
            values.insert(word, args.at(++i));
        } else if (options.form.isEmpty()) {
            options.form = word;
        } else {
            return u"引数が多すぎます: "_s + word;
        }
    }
    if (options.form.isEmpty())
        return u"FORM を指定してください。"_s;

    options.year =
        values.value(u"--year"_s, QString::number(fiscalYearOf(Clock::current().today())));
    if (!numberIn(options.year, 1989, 9999))
        return u"--year には西暦の年度を指定してください: "_s + options.year;
    options.year = QString::number(*numberIn(options.year, 1989, 9999));
    options.db = values.value(u"--db"_s, QDir::current().filePath(u"DB.mdb"_s));
    options.pdf = values.value(u"--pdf"_s);
    if (values.contains(u"--pdf"_s) && options.pdf.isEmpty())
        return u"--pdf にファイル名を指定してください。"_s;

    if (values.contains(u"--inspector"_s))
        options.inspector = values.value(u"--inspector"_s);
    struct Ranged {
        QString option;
        int low, high;
        std::optional<int> *target;
    };
    for (const Ranged &r :
         {Ranged{u"--month"_s, 1, 12, &options.month}, Ranged{u"--band"_s, 0, 2, &options.band},
          Ranged{u"--sort"_s, 1, ListFilter::SortOrderCount, &options.sort}}) {
        if (!values.contains(r.option))
            continue;
        *r.target = numberIn(values.value(r.option), r.low, r.high);
        if (!*r.target)
            return u"%1 には %2 から %3 の数を指定してください: %4"_s.arg(r.option)
                .arg(r.low)
                .arg(r.high)
                .arg(values.value(r.option));
    }
    return std::nullopt;
}

bool writePage(Page page, const QString &yearLabel, const Options &options,
               const ReportRows &rows, const QList<QPair<QString, QString>> &captions = {}) {
    // The title or subtitle first, then the year label, as the menu's run sets them.
    for (const auto &[label, text] : captions)
        page.setCaption(label, text);
    page.setCaption(yearLabel, yearText(options.year));
    if (!writePdf(page, rows, options.pdf, Clock::current().today())) {
        complain(u"PDF ファイルを書き込めません: "_s + shown(options.pdf));
        return false;
    }
    say(u"PDF を書き出しました: "_s + shown(options.pdf));
    return true;
}

int runStatistical(const ReportForm &form, Database &db, Query &temp, const Options &options) {
    NoProgress progress;
    ReportContext context{db, temp, progress};
    TDat dat;
    (dat.*(form.calc))(context);

    ReportTable table(db); // ADOTable_Ksum1
    table.setTableName(form.tableName);
    table.open();
    say(u"様式%1 を集計しました（%2）: %3 に %4 行"_s
            .arg(form.key, yearText(options.year), form.tableName)
            .arg(table.rows().rowCount()));
    if (!options.pdf.isEmpty() &&
        !writePage(*makeReportPage(form.pageName), form.yearLabel, options, table.rows(),
                   form.captions))
        return kFailed;
    return kDone;
}

// The list as the main window would show it for these choices: the fiscal year, the
// inspector's tab, the reception month, the amount band, then the sort order.
int runRegister(const RegisterDef &def, Database &db, const Options &options) {
    const int monthItem = !options.month        ? 12
                          : *options.month >= 4 ? *options.month - 4
                                                : *options.month + 8;
    LedgerDataset list(db);
    list.setFilter(ListFilter::build(options.year, options.inspector ? 1 : 0,
                                     options.inspector.value_or(QString()), monthItem,
                                     options.band.value_or(0)));
    list.setFiltered(true);
    list.setSort(ListFilter::sortColumns(options.sort.value_or(1)));
    list.open();
    const ReportRows rows = registerRows(list);
    say(u"%1（%2）: %3 行"_s.arg(def.caption, yearText(options.year)).arg(rows.rowCount()));
    const std::optional<Page> page = makeReportPage(def.pageName);
    if (!options.pdf.isEmpty() && !writePage(*page, def.yearLabel, options, rows))
        return kFailed;
    return kDone;
}

} // namespace

int reportCommand(const QStringList &args) {
    // `kensa report --list`: the forms that can be run now, one a line.
    if (args == QStringList{u"--list"_s}) {
        for (const FormEntry &e : formEntries()) {
            if (isAvailable(e))
                say(e.word);
        }
        return kDone;
    }
    Options options;
    if (const auto error = parse(args, options))
        return usageError(*error);

    const FormEntry *entry = nullptr;
    for (const FormEntry &e : formEntries()) {
        if (e.word == options.form)
            entry = &e;
    }
    if (!entry)
        return usageError(u"不明な様式です: "_s + options.form);
    if (!isAvailable(*entry)) {
        complain(u"様式 "_s + entry->word + u" はまだ用意されていません。"_s);
        return kUsage;
    }
    const bool listChoices = options.inspector || options.month || options.band || options.sort;
    if (entry->kind == FormKind::Statistical && listChoices)
        return usageError(u"--inspector、--month、--band、--sort は収受簿関連だけに使えます。"_s);

    if (!QFileInfo::exists(options.db)) {
        complain(u"データベースファイルが見つかりません: "_s + shown(options.db));
        return kFailed;
    }
    try {
        Database db;
        db.open(options.db);
        Query temp(db); // ADOQuery_Temp
        // The roster of the year, read as the start-up reads it.
        SharedState &s = shared();
        s.reset();
        s.fiscalYear = options.year;
        s.workDir = QDir::toNativeSeparators(QFileInfo(options.db).absolutePath());
        readRoster(temp, s.fiscalYear);
        if (entry->kind == FormKind::Register)
            return runRegister(*registerDef(entry->word), db, options);
        return runStatistical(*reportForm(entry->word), db, temp, options);
    } catch (const EngineError &error) {
        complain(error.message());
        return kFailed;
    }
}
