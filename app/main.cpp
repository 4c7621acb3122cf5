// Kensa Ledger: the construction-inspection ledger of the office. The windows are made
// once, in order, and live until the program ends; only the ledger window starts shown.
#include "CalendarWindow.h"
#include "ChoicePicker.h"
#include "FieldBindings.h"
#include "KensaApplication.h"
#include "LedgerWindow.h"
#include "NumericKeypad.h"
#include "PrintMenu.h"
#include "RadioGroup.h"
#include "ReportFonts.h"
#include "ReportPages.h"
#include "SettingsWindow.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv) {
    KensaApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kensa-ledger"));
    QApplication::setApplicationDisplayName(QStringLiteral("工事検査台帳"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    installReportFonts();

    // Yes/No read はい/いいえ, and the print preview speaks Japanese.
    QTranslator qtJapanese;
    if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtJapanese);

    LedgerWindow ledger;                // Form1
    NumericKeypad keypad;               // Form7
    CalendarWindow calendar(ledger);    // Form5
    ReportPages pages(ledger);          // Form2, never shown
    ChoicePicker picker(ledger);        // Form3
    PrintMenu printMenu(ledger, pages); // Form4
    SettingsWindow settings(ledger);    // Form6
    bindFields(ledger, Assistants{&keypad, &calendar, &picker});
    QObject::connect(&ledger, &LedgerWindow::settingsRequested, &settings,
                     &SettingsWindow::openSettings);
    // The paste of a spreadsheet row leaves the picker's construction class unchosen.
    ledger.setConstructionClassReset([&picker] {
        if (auto *group = picker.findChild<RadioGroup *>(QStringLiteral("RadioGroup3")))
            group->setItemIndex(-1);
    });

    QObject::connect(&ledger, &LedgerWindow::closed, &app, &QApplication::quit);
    ledger.show();
    return app.exec();
}
