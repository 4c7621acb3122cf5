#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A captioned group of radio buttons with an item index, as the office's forms use them.
// itemChanged is sent when the user selects another item; a click on the item already
// selected changes nothing.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &objectName, const QString &caption, const QStringList &items,
               int columns, QWidget *parent = nullptr);

    int itemIndex() const;
    // Selects an item without sending itemChanged; -1 selects none.
    void setItemIndex(int index);
    QString itemText(int index) const;
    int count() const { return int(m_items.size()); }
    QAbstractButton *button(int index) const;

signals:
    void itemChanged(int index);

private:
    QStringList m_items;
    QButtonGroup m_group;
    int m_last = -1;
};
