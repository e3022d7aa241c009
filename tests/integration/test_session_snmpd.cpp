// The session against Net-SNMP's real snmpd on loopback: every version and
// USM level, the error outcomes, and the asynchronous path through the pump.
#include "kvexception.h"
#include "kvsnmpsession.h"
#include "kvsnmpstatus.h"
#include "kxtestagents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const char* kSysDescr = "1.3.6.1.2.1.1.1.0";

class SessionSnmpd : public kxtest::SessionSuite {
protected:
    static void SetUpTestSuite() {
        SessionSuite::SetUpTestSuite();
        agent_ = new kxtest::SnmpdAgent;
    }
    static void TearDownTestSuite() {
        delete agent_;
        SessionSuite::TearDownTestSuite();
    }
    void SetUp() override { ASSERT_TRUE(agent_->Running()) << "snmpd did not start"; }

    // Session parameters as start-up would leave them for one device.
    static KvSNMPSessionParams Params(int version) {
        KvSNMPSessionParams p;
        p.Address = "127.0.0.1";
        p.Port = static_cast<uint16_t>(agent_->Port());
        p.Version = static_cast<uint8_t>(version);
        p.ReadCommunity = "public";
        p.WriteCommunity = "private";
        p.Timeout = 50;
        p.Retries = 1;
        return p;
    }
    static KvSNMPSessionParams V3(const std::string& user, int level, int auth, int priv,
                                  const std::string& authPass = "authpass123",
                                  const std::string& privPass = "privpass123") {
        KvSNMPSessionParams p = Params(3);
        p.SecurityModel = 3;
        p.SecurityName = user;
        p.SecurityLevel = level;
        p.AuthProtocol = auth;
        p.PrivProtocol = priv;
        p.AuthPassword = authPass;
        p.PrivPassword = privPass;
        return p;
    }

    static int Get(const KvSNMPSessionParams& p, KvSnmpResponse& r, const char* oid = kSysDescr) {
        KvSnmpPdu pdu = p.NewPdu(KvPduType::Get);
        KvVarbind vb;
        vb.Oid = oid;
        pdu.Varbinds.push_back(vb);
        return GlobalSession->Send(p.BuildTarget(), pdu, r);
    }

    static kxtest::SnmpdAgent* agent_;
};
kxtest::SnmpdAgent* SessionSnmpd::agent_ = nullptr;

TEST_F(SessionSnmpd, BlockingGetSucceedsWithEveryVersionAndSecurityLevel) {
    struct Case {
        const char* name;
        KvSNMPSessionParams params;
    } cases[] = {
        {"v1", Params(0)},
        {"v2c", Params(1)},
        {"v3 MD5 authNoPriv", V3("authonly", 2, kvAuthMD5, kvPrivNone)},
        {"v3 SHA authNoPriv", V3("shauser", 2, kvAuthSHA, kvPrivNone)},
        {"v3 MD5 authPriv DES", V3("md5user", 3, kvAuthMD5, kvPrivDES)},
        {"v3 SHA authPriv DES", V3("shauser", 3, kvAuthSHA, kvPrivDES)},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        KvSnmpResponse r;
        EXPECT_EQ(Get(c.params, r), 0);
        ASSERT_EQ(r.Varbinds.size(), 1u);
        EXPECT_EQ(r.Varbinds[0].Oid, kSysDescr);
        EXPECT_EQ(r.Varbinds[0].Type, kvSmiOctetString);
        EXPECT_EQ(r.Varbinds[0].Octets, "kx test agent");
        EXPECT_EQ(r.AgentAddress, "127.0.0.1");
        EXPECT_EQ(r.AgentPort, agent_->Port());
    }
}

