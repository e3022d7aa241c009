#include "tmsgpanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* owner) : QFrame(owner) {
    setFrameShape(QFrame::NoFrame);
    resize(width(), kHeight);
    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    Memo->setFocusPolicy(Qt::NoFocus);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Memo);
}

QSize TMsgPanel::sizeHint() const { return {QFrame::sizeHint().width(), kHeight}; }
