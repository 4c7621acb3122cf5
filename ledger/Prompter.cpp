#include "Prompter.h"

#include "EngineError.h"

#include <QApplication>
#include <QMessageBox>
#include <functional>

namespace {
MessageBoxPrompter messageBoxes;
Prompter *installed = nullptr;
} // namespace

Prompter &Prompter::current() {
    return installed ? *installed : messageBoxes;
}

void Prompter::install(Prompter *prompter) {
    installed = prompter;
}

void Prompter::message(const QString &text, std::optional<QPoint> pos, QWidget *parent) {
    current().show({Prompt::Kind::Message, text, pos, parent});
}

bool Prompter::ask(const QString &text, std::optional<QPoint> pos, QWidget *parent) {
    return current().show({Prompt::Kind::Question, text, pos, parent});
}

bool Prompter::askWarning(const QString &text, std::optional<QPoint> pos, QWidget *parent) {
    return current().show({Prompt::Kind::Warning, text, pos, parent});
}

bool Prompter::okCancel(const QString &text, QWidget *parent) {
    return current().show({Prompt::Kind::OkCancel, text, std::nullopt, parent});
}

void Prompter::yesOnly(const QString &text, std::optional<QPoint> pos, QWidget *parent) {
    current().show({Prompt::Kind::YesOnly, text, pos, parent});
}

void Prompter::error(const QString &text, QWidget *parent) {
    current().show({Prompt::Kind::Error, text, std::nullopt, parent});
}

bool MessageBoxPrompter::show(const Prompt &prompt) {
    QMessageBox box(prompt.parent);
    QString text = prompt.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(text);
    box.setWindowTitle(QApplication::applicationDisplayName());
    switch (prompt.kind) {
    case Prompt::Kind::Message:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Prompt::Kind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Prompt::Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Prompt::Kind::OkCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Prompt::Kind::YesOnly:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes);
        break;
    case Prompt::Kind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (prompt.pos) {
        box.ensurePolished();
        box.adjustSize();
        box.move(*prompt.pos);
    }
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void runAction(QWidget *parent, const std::function<void()> &action) {
    try {
        action();
    } catch (const EngineError &e) {
        Prompter::error(e.message(), parent);
    } catch (const std::exception &e) {
        Prompter::error(QString::fromLocal8Bit(e.what()), parent);
    }
}
