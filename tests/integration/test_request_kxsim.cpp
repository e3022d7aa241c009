// Requests against the simulator: exact walks, the SNMPv1 end of a walk,
// sets at a row's instance, row creation and deletion, and replies that
// arrive after their request is gone.
#include "discoverytables.h"
#include "kvexception.h"
#include "kvsnmprequest.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "kxtestagents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTables = QString(KX_SOURCE_DIR) + "/tests/integration/data/request-tables.txt";
const std::string kEntry = "1.3.6.1.4.1.99402.99.1.1";

const _SNMPVar_s kTestTable[] = {
    {"1.3.6.1.4.1.99402.99.1.1.1", "A", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.99.1.1.2", "B", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.99.1.1.3", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.1.1.4", "Value", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.1.1.5", "Status", synInteger, vfReadWrite},
    {},
};

using kxtest::WaitFor;

class RequestKxsim : public kxtest::SessionSuite {
protected:
    void Use(const kxtest::KxsimAgent& sim, int version = 1) {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        kxtest::UseSimulator(sim, version);
        sent.clear();
        GlobalSession->SetSendObserver([this](const KvSnmpTarget&, const KvSnmpPdu& pdu) { sent.push_back(pdu); });
    }
    void TearDown() override {
        GlobalSession->SetSendObserver(nullptr);
        SetSessionDefaults();
    }
    static std::unique_ptr<KvSNMPRequest> Request(uint8_t kind = KvSNMPVarList::kTable) {
        auto r = std::make_unique<KvSNMPRequest>();
        r->VarList.Assign(KvSNMPVarList(kTestTable, kind, 2));
        r->Timeout = 100;
        return r;
    }
    // Rows as "a.b:name:value".
    static std::vector<std::string> Walk(KvSNMPRequest& r) {
        std::vector<std::string> rows;
        for (bool more = r.GetRow(true); more; more = r.GetRow(false))
            rows.push_back(r.VarList.Item(0).Value + "." + r.VarList.Item(1).Value + ":" + r.VarList.Item(2).Value +
                           ":" + r.VarList.Item(3).Value);
        return rows;
    }

    std::vector<KvSnmpPdu> sent;
};

TEST_F(RequestKxsim, ThreeRowTableTakesExactlyFourPdus) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        kxtest::KxsimAgent sim({"--objects", kTables});
        Use(sim, version);
        auto r = Request();
        const std::vector<std::string> expected = {"1.1:one:11", "5.3:five-three:53", "7.2:seven-two:72"};
        EXPECT_EQ(Walk(*r), expected);
        ASSERT_EQ(sent.size(), 4u);
        for (const auto& pdu : sent) {
            EXPECT_EQ(pdu.Type, KvPduType::GetNext);
            ASSERT_EQ(pdu.Varbinds.size(), 3u) << "keys are decoded, not asked";
        }
        EXPECT_EQ(sent[0].Varbinds[0].Oid, kEntry + ".3");
        EXPECT_EQ(sent[2].Varbinds[1].Oid, kEntry + ".4.5.3");
        EXPECT_EQ(sent[3].Varbinds[2].Oid, kEntry + ".5.7.2");
        // The key columns' instances point at the last row read.
        EXPECT_EQ(r->VarList.Item(0).InstanceOid, kEntry + ".1.7.2");
    }
}

TEST_F(RequestKxsim, SnmpV1NoSuchNameAtTheEndEndsTheWalkWithoutError) {
    kxtest::KxsimAgent sim({"--objects", kTables, "--v1-end-nosuchname"});
    Use(sim, 0);
    auto r = Request();
    EXPECT_EQ(Walk(*r).size(), 3u);

    // The same through the pump: the end is reported as success.
    auto a = Request();
    int rows = 0;
    KvSNMPError last;
    bool finished = false;
    KvSNMPCompletion next = [&](void*, const KvSNMPError& e, KvSNMPVarList&) {
        last = e;
        if (e.Code == 0 && !e.Done) {
            ++rows;
            a->GetRowAsync(next, nullptr, false);
        } else {
            finished = true;
        }
    };
    a->GetRowAsync(next, nullptr, true);
    WaitFor([&] { return finished; }, 10000);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(last.Code, 0);
    EXPECT_EQ(last.Message, "(DeRIRA++) Ok!");
}

TEST_F(RequestKxsim, KeyedSetSendsOnlyNonKeyColumnsAtTheRowInstance) {
    kxtest::KxsimAgent sim({"--objects", kTables});
    Use(sim);
    auto r = Request(KvSNMPVarList::kTableEditKeys);
    r->VarList.Item(0).Value = "5";
    r->VarList.Item(1).Value = "3";
    r->VarList.Item(2).Value = "renamed";
    r->VarList.Item(3).Value = "99";
    r->VarList.Item(4).Value = "1";
    r->SetValues("");
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].Varbinds.size(), 3u);
    EXPECT_EQ(sent[0].Type, KvPduType::Set);
    EXPECT_EQ(sent[0].Varbinds[0].Oid, kEntry + ".3.5.3");
    EXPECT_EQ(sent[0].Varbinds[1].Oid, kEntry + ".4.5.3");
    EXPECT_EQ(sent[0].Varbinds[2].Oid, kEntry + ".5.5.3");
    EXPECT_EQ(sent[0].Varbinds[0].Type, kvSmiOctetString);
    EXPECT_EQ(sent[0].Varbinds[1].Integer, 99);

    auto check = Request();
    EXPECT_EQ(Walk(*check)[1], "5.3:renamed:99");
}

