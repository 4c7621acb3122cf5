#include "RecordNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

RecordNavigator::RecordNavigator(const QString &objectName, int buttons, QWidget *parent)
    : QWidget(parent) {
    setObjectName(objectName);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    struct Def {
        Button which;
        const char16_t *text;
        const char16_t *hint;
        void (RecordNavigator::*signal)();
    };
    const Def defs[] = {
        {First, u"|◀", u"先頭のレコード", &RecordNavigator::firstClicked},
        {Prior, u"◀", u"前のレコード", &RecordNavigator::priorClicked},
        {Next, u"▶", u"次のレコード", &RecordNavigator::nextClicked},
        {Last, u"▶|", u"最後のレコード", &RecordNavigator::lastClicked},
        {Delete, u"－", u"レコードの削除", &RecordNavigator::deleteClicked},
    };
    for (int i = 0; i < 5; ++i) {
        if (!(buttons & defs[i].which))
            continue;
        auto *b = new QToolButton(this);
        b->setObjectName(objectName + QStringLiteral("_") + QString::number(i));
        b->setText(QString::fromUtf16(defs[i].text));
        b->setToolTip(QString::fromUtf16(defs[i].hint));
        b->setFixedSize(30, 24);
        row->addWidget(b);
        m_buttons[i] = b;
        connect(b, &QToolButton::clicked, this, defs[i].signal);
    }
}

QToolButton *RecordNavigator::button(Button which) const {
    for (int i = 0; i < 5; ++i) {
        if ((1 << i) == which)
            return m_buttons[i];
    }
    return nullptr;
}
