// Edit constraints on real line edits: typing, the beep, the exit check with
// its message box, the advance at the maximum length and the handlers' veto.
#include "kveditconstraint.h"
#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvtag.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class EditConstraintTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&form);
        for (QLineEdit* e : {&first, &second, &third}) {
            e->setParent(&form);
            layout->addWidget(e);
        }
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            boxes.push_back(r.Text.toStdString());
            owners.push_back(r.Owner);
            EXPECT_EQ(r.What, KvMessageBox::Kind::Message);
            return QMessageBox::Ok;
        });
        oldBeeper = KvEditConstraint::SetBeeper([this] { ++beeps; });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        first.setFocus();
    }
    void TearDown() override {
        KvMessageBox::SetScript(nullptr);
        KvEditConstraint::SetBeeper(oldBeeper);
    }
    // Leaving the edit for another control of the form.
    static void Leave(QLineEdit& edit) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&edit, &out);
        QCoreApplication::processEvents();
    }
    static void Type(QLineEdit& edit, const char* keys) {
        edit.setFocus();
        QTest::keyClicks(&edit, keys);
    }

    QWidget form;
    QLineEdit first, second, third;
    std::vector<std::string> boxes;
    std::vector<QWidget*> owners;
    int beeps = 0;
    std::function<void()> oldBeeper;
};

TEST_F(EditConstraintTest, RangeRefusedOnExitPutsBackTheLastAcceptedText) {
    KvEditConstraint constraints(&form, true);
    constraints.AddConstraint("%i{n1x255l3}", &first);
    EXPECT_EQ(first.maxLength(), 3);

    Type(first, "12");
    Leave(first);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(constraints.Find(&first)->LastText, "12");

    first.clear();
    Type(first, "2567");  // three characters fit
    EXPECT_EQ(first.text(), "256");
    second.setFocus();  // leaving for real
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "(KvCommon) Please enter a number between 1 and 255!");
    EXPECT_EQ(owners[0], &form);
    EXPECT_EQ(first.text(), "12");
    EXPECT_EQ(form.focusWidget(), &first);  // back to the refused edit
}

TEST_F(EditConstraintTest, RefusedKeystrokesAreRemovedWithABeep) {
    KvEditConstraint constraints(&form);
    constraints.AddConstraint("%i{n1x255l3}", &first);
    Type(first, "1a");
    EXPECT_EQ(first.text(), "1");
    EXPECT_EQ(beeps, 1);
    first.clear();
    Type(first, "-5");  // a minus sign as the first character stays
    EXPECT_EQ(first.text(), "-5");
    EXPECT_EQ(beeps, 1);
    Leave(first);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "(KvCommon) Please enter a number between 1 and 255!");
    EXPECT_EQ(first.text(), "");  // nothing accepted before

    // Text put in at once is cleaned character by character.
    first.setText("x7-");
    EXPECT_EQ(first.text(), "7");
    EXPECT_EQ(beeps, 3);
}

TEST_F(EditConstraintTest, UnsignedBoundsAndEmptyValues) {
    KvEditConstraint constraints(&form, true);
    constraints.AddConstraint("%u{n0x65535l5}", &first);
    constraints.AddConstraint("%s{l32}", &second);
    constraints.AddConstraint("%s{l3n}", &third);
    first.setText("65535");
    EXPECT_TRUE(constraints.CheckOnExit(&first));
    first.setText("65536");
    EXPECT_FALSE(constraints.CheckOnExit(&first));
    EXPECT_EQ(first.text(), "65535");
    EXPECT_TRUE(constraints.CheckOnExit(&second));  // empty and allowed
    EXPECT_FALSE(constraints.CheckOnExit(&third));
    const std::vector<std::string> expected = {"(KvCommon) Please enter a number between 0 and 65535!",
                                               "(KvCommon) Empty value is not allowed!"};
    EXPECT_EQ(boxes, expected);
}

