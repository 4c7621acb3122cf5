#include "Commands.h"

#include "Console.h"

#include "EngineError.h"
#include "LedgerFile.h"
#include "ReportCommand.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>


using namespace Qt::Literals::StringLiterals;

namespace {

using Console::complain;
using Console::say;
using Console::shown;
constexpr int kDone = Console::Done;
constexpr int kFailed = Console::Failed;
constexpr int kUsage = Console::Usage;

struct Subcommand {
    QString name;
    QString synopsis; // as shown in the usage, e.g. "init [DIR]"
    QString summary;
    int (*run)(const QStringList &args); // the words after the subcommand's name
};

const QList<Subcommand> &subcommands();

QString usageText() {
    QStringList lines{u"使い方: kensa <コマンド> [引数]"_s, QString()};
    for (const Subcommand &command : subcommands())
        lines.append(u"  "_s + command.synopsis.leftJustified(14) + command.summary);
    lines.append(QString());
    lines.append(u"DIR を省くと今のフォルダです。既にある DB.mdb は上書きしません。"_s);
    return lines.join(u'\n');
}

bool tooManyArguments(const QStringList &args, const QString &synopsis) {
    if (args.size() <= 1)
        return false;
    complain(u"引数が多すぎます: "_s + args.mid(1).join(u' '));
    complain(u"使い方: kensa "_s + synopsis);
    return true;
}

// DIR/DB.mdb, making DIR when it is missing; an empty text when DIR cannot be made.
QString ledgerPathIn(const QStringList &args) {
    const QString dir = args.isEmpty() ? u"."_s : args.first();
    if (!QDir().mkpath(dir)) {
        complain(u"フォルダを作成できません: "_s + shown(dir));
        return QString();
    }
    return QDir(dir).filePath(u"DB.mdb"_s);
}

int initCommand(const QStringList &args) {
    if (tooManyArguments(args, u"init [DIR]"_s))
        return kUsage;
    const QString path = ledgerPathIn(args);
    if (path.isEmpty())
        return kFailed;
    try {
        createLedgerFile(path);
    } catch (const EngineError &error) {
        complain(error.message());
        return kFailed;
    }
    say(u"データベースファイルを作成しました: "_s + shown(path));
    return kDone;
}

int demoCommand(const QStringList &args) {
    if (tooManyArguments(args, u"demo [DIR]"_s))
        return kUsage;
    const QString path = ledgerPathIn(args);
    if (path.isEmpty())
        return kFailed;
    try {
        createLedgerFile(path);
    } catch (const EngineError &error) {
        complain(error.message());
        return kFailed;
    }
    const QDate today = QDate::currentDate();
    try {
        fillDemo(path, today);
    } catch (const EngineError &error) {
        // The file was made a moment ago by this command: an empty ledger is no demo.
        QFile::remove(path);
        complain(u"見本のデータを入れられませんでした: "_s + shown(path) + u'\n' + error.message());
        return kFailed;
    }
    const int year = today.month() >= 4 ? today.year() : today.year() - 1;
    say(u"見本のデータを入れたデータベースファイルを作成しました: "_s + shown(path) +
        u"（%1年度・%2年度）"_s.arg(year - 1).arg(year));
    return kDone;
}

int helpCommand(const QStringList &) {
    say(usageText());
    return kDone;
}

const QList<Subcommand> &subcommands() {
    static const QList<Subcommand> list{
        {u"init"_s, u"init [DIR]"_s, u"DIR/DB.mdb を作成します（すべての表と固定の行）"_s,
         &initCommand},
        {u"demo"_s, u"demo [DIR]"_s, u"DIR/DB.mdb を作成し、見本の事務所のデータを入れます"_s,
         &demoCommand},
        {u"report"_s, u"report FORM …"_s,
         u"様式を集計し、--pdf FILE でPDFに書き出します（FORM: 1-1 … 3-1、*-register）"_s,
         &reportCommand},
        {u"help"_s, u"help"_s, u"この説明を表示します"_s, &helpCommand},
    };
    return list;
}

} // namespace

int runCommand(const QStringList &args) {
    if (args.isEmpty() || args.first() == u"-h"_s || args.first() == u"--help"_s)
        return helpCommand({});
    for (const Subcommand &command : subcommands()) {
        if (command.name == args.first())
            return command.run(args.mid(1));
    }
    complain(u"不明なコマンドです: "_s + args.first());
    complain(usageText());
    return kUsage;
}
