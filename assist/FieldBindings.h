#pragma once

#include "CalendarWindow.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ChoicePicker;
class LedgerWindow;
class NumericKeypad;
class QLineEdit;

// The three assistant windows, created once at start (not owned here).
struct Assistants {
    NumericKeypad *keypad = nullptr;
    CalendarWindow *calendar = nullptr;
    ChoicePicker *picker = nullptr;
};

// What a click on one entry box of the LedgerWindow opens.
struct FieldBinding {
    enum class Opens {
        Calendar, // the calendar, aimed at `target`
        Picker,   // the picker on `page`, after the preload and the list load
        Keypad,   // the keypad in `mode`, after setting Label30 to `flag` (unless empty)
        NoEntry,  // the message "ここは,入力不要です"
    };
    enum class ListLoad { None, Sections, Supervisors };

    QString field;
    Opens opens;
    int target = 0;      // CalendarTarget
    QString page;        // picker sheet, "TabSheet5" …
    QString preloadFrom; // LedgerWindow box copied into the picker's box …
    QString preloadInto; // … of this name, before the page is shown
    ListLoad listLoad = ListLoad::None;
    QString mode;       // KeypadMode
    QString flag;       // Label30 before the keypad opens
    int dx = 0, dy = 0; // calendar and picker place, from the LedgerWindow's corner (px)
};
const QList<FieldBinding> &fieldBindings();
const FieldBinding *findFieldBinding(const QString &field);

// A caption drawn as a flat button that empties boxes at once, without asking.
struct ClearCaption {
    QString button;
    QList<BoxText> effects;
};
const QList<ClearCaption> &clearCaptions();

// A box that refuses the keyboard with "ｷｰﾎﾞｰﾄﾞ入力不可", and how it is reset then.
struct KeyboardRefusal {
    QString field;
    QList<BoxText> resets;
};
const QList<KeyboardRefusal> &keyboardRefusals();

// Boxes on which the right mouse button shows "右ｸﾘｯｸ不可".
const QStringList &rightButtonRefusals();
// Boxes whose tooltip is their own current text, so that a cut-off text can be read whole.
const QStringList &ownTextTooltipFields();

// Binds the LedgerWindow's boxes to the assistants: installed as an event filter on every
// bound box (clicks, keys, the right button, mouse moves) and connected to the clear
// captions. A child of the LedgerWindow.
class FieldBindings : public QObject {
    Q_OBJECT
public:
    FieldBindings(LedgerWindow &ledger, const Assistants &assistants);

    // What a click on `field` does.
    void open(const QString &field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void installOnBoxes();
    void refuseKeyboard(const KeyboardRefusal &refusal);
    void applyTexts(const QList<BoxText> &texts);

    LedgerWindow &m_ledger;
    Assistants m_assistants;
};

// Creates the bindings for the LedgerWindow and hands the picker's seal list and the
// calendar to it (start-up fills them). Call once, before the LedgerWindow is first shown.
FieldBindings *bindFields(LedgerWindow &ledger, const Assistants &assistants);
