#pragma once

#include "Page.h"
#include "ReportRows.h"

// Shows a report page with its rows and returns when the user has closed it. The program
// opens a print preview, from which the page is printed or saved; tests install a
// previewer that records what would have been shown.
class Previewer {
public:
    virtual ~Previewer() = default;
    virtual void preview(const Page &page, const ReportRows &rows) = 0;

    // The previewer in use; the print preview unless another was installed.
    static Previewer &current();
    // Installs a previewer (not owned); nullptr returns to the print preview.
    static void install(Previewer *previewer);
};

// The print preview: a modal QPrintPreviewDialog on an A4 landscape printer. Its tool bar
// gives page navigation, zoom and printing; "PDFに保存..." writes the page to a PDF file.
class PrintPreviewer : public Previewer {
public:
    void preview(const Page &page, const ReportRows &rows) override;
};