TEST_F(EditConstraintTest, MarkersAreNeverFilteredOrChecked) {
    KvEditConstraint constraints(&form);
    constraints.AddConstraint("%i{n1x255l3}", &first);
    first.setMaxLength(32);  // room for the marker
    for (const char* marker : {"(NULL)", "(NOTDONE)"}) {
        first.setText(marker);
        EXPECT_EQ(first.text(), marker);
        Leave(first);
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(EditConstraintTest, AdvanceAtMaximumLengthAndExitCharacterMoveTheFocusLater) {
    KvEditConstraint constraints(&form);
    constraints.AddConstraint("%i{n0x16777214l8a}", &first);
    constraints.AddConstraint("%s{e;}", &second);
    Type(first, "1234567");
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), &first);
    QTest::keyClicks(&first, "8");
    EXPECT_EQ(form.focusWidget(), &first);  // the move is queued, not done at once
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), &second);

    QTest::keyClicks(&second, "ab;");
    EXPECT_EQ(second.text(), "ab");
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), &third);
}

TEST_F(EditConstraintTest, OwnHandlersRunAfterTheChecksAndCanVeto) {
    KvEditConstraint constraints(&form, true);
    std::vector<QString> changes;
    constraints.AddConstraint("%i{n0x99l2a}", &second, [&](QLineEdit* e) {
        changes.push_back(e->text());
        SetKvTag(e, e->text() == "13" ? -1 : 0);
    });
    Type(second, "1x3");  // the handler sees the filtered texts only
    // The corrected text is a change of its own.
    EXPECT_EQ(changes, (std::vector<QString>{"1", "1", "13"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), &second);  // vetoed: no advance
    second.clear();
    QTest::keyClicks(&second, "12");
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), &third);

    int exits = 0;
    constraints.AddConstraint("%i{n0x50}", &first, {}, [&](QLineEdit* e) {
        ++exits;
        SetKvTag(e, e->text() == "44" ? -1 : 0);
    });
    first.setText("42");
    Leave(first);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(constraints.Find(&first)->LastText, "42");
    first.setText("44");
    Leave(first);  // the exit handler refuses 44
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(first.text(), "42");
    first.setText("66");
    Leave(first);  // refused by the range: the own exit handler is not called
    EXPECT_EQ(first.text(), "42");
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(EditConstraintTest, MalformedSpecifierAttachesNothing) {
    KvEditConstraint constraints(&form);
    const int maxLength = first.maxLength();
    try {
        constraints.AddConstraint("%i{n1x255l3", &first);
        ADD_FAILURE() << "no error";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -2);
        EXPECT_EQ(e.Message(), "(KvCommon) Bad format specifier of edit's constraint!");
    }
    EXPECT_EQ(constraints.Find(&first), nullptr);
    EXPECT_EQ(first.maxLength(), maxLength);
    Type(first, "abc");
    EXPECT_EQ(first.text(), "abc");

    // A format: one specifier per edit, in order; too many specifiers raise.
    constraints.AddConstraints("%i{n0x255l3}%h{l2}", {&second, &third});
    EXPECT_EQ(constraints.Find(&second)->Type, 'i');
    EXPECT_EQ(constraints.Find(&third)->MaxLength, 2);
    EXPECT_THROW(constraints.AddConstraints("%s%s%s", {&second, &third}), KvException);
}

TEST_F(EditConstraintTest, LosingTheWindowIsNotLeavingTheEdit) {
    KvEditConstraint constraints(&form);
    constraints.AddConstraint("%i{n1x255l3}", &first);
    first.setText("999");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&first, &out);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(first.text(), "999");
}

TEST_F(EditConstraintTest, DestroyedEditsAreForgotten) {
    KvEditConstraint constraints(&form);
    auto* edit = new QLineEdit(&form);
    constraints.AddConstraint("%i", edit);
    ASSERT_EQ(constraints.Constraints().size(), 1u);
    delete edit;
    EXPECT_TRUE(constraints.Constraints().empty());
}

} // namespace
