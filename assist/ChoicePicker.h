#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class LedgerWindow;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QVBoxLayout;
class RadioGroup;

// The choice picker (Form3, "入力欄"): one page per kind of LedgerWindow box with fixed or
// remembered choices. Whatever is chosen or typed there is written straight into that
// page's box of the LedgerWindow. Created once, hidden; the field openers show one page.
// Its boxes, lists and selections keep their contents between openings.
class ChoicePicker : public QWidget {
    Q_OBJECT
public:
    explicit ChoicePicker(LedgerWindow &ledger, QWidget *parent = nullptr);

    // Shows the tab of `sheet` ("TabSheet1" … "TabSheet13") alone and makes it current.
    void ShowPickerPage(const QString &sheet);
    QString currentPage() const; // the sheet name of the visible page

    // The section and supervisor lists of the selected inspector, read from the whole
    // ledger on LedgerWindow::sectionQuery(); empty on the "全検査員" tab.
    void LoadSectionList();
    void LoadSupervisorList();
    void LoadAllSections();
    static QString sectionListStatement(const QString &inspector);
    static QString supervisorListStatement(const QString &inspector);
    static QString allSectionsStatement();

    // The picker's own boxes Edit1 … Edit4 (not the LedgerWindow's boxes of those names).
    QLineEdit *box(const QString &name) const;
    QComboBox *sealList() const { return m_seals; }               // ComboBox4, filled at start-up
    QListWidget *sectionList() const { return m_sections; }       // ListBox1
    QListWidget *supervisorList() const { return m_supervisors; } // ListBox2

private:
    QWidget *addPage(const QString &sheet, const QString &caption);
    void buildTimePage();
    void buildTextPage(const QString &sheet, const QString &caption, const QString &boxName,
                       const QString &field);
    void buildRadioPage(const QString &sheet, const QString &caption, const QString &groupName,
                        const QStringList &items, int columns, const QString &field,
                        const QString &note = QString());
    void buildComboPage(const QString &sheet, const QString &caption, QComboBox *combo,
                        const QString &field);
    void buildListPage(const QString &sheet, const QString &caption, const QString &groupCaption,
                       const QString &boxName, QListWidget *list, const QString &field,
                       bool withAll);
    void addBoxButtons(QVBoxLayout *buttons, QWidget *page, const QString &sheet, QLineEdit *edit,
                       const QString &field);
    void fillList(QListWidget *list, const QString &statement, const QString &column);
    void write(const QString &field, const QString &text);
    QString timeText() const;

    QPointer<LedgerWindow> m_ledger;
    QTabWidget *m_pages = nullptr;
    QHash<QString, QLineEdit *> m_boxes;
    QComboBox *m_hours = nullptr;
    QComboBox *m_minutes = nullptr;
    QComboBox *m_industries = nullptr;
    QComboBox *m_seals = nullptr;
    QListWidget *m_sections = nullptr;
    QListWidget *m_supervisors = nullptr;
};
