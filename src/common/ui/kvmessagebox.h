#pragma once
// The one road for modal message boxes and questions. Forms and edit checks
// call these; tests install a script that records the text and gives the
// answer without showing anything.
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace KvMessageBox {

enum class Kind {
    Message,     // caption the program's file name, OK only, no icon
    Information, // information box, OK only
    Error,       // an error shown before the program ends, OK only
    Question,    // Yes / No
    Confirmation, // OK / Cancel
};

struct Request {
    Kind What;
    QString Caption;
    QString Text;
    QWidget* Owner;
};

// The script answers with a QMessageBox::StandardButton (Ok, Yes, No ...).
using Script = std::function<QMessageBox::StandardButton(const Request&)>;

// Installs a script (null: back to real boxes). Returns the previous one.
Script SetScript(Script script);

// The program's own file name without directory (the caption of message boxes).
QString ProgramName();

// Edit checks and validation messages.
void Show(QWidget* owner, const QString& text);
// A plain information box.
void Information(QWidget* owner, const QString& text);
// An error box with the program's name as caption.
void Error(QWidget* owner, const QString& text);
// A Yes/No question; true for Yes.
bool Ask(QWidget* owner, const QString& caption, const QString& text);
// An OK/Cancel confirmation; true for OK.
bool Confirm(QWidget* owner, const QString& caption, const QString& text);

} // namespace KvMessageBox
