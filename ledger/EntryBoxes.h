#pragma once

#include <QList>
#include <QString>

// The entry boxes of the three pages, one line per box, in the order in which a loaded
// case fills them. LoadCase and ClearEntry are loops over this table, and the pages are
// built from it.
struct EntryBox {
    enum class Load {
        Column,       // the box shows the column's plain text
        AmountManYen, // the amount in units of 10,000 yen, "#,##0", from the hidden yen box
        ChangedStart, // 工期自 when the changed period end holds something, else empty
        Nothing,      // not loaded
    };
    enum Flag {
        Plain = 0,
        Grey = 1,         // display only: shows the loaded case, never written from
        Hidden = 2,       // carries a companion value
        NotCleared = 4,   // ClearEntry leaves it as it is
        RightAligned = 8, //
    };

    QString name;    // component name, e.g. "Edit14"
    int page;        // 1, 2 or 3
    QString caption; // caption above the box ("" for hidden boxes)
    QString group;   // caption over a pair of boxes, e.g. "当初工期"
    QString column;  // ledger column the box shows
    Load load;
    QString initial; // initial and cleared text
    int flags;
    QString hint;          // fixed tooltip
    int width;             // pixels
    int row;               // layout row on its page (0 or 1)
    int slot;              // position within the row, left to right
    QString captionButton; // component name of a caption drawn as a flat button
    QString captionHint;   // that button's hint

    bool is(Flag f) const { return (flags & f) != 0; }
};

const QList<EntryBox> &entryBoxes();
const EntryBox *findEntryBox(const QString &name);
