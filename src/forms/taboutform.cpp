#include "taboutform.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutForm");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    ProductLine = new QLabel(this);
    QFont bold = ProductLine->font();
    bold.setBold(true);
    ProductLine->setFont(bold);
    VersionLine = new QLabel(this);
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);
    layout->addWidget(ProductLine);
    layout->addWidget(VersionLine);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->installEventFilter(this);
    FormActivate();
}

void TAboutForm::FormActivate() {
    setWindowTitle("About KX7026G Module");
    ProductLine->setText("Korvane KX7026G Management Module");
    VersionLine->setText("Release Version 4.20 (Build Nov 28,2005)");
}

void TAboutForm::showEvent(QShowEvent* event) {
    FormActivate();
    OKButton->setFocus();
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OKButton && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && mods == (Qt::ShiftModifier | Qt::AltModifier)) {
            VersionLine->setText("Hndyyci Ugjgkee 8.82.Q17");
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
