#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QToolButton;

// True for a key that would type or edit in a box: every key but the focus moves (Tab)
// and lone modifier keys. The boxes that refuse the keyboard refuse these.
bool isTypingKey(const QKeyEvent &key);

// The numeric keypad (Form7, "数字入力"): fills the amount, score, count and construction
// number boxes of the LedgerWindow. The clerk presses the on-screen keys, watches the value
// formatted for the mode in the display and transfers it with "転記". Created once, hidden;
// each OpenKeypad re-aims it at another box without clearing what was typed.
//
// Modes: "1" contract amount ("#,##0", also the hidden yen box Edit21), "2" scores ("0.0",
// the total recomputed when the owner's Label30 reads "1"), "3" counts ("0"), "4"
// construction number ("0" + "-00").
class NumericKeypad : public QWidget {
    Q_OBJECT
public:
    explicit NumericKeypad(QWidget *parent = nullptr);

    // Aims the keypad at `field` of the window named "Form" + windowNumber, in `mode`,
    // places it beside the field and shows it. The entry is kept.
    void OpenKeypad(QLineEdit *field, int windowNumber, const QString &mode);

    // The keys: '0'..'9' and '.'.
    void pressKey(QChar key);
    void clsClicked();      // "CLS"
    void closeClicked();    // "閉じる"
    void transferClicked(); // "転記"

    QString entry() const { return m_entry; } // KeypadEntry: the raw keystrokes
    QString mode() const { return m_mode; }   // KeypadMode
    QLineEdit *displayBox() const { return m_display; }
    QToolButton *keyButton(QChar key) const;

    // Where the keypad opens for a field: the field's place within its parent plus the
    // places of the containers above it (group boxes, tab pages, tab widgets, panels, a
    // main window's client area, the window; at most eleven containers visited), then
    // top + 70 and left - 40.
    static QPoint placeFor(const QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refreshDisplay();
    void emptyEntry();
    QWidget *targetWindow() const;

    QString m_entry;
    QString m_mode = QStringLiteral("ID3");
    QString m_targetForm = QStringLiteral("ID");
    QPointer<QLineEdit> m_target;
    QLineEdit *m_display = nullptr;
    QToolButton *m_point = nullptr;
    QList<QToolButton *> m_keys;
};
