#include "Previewer.h"

#include "Clock.h"
#include "PageRenderer.h"
#include "Prompter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;

namespace {
PrintPreviewer printPreview;
Previewer *installed = nullptr;

// A file name for the page offered by the save dialog: its title without blanks.
QString suggestedPdfName(const Page &page) {
    QString name = page.title();
    name.remove(u' ').remove(u'\u3000');
    for (const QChar c : {u'/', u'\\', u':', u'*', u'?', u'"', u'<', u'>', u'|'})
        name.replace(c, u'_');
    if (name.isEmpty())
        name = page.name();
    return QDir(QDir::currentPath()).filePath(name + u".pdf"_s);
}
} // namespace

Previewer &Previewer::current() {
    return installed ? *installed : printPreview;
}

void Previewer::install(Previewer *previewer) {
    installed = previewer;
}

void PrintPreviewer::preview(const Page &page, const ReportRows &rows) {
    // One print date for everything shown and printed from this preview.
    const QDate printDate = Clock::current().today();

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title());
    applyPageSetup(page, &printer);

    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setObjectName(u"PreviewDialog"_s);
    dialog.setWindowTitle(page.title());
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { renderPage(page, rows, target, printDate); });

    if (QToolBar *tools = dialog.findChild<QToolBar *>()) {
        // First in the tool bar, so that a narrow window does not hide it.
        auto *save = new QAction(u"PDFに保存..."_s, tools);
        save->setObjectName(u"SavePdfAction"_s);
        const QList<QAction *> existing = tools->actions();
        QAction *before = existing.isEmpty() ? nullptr : existing.first();
        tools->insertAction(before, save);
        tools->insertSeparator(before);
        save->setToolTip(u"このページをPDFファイルに保存します"_s);
        QObject::connect(save, &QAction::triggered, &dialog, [&] {
            const QString file = QFileDialog::getSaveFileName(
                &dialog, u"PDFに保存"_s, suggestedPdfName(page), u"PDF (*.pdf)"_s);
            if (file.isEmpty())
                return;
            if (!writePdf(page, rows, file, printDate))
                Prompter::error(u"PDFファイルを書き込めませんでした。\r"_s +
                                    QDir::toNativeSeparators(file),
                                &dialog);
        });
    }

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(area.width() * 9 / 10, area.height() * 9 / 10);
    }
    dialog.exec();
}
