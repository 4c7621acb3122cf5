#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Every message box and question of the program goes through one Prompter, which receives
// the exact text and the screen position. The program shows real message boxes; tests
// install a scripted Prompter that records the prompts and gives the answers.
struct Prompt {
    enum class Kind {
        Message,  // plain message box with OK
        Question, // Yes/No confirmation
        Warning,  // Yes/No confirmation with the warning symbol
        OkCancel, // OK/Cancel confirmation (deleting a record)
        YesOnly,  // confirmation box with the single button Yes
        Error,    // the error box of a failure the program does not guard
    };
    Kind kind = Kind::Message;
    QString text;              // "\r" is a line break in the box
    std::optional<QPoint> pos; // top-left on the screen; none: the default place
    QWidget *parent = nullptr;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the prompt; true for Yes or OK.
    virtual bool show(const Prompt &prompt) = 0;

    static Prompter &current();
    // Installs a prompter (not owned); nullptr returns to the message boxes.
    static void install(Prompter *prompter);

    static void message(const QString &text, std::optional<QPoint> pos = std::nullopt,
                        QWidget *parent = nullptr);
    static bool ask(const QString &text, std::optional<QPoint> pos = std::nullopt,
                    QWidget *parent = nullptr);
    static bool askWarning(const QString &text, std::optional<QPoint> pos = std::nullopt,
                           QWidget *parent = nullptr);
    static bool okCancel(const QString &text, QWidget *parent = nullptr);
    static void yesOnly(const QString &text, std::optional<QPoint> pos = std::nullopt,
                        QWidget *parent = nullptr);
    static void error(const QString &text, QWidget *parent = nullptr);
};

// The production prompter: QMessageBox at the given screen position, "\r" as line breaks.
class MessageBoxPrompter : public Prompter {
public:
    bool show(const Prompt &prompt) override;
};

// Runs a user action; a failure the action does not guard ends it with the error box
// carrying the engine's text, and the state reached so far stays.
void runAction(QWidget *parent, const std::function<void()> &action);
