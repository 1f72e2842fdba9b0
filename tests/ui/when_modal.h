// Driving a modal dialog from a test: the dialog runs its own event loop, so what the test does in
// it is queued before the dialog opens.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace plx::test {

// Runs `act` on the modal dialog of type D that is open when the event loop next runs.
template <typename D>
void WhenModalDialog(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

}  // namespace plx::test
