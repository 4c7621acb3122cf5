#include "GridModel.h"

#include "Formats.h"
#include "TableDataset.h"

GridModel::GridModel(TableDataset &dataset, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dataset(dataset)
    , m_columns(std::move(columns)) {
    connect(&m_dataset, &TableDataset::rowsReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&m_dataset, &TableDataset::currentRowChanged, this, [this] {
        if (rowCount() > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    });
}

int GridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_dataset.recordCount();
}

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const GridColumn &c = m_columns.at(index.column());
    if (m_dataset.columnIndex(c.column) < 0) // closed, or a column the table lacks
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // The grids show the stored values as they are, without a format of their own.
        return Formats::plainText(m_dataset.value(index.row(), c.column));
    case Qt::ForegroundRole:
        return c.colour.isValid() ? QVariant(c.colour) : QVariant();
    case Qt::TextAlignmentRole: {
        const QVariant v = m_dataset.value(index.row(), c.column);
        const bool number = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int ||
                            v.typeId() == QMetaType::Double;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The row indicator of a data grid: a mark beside the current row, no row numbers.
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section == m_dataset.currentRow() ? QStringLiteral("▶") : QString();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn &c = m_columns.at(section);
    if (role == Qt::DisplayRole)
        return c.heading.isEmpty() ? c.column : c.heading;
    if (role == Qt::ForegroundRole && c.colour.isValid())
        return c.colour;
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

namespace {
const QColor maroon(128, 0, 0);
}

QList<GridColumn> receptionGridColumns() {
    return {
        {"ID", "", 44, {}},
        {"受付日", "", 50, {}},
        {"工事番号", "", 70, {}},
        {"工事名", "工　事　名", 260, {}},
        {"契約区分", "", 64, {}},
        {"検査区分", "", 80, {}},
        {"業種名称", "", 96, {}},
        {"工事区分", "", 64, {}},
        {"請負金額", "", 90, {}},
        {"工期自", "(自)当初工期", 84, {}},
        {"変更工期", "(至)変更工期", 84, maroon},
        {"担当課", "担当部署", 140, {}},
    };
}

QList<GridColumn> resultGridColumns() {
    return {
        {"ID", "", 44, {}},
        {"受付日", "", 50, {}},
        {"立入点検日", "点検日", 50, {}},
        {"立入点検結果", "点検結果", 76, {}},
        {"検査日", "", 50, {}},
        {"合格日", "", 50, {}},
        {"工事名", "工　事　名", 220, {}},
        {"契約区分", "", 64, {}},
        {"検査区分", "", 80, {}},
        {"工事区分", "", 64, {}},
        {"請負金額", "", 84, {}},
        {"担当課", "担当部署", 120, {}},
        {"評定監督員", "監督員", 48, {}},
        {"評定係長", "係長", 44, {}},
        {"評定検査員", "検査員", 48, {}},
        {"評定合計", "合計", 44, {}},
    };
}

QList<GridColumn> dispatchGridColumns() {
    return {
        {"ID", "", 44, {}},          {"受付番号", "", 84, {}},
        {"工事番号", "", 70, {}},    {"工事名", "工　事　名", 240, {}},
        {"請負業者名", "", 180, {}}, {"件名", "", 80, {}},
        {"発送番号", "", 84, {}},    {"発送日", "", 50, {}},
        {"公印種類", "", 100, {}},   {"件数", "", 40, {}},
        {"押印数", "", 48, {}},      {"財務チェック", "確認", 40, {}},
    };
}
