// Kensa Ledger: the construction-inspection ledger of the office.
#include "LedgerWindow.h"
#include "Prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kensa-ledger"));
    QApplication::setApplicationDisplayName(QStringLiteral("工事検査台帳"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    // Yes/No read はい/いいえ and the print preview speaks Japanese.
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtJapanese);

    LedgerWindow ledger;
    QObject::connect(&ledger, &LedgerWindow::closed, &app, &QApplication::quit);
    ledger.show();
    return app.exec();
}
