#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class Database;
class TableDataset;
class Query;
class QWidget;

// The texts of the inspector boxes LabeledEdit1 to LabeledEdit5, as typed.
struct InspectorBoxes {
    QString year;      // 年度
    QString number;    // 検査員番号
    QString name;      // 検査員
    QString trade;     // 職種区分
    QString staffCode; // 職員コード, optional
};

// The texts of the numbering boxes LabeledEdit7 to LabeledEdit10, as typed.
struct BookBoxes {
    QString receiptName;   // 収受名
    QString receiptStart;  // 収受開始番号
    QString dispatchName;  // 発送名
    QString dispatchStart; // 発送開始番号
};

// The writes of the settings window on the master tables 20検査員, 21公印 and 22諸定義.
// Stateless: a button makes one for its call. Each write checks the boxes, builds its one
// statement, runs it and reads the table again, showing its messages at the given place.
class TKanri {
public:
    // The statements run on the ledger window's connection; `temp` is its general-purpose
    // query (ADOQuery_Temp), closed before each write. Messages appear at `messageAt` on
    // the screen. Nothing is owned.
    TKanri(Database &db, Query &temp, QPoint messageAt, QWidget *parent = nullptr);

    // The statements, line by line. 年度, 検査員番号 and the two start numbers go in as
    // plain numbers: a text that is not a whole number (after trimming blanks), and an ID
    // that is not one, throw EngineError before any line is made.
    static QStringList kenAddLines(const InspectorBoxes &boxes);
    static QStringList kenEditLines(const InspectorBoxes &boxes, const QString &idText);
    static QStringList stpAddLines(const QString &sealType);
    static QStringList stpEditLines(const QString &sealType, const QString &idText);
    static QStringList ukeEditLines(const BookBoxes &boxes);

    // The writes. True when the row was written and the table read again; false when a
    // box was refused or the write failed (its message has been shown).
    bool Ken_Add(const InspectorBoxes &boxes, TableDataset &inspectors);
    // Writes the boxes into the current row of `inspectors`.
    bool Ken_Edit(const InspectorBoxes &boxes, TableDataset &inspectors);
    bool Stp_Add(const QString &sealType, TableDataset &seals);
    // Writes the seal type into the current row of `seals`.
    bool Stp_Edit(const QString &sealType, TableDataset &seals);
    // Always writes the row whose ID is 1.
    bool Uke_Edit(const BookBoxes &boxes, TableDataset &books);

    // "DB書込みが失敗しました。(<operation> Methodのエラー)…"
    static QString failureMessage(const QString &operation);

private:
    bool inspectorBoxesFilled(const InspectorBoxes &boxes) const;
    template <typename Build>
    bool run(const QString &operation, Build build, TableDataset &table, const QString &doneMessage);
    void message(const QString &text) const;

    Database &m_db;
    Query &m_temp;
    QPoint m_at;
    QWidget *m_parent;
};
