#include "MasterGridModel.h"

#include "TableDataset.h"

MasterGridModel::MasterGridModel(TableDataset &table, QStringList columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_columns(std::move(columns)) {
    connect(&m_table, &TableDataset::rowsReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int MasterGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_table.recordCount();
}

int MasterGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant MasterGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= m_columns.size())
        return QVariant();
    const QString &column = m_columns.at(index.column());
    if (m_table.columnIndex(column) < 0)
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_table.text(index.row(), column);
    if (role == Qt::TextAlignmentRole) {
        // Numbers stand to the right, as a data grid shows them.
        const QVariant v = m_table.value(index.row(), column);
        const bool number = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int ||
                            v.typeId() == QMetaType::Double;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return QVariant();
}

QVariant MasterGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns.at(section) : QVariant();
    return QVariant();
}

Qt::ItemFlags MasterGridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
