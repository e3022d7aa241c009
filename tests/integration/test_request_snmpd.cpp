// Requests against Net-SNMP's snmpd: table walks of a standard table, what
// goes on the wire for each PDU, and the errors of the request itself.
#include "kvexception.h"
#include "kvsnmprequest.h"
#include "kvsnmpsession.h"
#include "kxtestagents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// sysORTable: sysORIndex (not-accessible key), sysORID, sysORDescr.
const _SNMPVar_s kSysOr[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.2.1.1.9.1.2", "ID", synObjectId, vfReadOnly},
    {"1.3.6.1.2.1.1.9.1.3", "Descr", synDisplayString, vfReadOnly},
    {},
};
// The same with a column the agent does not have (it ends at once).
const _SNMPVar_s kSysOrWithEmptyColumn[] = {
    {"1.3.6.1.2.1.1.9.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.2.1.1.9.1.2", "ID", synObjectId, vfReadOnly},
    {"1.3.6.1.2.1.1.9.1.5", "Missing", synInteger, vfReadOnly},
    {},
};
const _SNMPVar_s kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", synDisplayString, vfReadOnly},
    {"1.3.6.1.2.1.1.5", "sysName", synDisplayString, vfReadWrite},
    {},
};

class RequestSnmpd : public kxtest::SessionSuite {
protected:
    static void SetUpTestSuite() {
        SessionSuite::SetUpTestSuite();
        agent_ = new kxtest::SnmpdAgent;
    }
    static void TearDownTestSuite() {
        delete agent_;
        SessionSuite::TearDownTestSuite();
    }
    void SetUp() override {
        ASSERT_TRUE(agent_->Running());
        KvSNMPDevice.Address = "127.0.0.1";
        KvSNMPDevice.Port = static_cast<uint16_t>(agent_->Port());
        KvSNMPSecurity.Version = 1;
        KvSNMPSecurity.ReadCommunity = "public";
        KvSNMPSecurity.WriteCommunity = "private";
        GlobalSession->SetSendObserver([this](const KvSnmpTarget&, const KvSnmpPdu& pdu) { sent.push_back(pdu); });
    }
    void TearDown() override {
        GlobalSession->SetSendObserver(nullptr);
        SetSessionDefaults();
    }

    static std::unique_ptr<KvSNMPRequest> Request(const _SNMPVar_s* table, uint8_t kind, int keys) {
        auto r = std::make_unique<KvSNMPRequest>();
        r->VarList.Assign(KvSNMPVarList(table, kind, keys));
        r->Timeout = 50;
        return r;
    }

    std::vector<KvSnmpPdu> sent;
    static kxtest::SnmpdAgent* agent_;
};
kxtest::SnmpdAgent* RequestSnmpd::agent_ = nullptr;

TEST_F(RequestSnmpd, SynchronousWalkReadsEveryRowWithOnePduPerRowAndOneToEnd) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        KvSNMPSecurity.Version = static_cast<uint8_t>(version);
        sent.clear();
        auto r = Request(kSysOr, KvSNMPVarList::kTable, 1);
        std::vector<std::string> index, ids;
        for (bool more = r->GetRow(true); more; more = r->GetRow(false)) {
            index.push_back(r->VarList.Item(0).Value);
            ids.push_back(r->VarList.Item(1).Value);
        }
        ASSERT_GE(index.size(), 3u);
        EXPECT_EQ(sent.size(), index.size() + 1);
        EXPECT_EQ(index[0], "1");
        EXPECT_EQ(index[2], "3");
        EXPECT_EQ(ids[0], "1.3.6.1.6.3.10.3.1.1");
        // First PDU asks the columns; each later one the instances returned last.
        ASSERT_EQ(sent[0].Varbinds.size(), 2u) << "the key column is never asked";
        EXPECT_EQ(sent[0].Type, KvPduType::GetNext);
        EXPECT_EQ(sent[0].Varbinds[0].Oid, "1.3.6.1.2.1.1.9.1.2");
        EXPECT_EQ(sent[2].Varbinds[1].Oid, "1.3.6.1.2.1.1.9.1.3.2");
        EXPECT_EQ(r->VarList.Item(1).Value, "(NOTDONE)") << "every column ended";
    }
}

TEST_F(RequestSnmpd, EmptyColumnReadsNotDoneAndIsAskedWithThePreviousRowIndex) {
    auto r = Request(kSysOrWithEmptyColumn, KvSNMPVarList::kTable, 1);
    int rows = 0;
    for (bool more = r->GetRow(true); more; more = r->GetRow(false)) {
        ++rows;
        EXPECT_EQ(r->VarList.Item(2).Value, "(NOTDONE)");
        EXPECT_EQ(r->VarList.Item(0).Value, std::to_string(rows));
    }
    ASSERT_GE(rows, 3);
    ASSERT_EQ(sent.size(), static_cast<size_t>(rows + 1));
    EXPECT_EQ(sent[1].Varbinds[1].Oid, "1.3.6.1.2.1.1.9.1.5");
    for (int k = 2; k <= rows; ++k) EXPECT_EQ(sent[static_cast<size_t>(k)].Varbinds[1].Oid, "1.3.6.1.2.1.1.9.1.5." + std::to_string(k - 1));
}

