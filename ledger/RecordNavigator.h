#pragma once

#include <QWidget>

class QToolButton;

// A record navigator: first, prior, next, last and, where offered, delete.
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First = 1, Prior = 2, Next = 4, Last = 8, Delete = 16 };
    RecordNavigator(const QString &objectName, int buttons, QWidget *parent = nullptr);
    QToolButton *button(Button which) const;

signals:
    void firstClicked();
    void priorClicked();
    void nextClicked();
    void lastClicked();
    void deleteClicked();

private:
    QToolButton *m_buttons[5] = {};
};