TEST_F(RequestKxsim, SingleInstanceFoundWithGetNextIsWrittenWhereItWasRead) {
    kxtest::KxsimAgent sim({"--objects", kTables});
    Use(sim);
    auto r = Request(KvSNMPVarList::kOneInstance);
    r->UseGetNext = true;
    r->GetRow(true);  // a single instance: no further row to tell about
    ASSERT_EQ(r->VarList.Item(2).Value, "one");
    r->VarList.Item(2).Value = "trunk";
    sent.clear();
    r->SetValues("");
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].Varbinds.size(), 3u);
    EXPECT_EQ(sent[0].Varbinds[0].Oid, kEntry + ".3.1.1") << "the row read, not the bare column";
    EXPECT_EQ(sent[0].Varbinds[2].Oid, kEntry + ".5.1.1");
    EXPECT_EQ(Walk(*Request())[0], "1.1:trunk:11");
}

TEST_F(RequestKxsim, RowCreatedWithCreateAndGoAndRemovedWithDestroy) {
    kxtest::KxsimAgent sim({"--objects", kTables});
    Use(sim);
    auto r = Request(KvSNMPVarList::kTableEditKeys);
    const std::vector<std::string> create = {"9", "4", "new row", "4"}; // createAndGo
    r->SetValues("0,1,2,4", &create);
    ASSERT_EQ(sent.back().Varbinds.size(), 2u) << "only the marked non-key columns";
    EXPECT_EQ(sent.back().Varbinds[0].Oid, kEntry + ".3.9.4");
    EXPECT_EQ(sent.back().Varbinds[1].Oid, kEntry + ".5.9.4");
    EXPECT_EQ(r->VarList.Item(0).Value, "") << "values were for that PDU only";

    auto walk = Request();
    std::vector<std::string> rows = Walk(*walk);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3], "9.4:new row:0");

    const std::vector<std::string> destroy = {"9", "4", "6"};
    r->SetValues("0,1,4", &destroy);
    EXPECT_EQ(Walk(*walk).size(), 3u);

    // createAndGo on a row that exists is refused by the agent; the error
    // is raised and the variables are left as they were.
    const std::vector<std::string> again = {"5", "3", "4"};
    try {
        r->SetValues("0,1,4", &again);
        FAIL() << "expected inconsistentValue";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -112);
    }
    EXPECT_EQ(r->VarList.Item(0).Value, "");
}

TEST_F(RequestKxsim, ReplyArrivingAfterTheRequestIsDestroyedIsDiscarded) {
    kxtest::KxsimAgent sim({"--objects", kTables, "--delay-ms", "300"});
    Use(sim);
    // Destroyed with a reply on its way: the destructor waits for it.
    {
        auto r = Request();
        bool called = false;
        r->GetRowAsync([&](void*, const KvSNMPError& e, KvSNMPVarList&) { called = e.Code == 0; }, nullptr, true);
        EXPECT_EQ(r->Pending, 1);
        QElapsedTimer t;
        t.start();
        r.reset();
        EXPECT_TRUE(called);
        EXPECT_LT(t.elapsed(), 3000);
    }
}

TEST_F(RequestKxsim, ReplyAfterTheDestructorGaveUpTouchesNothing) {
    // The agent answers after 6.5 s; the destructor waits 6 s at most.
    kxtest::KxsimAgent sim({"--objects", kTables, "--delay-ms", "6500"});
    Use(sim);
    bool called = false;
    {
        auto r = Request();
        r->Timeout = 1000;
        r->Retries = 0;
        r->GetRowAsync([&](void*, const KvSNMPError&, KvSNMPVarList&) { called = true; }, nullptr, true);
        QElapsedTimer t;
        t.start();
        r.reset();
        EXPECT_GE(t.elapsed(), KvSNMPRequest::kDestroyWaitMs - 50);
    }
    WaitFor([] { return GlobalSession->Outstanding() == 0; }, 3000);
    EXPECT_EQ(GlobalSession->Outstanding(), 0) << "the late reply was taken in";
    EXPECT_FALSE(called);
}

} // namespace

namespace {

// A column that ends answers with an OID of a later column, which may be a
// column of the same list that is still a row behind (the unit table skips
// column 7, so column 6's end lands in column 8): the walk still ends, with
// every row read once.
TEST_F(RequestKxsim, EndedColumnLandingInAnotherListedColumnEndsTheWalk) {
    kxtest::KxsimAgent sim;
    Use(sim);
    auto r = std::make_unique<KvSNMPRequest>();
    r->VarList.Assign(KvSNMPVarList(UnitVars, KvSNMPVarList::kTable, 1));
    std::vector<std::string> units;
    for (bool more = r->GetRow(true); more && units.size() < 20; more = r->GetRow(false))
        units.push_back(r->VarList.Item(0).Value + ":" + r->VarList.Item(8).Value);
    const std::vector<std::string> expected = {"1:KX-7026G", "2:KX-7050", "3:", "4:KG-7124I"};
    EXPECT_EQ(units, expected);
}

} // namespace
