#pragma once

#include <QString>
#include <stdexcept>

// The one failure type of the store: it carries the engine's own message.
// Unguarded reads let it travel up to the event dispatch, where it is shown as an
// error box; guarded writes catch it and show their own message instead.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
