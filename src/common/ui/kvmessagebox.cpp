#include "kvmessagebox.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace KvMessageBox {
namespace {
Script gScript;

QMessageBox::StandardButton Run(const Request& r, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    if (gScript) return gScript(r);
    QMessageBox box(icon, r.Caption, r.Text, buttons, r.Owner);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

Script SetScript(Script script) {
    Script old = std::move(gScript);
    gScript = std::move(script);
    return old;
}

QString ProgramName() {
    const QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty()) return QFileInfo(args.first()).fileName();
    return QStringLiteral("kx7026g");
}

void Show(QWidget* owner, const QString& text) {
    Run({Kind::Message, ProgramName(), text, owner}, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok);
}

void Information(QWidget* owner, const QString& text) {
    Run({Kind::Information, ProgramName(), text, owner}, QMessageBox::Information, QMessageBox::Ok,
        QMessageBox::Ok);
}

void Error(QWidget* owner, const QString& text) {
    Run({Kind::Error, ProgramName(), text, owner}, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

bool Ask(QWidget* owner, const QString& caption, const QString& text) {
    return Run({Kind::Question, caption, text, owner}, QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool Confirm(QWidget* owner, const QString& caption, const QString& text) {
    return Run({Kind::Confirmation, caption, text, owner}, QMessageBox::Question,
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace KvMessageBox
