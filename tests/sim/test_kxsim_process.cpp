// kxsim as a process: start and stop, where it listens and writes, its data
// files and the state file.
#include "simtools.h"

#include "kxtestagents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

TEST(KxsimProcess, StopsCleanlyAndLeavesNothingBehind) {
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    for (bool interrupt : {false, true}) {
        SCOPED_TRACE(interrupt ? "SIGINT" : "SIGTERM");
        KxsimAgent sim({"--state-dir", parent.path()});
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        EXPECT_EQ(sim.ReadyLine(), QString("kxsim: listening on udp:127.0.0.1:%1").arg(sim.Port()));
        // Its private configuration lives in the given directory while it runs.
        EXPECT_EQ(QDir(parent.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        ASSERT_TRUE(Get(V3Md5Des(), sim, {kSysDescr}).Ok());
        int exitCode = -1;
        EXPECT_TRUE(sim.Stop(&exitCode, interrupt)) << sim.Log().toStdString();
        EXPECT_EQ(exitCode, 0);
        EXPECT_TRUE(QDir(parent.path()).isEmpty()) << QDir(parent.path()).entryList().join(' ').toStdString();
    }
}

TEST(KxsimProcess, ListensOnLoopbackOnly) {
    KxsimAgent other({"--listen", "127.0.0.2"});
    ASSERT_TRUE(other.Running()) << other.Log().toStdString();
    EXPECT_EQ(other.Host(), "127.0.0.2");
    EXPECT_TRUE(Get(V2c(), other, {kSysDescr}).Ok());

    for (const char* address : {"10.0.0.1", "0.0.0.0", "localhost", "::1"}) {
        QString out;
        const int code = kxtest::RunProgram(KxsimAgent::Program(), {"--port", "0", "--listen", address}, &out, 10000);
        EXPECT_EQ(code, 2) << address;
        EXPECT_TRUE(out.contains("loopback")) << out.toStdString();
    }
}

TEST(KxsimProcess, FixedPortIsTaken) {
    const int port = kxtest::FreeUdpPort();
    ASSERT_GT(port, 0);
    KxsimAgent sim({"--port", QString::number(port)});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    EXPECT_EQ(sim.Port(), port);
    // A second simulator cannot take the same port and says so.
    QString out;
    EXPECT_EQ(kxtest::RunProgram(KxsimAgent::Program(), {"--port", QString::number(port)}, &out, 10000), 1);
    EXPECT_TRUE(out.contains("cannot listen")) << out.toStdString();
}

TEST(KxsimProcess, BadInputIsReportedWithItsPlace) {
    struct Case {
        const char* Name;
        QStringList Args;
        const char* Message;
    };
    const QString badStack = WriteTempFile("bad-stack.txt", "unit 1\n  model KX-7026G\n  colour blue\n");
    const QString unknownModel = WriteTempFile("unknown-model.txt", "unit 1\n  model KX-9999\n");
    const QString badObjects = WriteTempFile("bad-objects.txt", "scalar x 1.3.6.1.4.1.99402.99.1 INTEGER sometimes = 1\n");
    const QString badTemplate = WriteTempFile("bad-template.txt", "scalar x 1.3.6.1.4.1.99402.99.1 INTEGER read-only = ${no.such}\n");
    const QList<Case> cases = {
        {"unknown key", {"--stack", badStack}, "bad-stack.txt:3: unknown key 'colour'"},
        {"unknown model", {"--stack", unknownModel}, "KX-9999"},
        {"missing stack", {"--stack", "/nonexistent/stack.txt"}, "/nonexistent/stack.txt: cannot read"},
        {"bad access", {"--objects", badObjects}, "bad-objects.txt:1: access"},
        {"unknown template name", {"--objects", badTemplate}, "bad-template.txt:1"},
        {"unknown option", {"--colour"}, "unknown option '--colour'"},
        {"short pass phrase", {"--auth-pass", "short"}, "at least 8 characters"},
        {"wrong-type without OID", {"--wrong-type", "ifTable"}, "numeric OID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QString out;
        const int code = kxtest::RunProgram(KxsimAgent::Program(), QStringList{"--port", "0"} + c.Args, &out, 10000);
        EXPECT_NE(code, 0);
        EXPECT_TRUE(out.contains(c.Message)) << out.toStdString();
        EXPECT_FALSE(out.contains("listening")) << out.toStdString();
    }
}

// Later MIB groups are data: an extra object file adds a scalar and a table
// with row creation, no code.
TEST(KxsimProcess, ObjectFilesAddMibGroups) {
    const QString objects = WriteTempFile("extra-objects.txt", R"(# test group
scalar testLabel 1.3.6.1.4.1.99402.99.1 DisplayString SIZE(0..8) read-write = "hello"
scalar testPorts 1.3.6.1.4.1.99402.99.2 Gauge32 read-only = ${stack.ports}
table testHostTable 1.3.6.1.4.1.99402.99.3.1
  index testHostAddr testHostPort
  column 1 testHostAddr   IpAddress          not-accessible
  column 2 testHostPort   INTEGER (1..65535) not-accessible
  column 3 testHostName   DisplayString      read-create = "host"
  column 4 testHostStatus RowStatus          read-create
  row 10.0.0.1 514 "syslog" active
end
)");
    KxsimAgent sim({"--objects", objects});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QString label = "1.3.6.1.4.1.99402.99.1.0", ports = "1.3.6.1.4.1.99402.99.2.0";
    const QString entry = "1.3.6.1.4.1.99402.99.3.1";
    SnmpReply reply = Get(V2c(), sim, {label, ports, entry + ".3.10.0.0.1.514"});
    ASSERT_TRUE(reply.Ok()) << reply.Output.toStdString();
    EXPECT_EQ(reply.Find(label)->Bytes, "hello");
    EXPECT_EQ(reply.Find(ports)->Number, 98);
    EXPECT_EQ(reply.Find(entry + ".3.10.0.0.1.514")->Bytes, "syslog");
    EXPECT_EQ(Set(V2c("private"), sim, {label, "s", "too long!"}).Reason(), "wrongLength");
    ASSERT_TRUE(Set(V2c("private"), sim, {label, "s", "bye"}).Ok());
    ASSERT_TRUE(Set(V2c("private"), sim, {entry + ".4.192.168.1.2.162", "i", "4"}).Ok());
    const SnmpReply walk = Walk(V2c(), sim, entry);
    EXPECT_EQ(walk.Find(entry + ".3.192.168.1.2.162")->Bytes, "host");
    EXPECT_EQ(walk.Under(entry + ".4").size(), 2);
}

TEST(KxsimProcess, StateFileKeepsWritesAcrossRestarts) {
    QTemporaryDir dir;
    const QString state = dir.path() + "/state.txt";
    const QString row = kCommunityEntry + ".8.107.101.112.116";  // "kept"
    {
        KxsimAgent sim({"--state", state});
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        ASSERT_TRUE(Set(V2c("private"), sim, {kRmonState, "i", "2"}).Ok());
        ASSERT_TRUE(Set(V2c("private"), sim,
                        {row, "i", "4", kCommunityEntry + ".2.107.101.112.116", "s", "k",
                         kCommunityEntry + ".3.107.101.112.116", "s", "k"}).Ok());
        // Refused writes are not kept.
        ASSERT_FALSE(Set(V2c("private"), sim, {kUnitEntry + ".14.1", "i", "99"}).Ok());
    }
    KxsimAgent again({"--state", state});
    ASSERT_TRUE(again.Running()) << again.Log().toStdString();
    const SnmpReply reply = Get(V2c(), again, {kRmonState, row, kUnitEntry + ".14.1"});
    EXPECT_EQ(reply.Find(kRmonState)->Number, 2);
    EXPECT_EQ(reply.Find(row)->Number, 1);
    EXPECT_EQ(reply.Find(kUnitEntry + ".14.1")->Number, 32);
    // Without the state file the simulator starts afresh.
    KxsimAgent fresh;
    ASSERT_TRUE(fresh.Running());
    EXPECT_EQ(Get(V2c(), fresh, {kRmonState}).Find(kRmonState)->Number, 3);
}

} // namespace
