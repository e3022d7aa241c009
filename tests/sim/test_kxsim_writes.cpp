// Writes: RowStatus row creation and deletion, and the error statuses a real
// agent answers, over SNMPv1 (mapped to v1 errors) and v2c/v3.
#include "simtools.h"

#include <gtest/gtest.h>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

// snmpCommunityTable: index IMPLIED SnmpAdminString; columns 2 name,
// 3 security name (both required), 7 storage type, 8 RowStatus.
QString CommunityIndex(const QString& name) {
    QStringList arcs;
    for (char c : name.toLatin1()) arcs << QString::number(static_cast<unsigned char>(c));
    return arcs.join('.');
}
QString CommunityOid(int column, const QString& name) {
    return kCommunityEntry + "." + QString::number(column) + "." + CommunityIndex(name);
}

QStringList Indexes(const SnmpReply& walk, int column) {
    QStringList out;
    const QString prefix = kCommunityEntry + "." + QString::number(column) + ".";
    for (const Varbind& v : walk.Vars)
        if (v.Oid.startsWith(prefix)) out << v.Oid.mid(prefix.size());
    return out;
}

TEST(KxsimWrites, CreateAndGoRowAppearsAndDestroyRemovesIt) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    struct Case {
        const char* Name;
        QStringList Credentials;
    };
    const QList<Case> cases = {{"v1", V1("private")}, {"v2c", V2c("private")}, {"v3", V3Md5Des()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString row = QString("row-") + c.Name;
        const SnmpReply created = Set(c.Credentials, sim,
                                      {CommunityOid(8, row), "i", "4", CommunityOid(2, row), "s", "guest",
                                       CommunityOid(3, row), "s", "kxguest"});
        ASSERT_TRUE(created.Ok()) << created.Output.toStdString();
        SnmpReply walk = Walk(c.Credentials, sim, kCommunityEntry);
        ASSERT_TRUE(walk.Ok());
        EXPECT_TRUE(Indexes(walk, 8).contains(CommunityIndex(row)));
        EXPECT_EQ(walk.Find(CommunityOid(8, row))->Number, 1);  // active
        EXPECT_EQ(walk.Find(CommunityOid(2, row))->Bytes, "guest");
        EXPECT_EQ(walk.Find(CommunityOid(7, row))->Number, 3);  // default nonVolatile

        ASSERT_TRUE(Set(c.Credentials, sim, {CommunityOid(8, row), "i", "6"}).Ok());
        walk = Walk(c.Credentials, sim, kCommunityEntry);
        for (int column = 2; column <= 8; ++column)
            EXPECT_FALSE(Indexes(walk, column).contains(CommunityIndex(row))) << "column " << column;
        EXPECT_EQ(Indexes(walk, 8), QStringList({CommunityIndex("read"), CommunityIndex("write")}));
    }
}

TEST(KxsimWrites, CreateAndWaitGoesThroughNotReadyAndNotInService) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QString status = CommunityOid(8, "slow");
    ASSERT_TRUE(Set(V2c("private"), sim, {status, "i", "5"}).Ok());
    EXPECT_EQ(Get(V2c(), sim, {status}).Find(status)->Number, 3);  // notReady: name and security name missing
    EXPECT_EQ(Set(V2c("private"), sim, {status, "i", "1"}).Reason(), "inconsistentValue");
    ASSERT_TRUE(Set(V2c("private"), sim, {CommunityOid(2, "slow"), "s", "n", CommunityOid(3, "slow"), "s", "s"}).Ok());
    EXPECT_EQ(Get(V2c(), sim, {status}).Find(status)->Number, 2);  // notInService
    ASSERT_TRUE(Set(V2c("private"), sim, {status, "i", "1"}).Ok());
    EXPECT_EQ(Get(V2c(), sim, {status}).Find(status)->Number, 1);
}

