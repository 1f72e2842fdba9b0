// Driving dialogs from a test: a modal dialog runs its own event loop, so what the test does in it
// is queued before the dialog opens; message boxes are answered instead of shown.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ui/dialogs/message_box.h"

namespace plx::test {

// Runs `act` on the modal dialog of type D that is open when the event loop next runs.
template <typename D>
void WhenModal(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

// While it lives, every message box is answered with `answer` and what it said is kept.
struct AnsweredMessages {
    QStringList said;
    MessageBoxAnswer answer = MessageBoxAnswer::Ok;

    AnsweredMessages() {
        SetMessageBoxAnswerer([this](const QString& message, const QString&, MessageBoxButtons) {
            said += message;
            return answer;
        });
    }
    ~AnsweredMessages() { SetMessageBoxAnswerer({}); }
    AnsweredMessages(const AnsweredMessages&) = delete;
    AnsweredMessages& operator=(const AnsweredMessages&) = delete;

    void Reset() {
        said.clear();
        answer = MessageBoxAnswer::Ok;
    }
};

}  // namespace plx::test