TEST_F(SessionSnmpd, FailuresMapToTheirCodes) {
    KvSNMPSessionParams badCommunity = Params(1);
    badCommunity.ReadCommunity = "nobody";
    badCommunity.Timeout = 20;
    badCommunity.Retries = 0;
    struct Case {
        const char* name;
        KvSNMPSessionParams params;
        int code;
    } cases[] = {
        {"wrong community is dropped", badCommunity, -405},
        {"wrong auth pass phrase", V3("md5user", 2, kvAuthMD5, kvPrivNone, "wrongpass999"), -308},
        {"unknown user", V3("nosuchuser", 2, kvAuthMD5, kvPrivNone), -304},
        {"missing object, v1", Params(0), -102},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        KvSnmpResponse r;
        const char* oid = c.code == -102 ? "1.3.6.1.2.1.1.99.0" : kSysDescr;
        EXPECT_EQ(MapSnmpStatus(Get(c.params, r, oid)).Code, c.code);
    }
    // The session stays usable after every failure.
    KvSnmpResponse r;
    EXPECT_EQ(Get(Params(1), r), 0);
}

TEST_F(SessionSnmpd, ClosedPortTimesOutWithinRetriesTimesTimeout) {
    KvSNMPSessionParams p = Params(1);
    p.Port = static_cast<uint16_t>(kxtest::FreeUdpPort());
    p.Timeout = 30;
    p.Retries = 2;
    QElapsedTimer t;
    t.start();
    KvSnmpResponse r;
    EXPECT_EQ(MapSnmpStatus(Get(p, r)).Code, -405);
    const qint64 bound = (p.Retries + 1) * p.Timeout * 10;
    EXPECT_GE(t.elapsed(), bound - 20);
    EXPECT_LE(t.elapsed(), bound + 250);
}

TEST_F(SessionSnmpd, UnresolvableHostRaises509AndSessionStaysUsable) {
    KvSNMPSessionParams p = Params(1);
    p.Address = "no-such-host.invalid";
    try {
        p.BuildTarget();
        FAIL() << "expected -509";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -509);
        EXPECT_STREQ(e.what(), "(DeRIRA++) Invalid IP Address or DNS name!");
    }
    KvSnmpResponse r;
    EXPECT_EQ(Get(Params(1), r), 0);
}

TEST_F(SessionSnmpd, AsynchronousGetCompletesThroughThePumpOnTheGuiThread) {
    for (int version : {1, 3}) {
        SCOPED_TRACE(version);
        KvSNMPSessionParams p = version == 3 ? V3("md5user", 3, kvAuthMD5, kvPrivDES) : Params(version);
        KvSnmpPdu pdu = p.NewPdu(KvPduType::Get);
        KvVarbind vb;
        vb.Oid = kSysDescr;
        pdu.Varbinds.push_back(vb);
        bool done = false;
        int status = -1;
        QThread* thread = nullptr;
        std::string value;
        ASSERT_EQ(GlobalSession->SendAsync(p.BuildTarget(), pdu,
                                           [&](int s, const KvSnmpResponse& r) {
                                               done = true;
                                               status = s;
                                               thread = QThread::currentThread();
                                               if (!r.Varbinds.empty()) value = r.Varbinds[0].Octets;
                                           }),
                  0);
        EXPECT_FALSE(done) << "the callback must not run inside the send";
        ASSERT_TRUE(kxtest::WaitFor([&] { return done; }, 5000));
        EXPECT_EQ(status, 0);
        EXPECT_EQ(value, "kx test agent");
        EXPECT_EQ(thread, QCoreApplication::instance()->thread());
    }
}

TEST_F(SessionSnmpd, ChangedPassPhraseTakesEffectForTheSameUser) {
    KvSnmpResponse r;
    EXPECT_EQ(Get(V3("md5user", 2, kvAuthMD5, kvPrivNone, "wrongpass999"), r), 1408);
    EXPECT_EQ(Get(V3("md5user", 2, kvAuthMD5, kvPrivNone), r), 0);
    EXPECT_EQ(Get(V3("md5user", 2, kvAuthMD5, kvPrivNone, "wrongpass999"), r), 1408);
}

} // namespace
