#pragma once
// TMsgPanel: the 50-pixel message panel at the bottom of a page. Its memo
// receives the outcome lines of the page's request.
#include <QFrame>

class QPlainTextEdit;

class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget* owner);

    QPlainTextEdit* Memo;  // fills the panel; read-only, not a tab stop

    static constexpr int kHeight = 50;
    QSize sizeHint() const override;
};
