// The front panel moves: traffic blinks, links flap, and the port tables and
// LED strings tell the same story at every moment.
#include "simtools.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QThread>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

int LedOctet(int port) { return 4 + 2 * (port - 1); }

QString PortOid(const QString& entry, int column, int unit, int port) {
    return entry + "." + QString::number(column) + "." + QString::number((unit - 1) * 64 + port);
}

// Ports with traffic in the default stack: unit -> ports and link colour
// (4: 1000 Mbit/s, 2: 100 Mbit/s).
struct ActiveUnit {
    int Unit;
    QList<int> Ports;
    int Colour;
};
const QList<ActiveUnit> kActive = {
    {1, {1, 2, 3, 4, 9, 13, 14, 25}, 4},
    {2, {1, 2, 7, 8, 25, 26, 27, 28}, 2},
    {4, {1, 3, 17, 18}, 4},
};

// Each active port shows traffic on about half of the half-second steps, so
// twenty of them all looking the same two seconds later is next to impossible.
TEST(KxsimLeds, ActivePortsBlinkOverTime) {
    KxsimAgent sim({"--seed", "7"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QStringList oids{LedOid(1), LedOid(2), LedOid(4)};
    const SnmpReply before = Get(V2c(), sim, oids);
    QThread::msleep(2000);
    const SnmpReply after = Get(V2c(), sim, oids);
    ASSERT_TRUE(before.Ok() && after.Ok());
    int changed = 0;
    for (const ActiveUnit& u : kActive) {
        const QByteArray a = before.Find(LedOid(u.Unit))->Bytes, b = after.Find(LedOid(u.Unit))->Bytes;
        for (int port : u.Ports) {
            const int at = LedOctet(port);
            ASSERT_LT(at, a.size());
            // The link colour stays; only the blink bit comes and goes.
            EXPECT_EQ(a[at] & 0x7F, u.Colour) << "unit " << u.Unit << " port " << port;
            EXPECT_EQ(b[at] & 0x7F, u.Colour) << "unit " << u.Unit << " port " << port;
            changed += a[at] != b[at] ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 0);
}

TEST(KxsimLeds, StillStackDoesNotMove) {
    KxsimAgent sim({"--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const SnmpReply before = Get(V2c(), sim, {LedOid(1), LedOid(2), LedOid(4)});
    QThread::msleep(1200);
    const SnmpReply after = Get(V2c(), sim, {LedOid(1), LedOid(2), LedOid(4)});
    for (int unit : {1, 2, 4}) EXPECT_EQ(before.Find(LedOid(unit))->Bytes, after.Find(LedOid(unit))->Bytes);
}

// Port table and LED string read in one PDU agree, also for flapping ports
// (unit 1 port 11, unit 2 port 12, unit 4 port 9 of the default stack), whose
// links go up and down meanwhile.
TEST(KxsimLeds, PortTableAndLedStringsAgree) {
    KxsimAgent sim({"--seed", "3"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    struct Unit {
        int Number, Ports, Flap;
    };
    const QList<Unit> units = {{1, 26, 11}, {2, 48, 12}, {4, 24, 9}};
    QMap<int, QSet<qlonglong>> flapStates;
    auto bothSeen = [&] {
        for (const Unit& u : units)
            if (flapStates[u.Number].size() < 2) return false;
        return true;
    };
    // Flapping links change every one to three seconds; look until each was
    // seen up and down (20 s is only a safety net).
    QElapsedTimer timer;
    timer.start();
    int rounds = 0;
    while ((rounds < 4 || !bothSeen()) && timer.elapsed() < 20000) {
        ++rounds;
        for (const Unit& u : units) {
            QStringList oids{LedOid(u.Number)};
            for (int p = 1; p <= u.Ports; ++p) oids << PortOid(kPortInfoEntry, 4, u.Number, p);
            const SnmpReply reply = Get(V2c(), sim, oids);
            ASSERT_TRUE(reply.Ok()) << reply.Output.toStdString();
            const QByteArray leds = reply.Find(LedOid(u.Number))->Bytes;
            for (int p = 1; p <= u.Ports; ++p) {
                const qlonglong link = reply.Find(PortOid(kPortInfoEntry, 4, u.Number, p))->Number;
                const bool lit = (leds.at(LedOctet(p)) & 0x07) != 0;
                EXPECT_EQ(link == 2, lit) << "unit " << u.Number << " port " << p;  // 2: link-pass
                if (p == u.Flap) flapStates[u.Number].insert(link);
            }
        }
        QThread::msleep(300);
    }
    for (const Unit& u : units)
        EXPECT_EQ(flapStates[u.Number].size(), 2) << "unit " << u.Number << " port " << u.Flap;
}

// Taking a port down by a write shows in both tables and on the panel.
TEST(KxsimLeds, DisabledPortGoesDark) {
    KxsimAgent sim({"--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    struct Case {
        const char* Name;
        QString Oid;
        QString Off, On;
    };
    const QList<Case> cases = {
        {"swL2PortCtrlAdminState", PortOid(kPortCtrlEntry, 3, 1, 2), "2", "3"},
        {"ifAdminStatus", PortOid(kIfEntry, 7, 1, 2), "2", "1"},
    };
    const QString link = PortOid(kPortInfoEntry, 4, 1, 2);
    const QString oper = PortOid(kIfEntry, 8, 1, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(Set(V2c("private"), sim, {c.Oid, "i", c.Off}).Ok());
        SnmpReply off = Get(V2c(), sim, {link, oper, LedOid(1)});
        EXPECT_EQ(off.Find(link)->Number, 3);  // link-fail
        EXPECT_EQ(off.Find(oper)->Number, 2);  // down
        EXPECT_EQ(off.Find(LedOid(1))->Bytes.at(LedOctet(2)), 0);
        ASSERT_TRUE(Set(V2c("private"), sim, {c.Oid, "i", c.On}).Ok());
        SnmpReply on = Get(V2c(), sim, {link, oper, LedOid(1)});
        EXPECT_EQ(on.Find(link)->Number, 2);
        EXPECT_EQ(on.Find(oper)->Number, 1);
        EXPECT_NE(on.Find(LedOid(1))->Bytes.at(LedOctet(2)), 0);
    }
}

} // namespace
