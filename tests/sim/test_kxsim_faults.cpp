// The fault switches, each against the same request without it.
#include "simtools.h"

#include <gtest/gtest.h>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

TEST(KxsimFaults, DelayAnswersLate) {
    KxsimAgent sim({"--delay-ms", "1500"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    EXPECT_TRUE(Get(V2c(), sim, {kSysDescr}, {0.5, 0}).TimedOut());
    // The late answer of a request still arrives in full.
    const SnmpReply patient = Get(V3ShaAes(), sim, {kSysDescr, kRmonState}, {4, 0});
    ASSERT_TRUE(patient.Ok()) << patient.Output.toStdString();
    EXPECT_EQ(patient.Find(kRmonState)->Number, 3);
    EXPECT_TRUE(Set(V2c("private"), sim, {kRmonState, "i", "2"}, {4, 0}).Ok());
    EXPECT_EQ(Get(V2c(), sim, {kRmonState}, {4, 0}).Find(kRmonState)->Number, 2);
}

TEST(KxsimFaults, DropEveryNthRequest) {
    KxsimAgent sim({"--drop-every", "3"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    QList<bool> answered;
    for (int i = 0; i < 8; ++i) answered << Get(V2c(), sim, {kSysDescr}, {0.5, 0}).Ok();
    EXPECT_EQ(answered, QList<bool>({true, true, false, true, true, false, true, true}));
    // Request 9 is dropped; its retry, request 10, is answered.
    EXPECT_TRUE(Get(V2c(), sim, {kSysDescr}, {0.5, 1}).Ok());
}

TEST(KxsimFaults, ShortLedStrings) {
    struct Case {
        int Unit;
        int Normal, Short;  // lengths; Short is the unit's front port count
    };
    const QList<Case> cases = {{1, 60, 24}, {2, 108, 48}, {4, 64, 24}};
    KxsimAgent normal({"--still"});
    KxsimAgent faulty({"--still", "--short-led"});
    ASSERT_TRUE(normal.Running() && faulty.Running()) << faulty.Log().toStdString();
    for (const Case& c : cases) {
        const QByteArray full = Get(V2c(), normal, {LedOid(c.Unit)}).Find(LedOid(c.Unit))->Bytes;
        const QByteArray cut = Get(V2c(), faulty, {LedOid(c.Unit)}).Find(LedOid(c.Unit))->Bytes;
        EXPECT_EQ(full.size(), c.Normal) << "unit " << c.Unit;
        EXPECT_EQ(cut.size(), c.Short) << "unit " << c.Unit;
        EXPECT_EQ(cut, full.left(c.Short)) << "unit " << c.Unit;
    }
}

TEST(KxsimFaults, V1WalkEndsWithNoSuchName) {
    KxsimAgent normal;
    KxsimAgent faulty({"--v1-end-nosuchname"});
    ASSERT_TRUE(normal.Running() && faulty.Running()) << faulty.Log().toStdString();
    const QString lastOfTable = kUnitEntry + ".14.4";
    // The last scalar of the device control group (Telnet TCP port).
    const QString lastOfScalar = "1.3.6.1.4.1.99402.11.59.7.2.1.2.14.2.0";
    const QString insideTable = kUnitEntry + ".1.1";

    for (const QString& end : {lastOfTable, lastOfScalar}) {
        SCOPED_TRACE(end.toStdString());
        const SnmpReply plain = GetNext(V1(), normal, {end});
        ASSERT_TRUE(plain.Ok()) << plain.Output.toStdString();
        EXPECT_FALSE(plain.Vars.first().Oid.startsWith(end.section('.', 0, -3)));  // left the object

        const SnmpReply cut = GetNext(V1(), faulty, {end});
        EXPECT_EQ(cut.Reason(), "noSuchName") << cut.Output.toStdString();
        // SNMPv2c is not affected.
        EXPECT_TRUE(GetNext(V2c(), faulty, {end}).Ok());
    }
    // Inside a table a v1 walk goes on as usual.
    const SnmpReply inside = GetNext(V1(), faulty, {insideTable});
    ASSERT_TRUE(inside.Ok()) << inside.Output.toStdString();
    EXPECT_EQ(inside.Vars.first().Oid, kUnitEntry + ".1.2");
    // A whole v1 walk of the table still returns every row and then stops.
    const SnmpReply walk = Walk(V1(), faulty, kUnitEntry + ".10");
    EXPECT_EQ(walk.Vars.size(), 4) << walk.Output.toStdString();
}

TEST(KxsimFaults, WrongTypeAnswers) {
    KxsimAgent sim({"--wrong-type", kRmonState, "--wrong-type", kUnitEntry + ".6"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const SnmpReply reply = Get(V2c(), sim, {kRmonState, LedOid(1), LedOid(2), kUnitEntry + ".10.1"});
    ASSERT_TRUE(reply.Ok()) << reply.Output.toStdString();
    EXPECT_EQ(reply.Find(kRmonState)->Type, "STRING");
    EXPECT_EQ(reply.Find(kRmonState)->Bytes, "3");
    EXPECT_EQ(reply.Find(LedOid(1))->Type, "INTEGER");
    EXPECT_EQ(reply.Find(LedOid(1))->Number, 60);
    EXPECT_EQ(reply.Find(LedOid(2))->Type, "INTEGER");
    EXPECT_EQ(reply.Find(kUnitEntry + ".10.1")->Type, "STRING");  // untouched
    // Walks get the wrong syntax too.
    const SnmpReply walk = Walk(V2c(), sim, kUnitEntry + ".6");
    ASSERT_EQ(walk.Vars.size(), 4);
    for (const Varbind& v : walk.Vars) EXPECT_EQ(v.Type, "INTEGER") << v.Oid.toStdString();
}

} // namespace