// One refused SET changes nothing, and each refusal has its status.
TEST(KxsimWrites, RefusedWritesGiveTheRealAgentsErrorStatus) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QString unitStatus = kUnitEntry + ".2.1";    // read-only
    const QString priority = kUnitEntry + ".14.1";     // INTEGER (0..63), read-write
    const QString alias = kIfXEntry + ".18.1";         // DisplayString SIZE(0..64)
    struct Case {
        const char* Name;
        QStringList SetArgs;
        const char* V2Status;
        const char* V1Status;
    };
    const QList<Case> cases = {
        {"wrong syntax", {kRmonState, "s", "enabled"}, "wrongType", "badValue"},
        {"enumeration value not defined", {kRmonState, "i", "9"}, "wrongValue", "badValue"},
        {"out of range", {priority, "i", "64"}, "wrongValue", "badValue"},
        {"too long", {alias, "s", QString(65, 'x')}, "wrongLength", "badValue"},
        {"read-only object", {unitStatus, "i", "1"}, "notWritable", "noSuchName"},
        {"scalar without .0", {kRmonState.chopped(2), "i", "2"}, "noCreation", "noSuchName"},
        {"row that does not exist", {kUnitEntry + ".14.9", "i", "1"}, "noCreation", "noSuchName"},
        {"column that does not exist", {kUnitEntry + ".30.1", "i", "1"}, "noCreation", "noSuchName"},
        {"not-accessible index", {kCommunityEntry + ".1." + CommunityIndex("read"), "s", "x"}, "noAccess",
         "noSuchName"},
        {"plain column of an absent row", {CommunityOid(2, "none"), "s", "x"}, "noCreation", "noSuchName"},
        {"createAndGo of an existing row", {CommunityOid(8, "read"), "i", "4"}, "inconsistentValue", "badValue"},
        {"createAndGo without required columns", {CommunityOid(8, "bare"), "i", "4"}, "inconsistentValue",
         "badValue"},
        {"active for an absent row", {CommunityOid(8, "none"), "i", "1"}, "inconsistentValue", "badValue"},
        {"notReady is not settable", {CommunityOid(8, "read"), "i", "3"}, "wrongValue", "badValue"},
        {"second varbind refused", {priority, "i", "7", kRmonState, "s", "x"}, "wrongType", "badValue"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const SnmpReply v2 = Set(V2c("private"), sim, c.SetArgs);
        EXPECT_EQ(v2.Reason(), c.V2Status) << v2.Output.toStdString();
        const SnmpReply v3 = Set(V3ShaAes(), sim, c.SetArgs);
        EXPECT_EQ(v3.Reason(), c.V2Status) << v3.Output.toStdString();
        const SnmpReply v1 = Set(V1("private"), sim, c.SetArgs);
        EXPECT_EQ(v1.Reason(), c.V1Status) << v1.Output.toStdString();
    }
    const SnmpReply after = Get(V2c(), sim, {priority, kRmonState});
    EXPECT_EQ(after.Find(priority)->Number, 32);
    EXPECT_EQ(after.Find(kRmonState)->Number, 3);
    EXPECT_EQ(Indexes(Walk(V2c(), sim, kCommunityEntry), 8),
              QStringList({CommunityIndex("read"), CommunityIndex("write")}));
}

TEST(KxsimWrites, ReadsOfMissingObjectsGiveExceptions) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QString noRow = kUnitEntry + ".2.9";
    const QString noColumn = kUnitEntry + ".7.1";
    const SnmpReply v2 = Get(V2c(), sim, {noRow, noColumn});
    EXPECT_EQ(v2.Find(noRow)->Type, "NoSuchInstance");
    EXPECT_EQ(v2.Find(noColumn)->Type, "NoSuchObject");
    EXPECT_EQ(Get(V1(), sim, {noRow}).Reason(), "noSuchName");
    // SNMPv1 has no Counter64: such columns are absent over v1.
    const QString hcOctets = kIfXEntry + ".6.1";
    EXPECT_EQ(Get(V2c(), sim, {hcOctets}).Find(hcOctets)->Type, "Counter64");
    EXPECT_EQ(Get(V1(), sim, {hcOctets}).Reason(), "noSuchName");
    const SnmpReply next = GetNext(V1(), sim, {kIfXEntry + ".5.216"});
    ASSERT_TRUE(next.Ok()) << next.Output.toStdString();
    EXPECT_TRUE(next.Vars.first().Oid.startsWith(kIfXEntry + ".14.")) << next.Output.toStdString();
}

} // namespace
