#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>

class TableDataset;

// One grid's view of a table dataset: its columns, in order, with their headings.
struct GridColumn {
    QString column;
    QString heading; // empty: the column name
    int width;
    QColor colour; // invalid: the grid's own colour
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(TableDataset &dataset, QList<GridColumn> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const QList<GridColumn> &gridColumns() const { return m_columns; }

private:
    TableDataset &m_dataset;
    QList<GridColumn> m_columns;
};

// The columns of DBGrid1, DBGrid3 and DBGrid4.
QList<GridColumn> receptionGridColumns();
QList<GridColumn> resultGridColumns();
QList<GridColumn> dispatchGridColumns();
