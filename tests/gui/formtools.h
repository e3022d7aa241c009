#pragma once
// Helpers for the configuration form tests: waiting on the event loop and
// working inside the modal row dialogs.
#include "kxtestagents.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace formtest {

// Processes events until the condition holds or the limit (a safety net,
// not a measurement) has passed; returns the condition.
inline bool WaitFor(const std::function<bool()>& condition, int limitMs = 15000) {
    return kxtest::WaitFor(condition, limitMs);
}

// Runs `inside` on the next modal dialog that opens (from within its own
// event loop), then closes the dialog if `inside` left it open. Call it
// before the action that opens the dialog; Opened() tells whether one did.
class ModalProbe {
public:
    explicit ModalProbe(std::function<void(QDialog*)> inside) : inside_(std::move(inside)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    bool Opened() const { return opened_; }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer_.stop();
        opened_ = true;
        if (inside_) inside_(dialog);
        if (dialog->isVisible()) dialog->reject();
    }

    std::function<void(QDialog*)> inside_;
    QTimer timer_;
    bool opened_ = false;
};

} // namespace formtest
