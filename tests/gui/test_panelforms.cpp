// Model panel forms: stack-wide port tags, geometry and module hosts.
#include "tfrmkm20cx.h"
#include "tfrmkm20x.h"
#include "tpanelkg7124form.h"
#include "tpanelkg7124iform.h"
#include "tpanelkx7026gform.h"
#include "tpanelkx7050form.h"

#include <QFrame>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

int Tag(const TPanelForm& form, const QString& name) {
    QToolButton* b = form.Button(name);
    return b ? b->property("tag").toInt() : -1;
}

TEST(PanelForms, PortTagsFollowTheStackWideNumbering) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TPanelForm>()> make;
        int unit;
        const char* button;
        int tag;
    } cases[] = {
        {"7026G unit 2 port 1", [] { return std::make_unique<TPanelKX7026GForm>(); }, 2, "SpeedButton1", 65},
        {"7026G unit 2 port 24", [] { return std::make_unique<TPanelKX7026GForm>(); }, 2, "SpeedButton24", 88},
        {"7026G combo 25 is port 21", [] { return std::make_unique<TPanelKX7026GForm>(); }, 2, "SpeedButton25", 85},
        {"7026G combo 28 is port 24", [] { return std::make_unique<TPanelKX7026GForm>(); }, 2, "SpeedButton28", 88},
        {"7050 combo 49 is port 45", [] { return std::make_unique<TPanelKX7050Form>(); }, 1, "SpeedButton49", 45},
        {"7050 port 48", [] { return std::make_unique<TPanelKX7050Form>(); }, 12, "SpeedButton48", 752},
        {"7124i unit 3 combo 25 is port 17", [] { return std::make_unique<TPanelKG7124iForm>(); }, 3, "SpeedButton25", 145},
        {"7124i unit 3 combo 32 is port 24", [] { return std::make_unique<TPanelKG7124iForm>(); }, 3, "SpeedButton32", 152},
        {"7124 combo 26 is port 22", [] { return std::make_unique<TPanelKG7124Form>(); }, 1, "SpeedButton26", 22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = c.make();
        form->UnitNumber = c.unit;
        QList<QToolButton*> ports;
        form->RegisterPorts(ports);
        EXPECT_EQ(ports.size(), form->Buttons().size());
        EXPECT_EQ(Tag(*form, c.button), c.tag);
    }
}

TEST(PanelForms, GeometryOfTheKX7026G) {
    TPanelKX7026GForm form;
    EXPECT_EQ(form.size(), QSize(780, 89));
    struct Case {
        const char* name;
        QRect rect;
    } cases[] = {
        {"SpeedButton1", {335, 21, 23, 22}},  {"SpeedButton2", {335, 47, 23, 23}},
        {"SpeedButton23", {630, 21, 23, 22}}, {"SpeedButton24", {630, 47, 23, 23}},
        {"SpeedButton25", {663, 48, 23, 22}}, {"SpeedButton28", {752, 49, 23, 22}},
    };
    for (const auto& c : cases) EXPECT_EQ(form.Button(c.name)->geometry(), c.rect) << c.name;
    EXPECT_EQ(form.LedPanel("LedPanel1")->geometry(), QRect(178, 51, 150, 7));
    EXPECT_EQ(form.LedPanel("RPowerLedPanel")->geometry(), QRect(73, 63, 7, 7));
    // Every model keeps its buttons and LED panels inside the panel, apart.
    std::unique_ptr<TPanelForm> forms[] = {std::make_unique<TPanelKX7026GForm>(), std::make_unique<TPanelKX7050Form>(),
                                           std::make_unique<TPanelKG7124iForm>(), std::make_unique<TPanelKG7124Form>(),
                                           std::make_unique<TfrmKM20CX>(), std::make_unique<TfrmKM20X>()};
    for (const auto& f : forms) {
        SCOPED_TRACE(f->objectName().toStdString());
        const QRect inside = f->rect();
        const auto buttons = f->Buttons();
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_TRUE(inside.contains(buttons[i]->geometry())) << buttons[i]->objectName().toStdString();
            for (int j = i + 1; j < buttons.size(); ++j)
                EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry()))
                    << buttons[i]->objectName().toStdString() << " " << buttons[j]->objectName().toStdString();
        }
    }
}

TEST(PanelForms, ModulePortsDependOnTheHost) {
    struct Case {
        bool on7026, on7050;
        int unit;
        int x, y;
    } cases[] = {{true, false, 1, 25, 26}, {false, true, 1, 49, 50}, {false, true, 2, 113, 114}, {false, false, 1, -1, -1}};
    for (const auto& c : cases) {
        TfrmKM20CX module;
        module.UnitNumber = c.unit;
        module.OnKX7026G = c.on7026;
        module.OnKX7050 = c.on7050;
        QList<QToolButton*> ports;
        module.RegisterPorts(ports);
        EXPECT_EQ(ports.size(), c.x < 0 ? 0 : 2);
        EXPECT_EQ(Tag(module, "SpeedButtonX"), c.x < 0 ? 0 : c.x);
        EXPECT_EQ(Tag(module, "SpeedButtonY"), c.y < 0 ? 0 : c.y);
    }
}

} // namespace
