// Who gets in: communities and SNMPv3 users, the default ones and those set
// by options, and how wrong credentials are refused.
#include "simtools.h"

#include <gtest/gtest.h>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

struct Credential {
    const char* Name;
    QStringList Read;
    QStringList Write;    // empty: the credential set has no write access
    const char* Refusal;  // error status of a write through Read
};

// RMON state: other(1) disabled(2) enabled(3).
TEST(KxsimAccess, EveryCredentialSetReadsAndTheWritersWrite) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const QList<Credential> cases = {
        {"v1", V1("public"), V1("private"), "noSuchName"},
        {"v2c", V2c("public"), V2c("private"), "noAccess"},
        {"v3 MD5/DES authPriv", V3Md5Des("authPriv"), V3Md5Des("authPriv"), nullptr},
        {"v3 MD5 authNoPriv", V3Md5Des("authNoPriv"), V3Md5Des("authNoPriv"), nullptr},
        {"v3 SHA/AES authPriv", V3ShaAes("authPriv"), V3ShaAes("authPriv"), nullptr},
        {"v3 SHA authNoPriv", V3ShaAes("authNoPriv"), V3ShaAes("authNoPriv"), nullptr},
        {"v3 reader", V3Reader(), {}, "noAccess"},
    };
    int value = 2;
    for (const Credential& c : cases) {
        SCOPED_TRACE(c.Name);
        SnmpReply read = Get(c.Read, sim, {kSysDescr, kRmonState});
        ASSERT_TRUE(read.Ok()) << read.Output.toStdString();
        EXPECT_TRUE(read.Find(kSysDescr)->Bytes.startsWith("KX-7026G"));
        if (c.Refusal) {
            SnmpReply refused = Set(c.Read, sim, {kRmonState, "i", "2"});
            EXPECT_EQ(refused.Reason(), c.Refusal) << refused.Output.toStdString();
        }
        if (c.Write.isEmpty()) continue;
        value = value == 2 ? 3 : 2;
        SnmpReply written = Set(c.Write, sim, {kRmonState, "i", QString::number(value)});
        ASSERT_TRUE(written.Ok()) << written.Output.toStdString();
        EXPECT_EQ(Get(c.Read, sim, {kRmonState}).Find(kRmonState)->Number, value);
    }
}

TEST(KxsimAccess, WrongCredentialsAreRefusedAsByARealAgent) {
    KxsimAgent sim;
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const Timing quick{0.5, 0};
    struct Case {
        const char* Name;
        QStringList Credentials;
        const char* Expect;  // text in the tool's output
    };
    const QList<Case> cases = {
        {"v1 unknown community", V1("secret"), "Timeout: No Response"},
        {"v2c unknown community", V2c("secret"), "Timeout: No Response"},
        {"v3 unknown user", V3("nobody", "authNoPriv", "SHA"), "Unknown user name"},
        {"v3 wrong pass phrase", V3("kxshaaes", "authNoPriv", "SHA", "wrongpass1"), "Authentication failure"},
        {"v3 wrong auth protocol", V3("kxmd5des", "authNoPriv", "SHA"), "Authentication failure"},
        {"v3 wrong privacy pass phrase", V3("kxmd5des", "authPriv", "MD5", "kxauthpass", "DES", "wrongpass1"),
         "Timeout: No Response"},
        {"v3 privacy for the reader", V3("kxreader", "authPriv", "SHA", "kxauthpass", "AES"),
         "Unsupported security level"},
        {"v3 without authentication", V3("kxmd5des", "noAuthNoPriv", QString()), "authorizationError"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SnmpReply reply = Get(c.Credentials, sim, {kSysDescr}, quick);
        EXPECT_FALSE(reply.Ok());
        EXPECT_TRUE(reply.Output.contains(c.Expect)) << reply.Output.toStdString();
    }
    // The simulator is still fine afterwards.
    EXPECT_TRUE(Get(V2c(), sim, {kSysDescr}).Ok());
}

TEST(KxsimAccess, OptionsReplaceTheDefaultCredentials) {
    KxsimAgent sim({"--read-community", "ro", "--write-community", "rw", "--md5-user", "alice", "--sha-user", "bob",
                    "--reader-user", "carol", "--auth-pass", "authsecret", "--priv-pass", "privsecret"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const Timing quick{0.5, 0};
    EXPECT_TRUE(Get(V2c("ro"), sim, {kSysDescr}).Ok());
    EXPECT_TRUE(Set(V2c("rw"), sim, {kRmonState, "i", "2"}).Ok());
    EXPECT_TRUE(Set(V3("alice", "authPriv", "MD5", "authsecret", "DES", "privsecret"), sim, {kRmonState, "i", "3"}).Ok());
    EXPECT_TRUE(Set(V3("bob", "authPriv", "SHA", "authsecret", "AES", "privsecret"), sim, {kRmonState, "i", "2"}).Ok());
    EXPECT_TRUE(Get(V3("carol", "authNoPriv", "SHA", "authsecret"), sim, {kSysDescr}).Ok());
    EXPECT_TRUE(Get(V2c("public"), sim, {kSysDescr}, quick).TimedOut());
    EXPECT_FALSE(Get(V3Md5Des(), sim, {kSysDescr}, quick).Ok());
    EXPECT_FALSE(Get(V3("alice", "authNoPriv", "MD5", "kxauthpass"), sim, {kSysDescr}, quick).Ok());
}

} // namespace
