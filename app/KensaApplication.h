#pragma once

#include <QApplication>

// The application object. A failure that an action does not guard itself reaches the
// event dispatch here and ends that action with the error box; the program goes on.
class KensaApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
