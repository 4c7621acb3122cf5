#pragma once

#include "Page.h"
#include "Previewer.h"
#include "ReportRows.h"

#include <QList>
#include <functional>

// A previewer that records every page it is asked to show, with its captions as set at
// that moment and its rows, and returns at once as if the preview had been closed.
// onPreview, when set, runs while the "preview" is open (to look at the windows then).
// Installed for its lifetime.
class RecordingPreviewer : public Previewer {
public:
    RecordingPreviewer() { Previewer::install(this); }
    ~RecordingPreviewer() override { Previewer::install(nullptr); }

    struct Shown {
        Page page;
        ReportRows rows;
    };

    void preview(const Page &page, const ReportRows &rows) override {
        shown.append({page, rows});
        if (onPreview)
            onPreview(page, rows);
    }

    int count() const { return int(shown.size()); }
    const Shown &last() const { return shown.last(); }

    QList<Shown> shown;
    std::function<void(const Page &, const ReportRows &)> onPreview;
};
