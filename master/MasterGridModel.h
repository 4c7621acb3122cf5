#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class TableDataset;

// A read-only grid's view of a master table: the named columns, headed by their names.
class MasterGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The model does not own the table.
    MasterGridModel(TableDataset &table, QStringList columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    TableDataset &m_table;
    QStringList m_columns;
};
