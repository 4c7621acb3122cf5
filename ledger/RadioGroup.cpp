#include "RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &objectName, const QString &caption, const QStringList &items,
                       int columns, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_items(items) {
    setObjectName(objectName);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    columns = std::max(1, columns);
    // Items run down the columns first, as in the office's own forms.
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items.at(i), this);
        b->setObjectName(objectName + QStringLiteral("_") + QString::number(i));
        m_group.addButton(b, i);
        grid->addWidget(b, i % rows, i / rows);
    }
    m_group.setExclusive(true);
    connect(&m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == m_last)
            return;
        m_last = id;
        emit itemChanged(id);
    });
}

int RadioGroup::itemIndex() const {
    return m_group.checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index < 0 || index >= m_items.size()) {
        m_group.setExclusive(false);
        if (auto *b = m_group.checkedButton())
            b->setChecked(false);
        m_group.setExclusive(true);
        m_last = -1;
        return;
    }
    m_group.button(index)->setChecked(true);
    m_last = index;
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < m_items.size() ? m_items.at(index) : QString();
}

QAbstractButton *RadioGroup::button(int index) const {
    return m_group.button(index);
}
