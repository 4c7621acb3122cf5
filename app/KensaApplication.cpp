#include "KensaApplication.h"

#include "EngineError.h"
#include "Prompter.h"

bool KensaApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EngineError &e) {
        Prompter::error(e.message());
    } catch (const std::exception &e) {
        Prompter::error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