TEST_F(RequestSnmpd, AsynchronousWalkThroughThePumpMatchesTheSynchronousOne) {
    auto sync = Request(kSysOr, KvSNMPVarList::kTable, 1);
    std::vector<std::string> expected;
    for (bool more = sync->GetRow(true); more; more = sync->GetRow(false)) expected.push_back(sync->VarList.Item(2).Value);

    auto r = Request(kSysOr, KvSNMPVarList::kTable, 1);
    std::vector<std::string> rows;
    bool finished = false;
    KvSNMPError last;
    KvSNMPCompletion next = [&](void*, const KvSNMPError& e, KvSNMPVarList& list) {
        last = e;
        if (e.Code == 0 && !e.Done) {
            rows.push_back(list.Item(2).Value);
            r->GetRowAsync(next, nullptr, false);
        } else {
            finished = true;
        }
    };
    r->GetRowAsync(next, nullptr, true);
    EXPECT_EQ(r->Pending, 1);
    ASSERT_TRUE(kxtest::WaitFor([&] { return finished; }, 10000));
    EXPECT_EQ(last.Code, 0);
    EXPECT_EQ(last.Message, "(DeRIRA++) Ok!");
    EXPECT_TRUE(last.Done);
    EXPECT_EQ(last.AgentAddress, "127.0.0.1");
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(r->Pending, 0);
}

TEST_F(RequestSnmpd, ScalarsGetAndRequestErrors) {
    auto r = Request(kSystem, KvSNMPVarList::kScalars, 0);
    EXPECT_FALSE(r->GetRow(true));
    EXPECT_EQ(r->VarList.Item(0).Value, "kx test agent");
    ASSERT_EQ(sent.back().Varbinds.size(), 2u);
    EXPECT_EQ(sent.back().Varbinds[0].Oid, "1.3.6.1.2.1.1.1.0");

    auto one = Request(kSystem, KvSNMPVarList::kOneInstance, 0);
    one->VarList.Instance = "0";
    EXPECT_FALSE(one->GetRow(true));
    EXPECT_EQ(one->VarList.Item(0).Value, "kx test agent");
    try {
        one->GetRow(false);
        FAIL() << "expected -510";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -510);
    }

    // noSuchName for the first PDU of a v1 walk: raised synchronously,
    // reported with Done asynchronously.
    KvSNMPSecurity.Version = 0;
    const _SNMPVar_s pastTheEnd[] = {{"1.3.6.1.9.9.1.1", "Key", synInteger, vfIndex},
                                     {"1.3.6.1.9.9.1.2", "Col", synInteger, vfReadOnly},
                                     {}};
    auto walk = Request(pastTheEnd, KvSNMPVarList::kTable, 1);
    try {
        walk->GetRow(true);
        FAIL() << "expected -102";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -102);
    }
    bool done = false;
    KvSNMPError error;
    walk->GetRowAsync([&](void*, const KvSNMPError& e, KvSNMPVarList&) { error = e; done = true; }, nullptr, true);
    kxtest::WaitFor([&] { return done; }, 5000);
    EXPECT_EQ(error.Code, -102);
    EXPECT_TRUE(error.Done);

    // Time-out arrives in the error record.
    auto dead = Request(kSystem, KvSNMPVarList::kScalars, 0);
    dead->Port = static_cast<uint16_t>(kxtest::FreeUdpPort());
    dead->Timeout = 10;
    dead->Retries = 0;
    done = false;
    dead->GetRowAsync([&](void*, const KvSNMPError& e, KvSNMPVarList&) { error = e; done = true; }, nullptr, true);
    kxtest::WaitFor([&] { return done; }, 5000);
    EXPECT_EQ(error.Code, -405);
    EXPECT_EQ(error.Message, "(SNMPClass) SNMP request timed out!");
}

TEST_F(RequestSnmpd, SetValuesMarksOnlyForOnePduAndRestoresOnFailure) {
    auto r = Request(kSystem, KvSNMPVarList::kScalars, 0);
    r->VarList.Item(0).Value = "old descr";
    r->VarList.Item(1).Value = "old name";
    const std::vector<std::string> values = {"kx-switch"};
    r->SetValues("1", &values);
    ASSERT_EQ(sent.back().Varbinds.size(), 1u);
    EXPECT_EQ(sent.back().Varbinds[0].Oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(sent.back().Varbinds[0].Octets, "kx-switch");
    EXPECT_EQ(r->VarList.Item(1).Value, "old name") << "values apply to the PDU only";
    EXPECT_EQ(r->VarList.Item(0).Flags, static_cast<uint32_t>(vfReadOnly)) << "marks are undone";
    EXPECT_FALSE(r->GetRow(true));
    EXPECT_EQ(r->VarList.Item(1).Value, "kx-switch");

    // sysDescr is read-only: the error is raised and nothing is left changed.
    r->VarList.Item(0).Flags = vfReadWrite;
    r->VarList.Item(0).Value = "keep me";
    const std::vector<std::string> two = {"x", "y"};
    try {
        r->SetValues("0,1", &two);
        FAIL();
    } catch (const KvException& e) {
        EXPECT_TRUE(e.HelpContext() == -117 || e.HelpContext() == -106) << e.HelpContext();
    }
    EXPECT_EQ(r->VarList.Item(0).Value, "keep me");
    EXPECT_EQ(r->VarList.Item(1).Value, "kx-switch");
}

TEST_F(RequestSnmpd, ReplyAfterTheRequestIsGoneTouchesNothing) {
    auto r = Request(kSystem, KvSNMPVarList::kScalars, 0);
    bool called = false;
    r->GetRowAsync([&](void*, const KvSNMPError&, KvSNMPVarList&) { called = true; }, nullptr, true);
    r->Pending = 0; // as if the destructor's wait had run out
    r.reset();
    kxtest::PumpFor(300);
    EXPECT_FALSE(called);
}

} // namespace
