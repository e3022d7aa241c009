// Variable records and variable lists: copies, ownership and the flag tests.
#include "kvexception.h"
#include "kvoptionlist.h"
#include "kvsnmpvarlist.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const _Option_s kStateOptions[] = {{1, "enabled"}, {2, "disabled"}, {}};
const KvOptionList gStateOptions(kStateOptions, KvOptionList::kIntegerValues);

const _SNMPVar_s kPortTable[] = {
    {"1.3.6.1.4.1.99402.12.1.1.2.1.1", "Unit", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.2", "Port", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.3", "State", synInteger, vfReadWrite, &gStateOptions, "$3*2", "$3/2", "aux"},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.4", "Speed", synGauge32, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.5", "Secret", synOctetString, vfWrite},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.6", "Shown", synDisplayString, vfListShow},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.7", "Hidden", synInteger, vfReadWrite | vfListHide},
    {},
};

TEST(SNMPVarList, ConstructionCopiesTheStaticRecords) {
    const KvSNMPVarList list(kPortTable, KvSNMPVarList::kTableEditKeys, 2);
    EXPECT_EQ(list.Kind, 3);
    EXPECT_EQ(list.KeyCount, 2);
    EXPECT_TRUE(list.Instance.empty());
    EXPECT_TRUE(list.Label.empty());
    ASSERT_EQ(list.Count(), 7);

    const KvSNMPVar& state = list.Item(2);
    EXPECT_EQ(state.Oid, "1.3.6.1.4.1.99402.12.1.1.2.1.3");
    EXPECT_NE(state.Oid.c_str(), kPortTable[2].Oid);  // a copy, not the static text
    EXPECT_EQ(state.Name, "State");
    EXPECT_EQ(state.Syntax, synInteger);
    EXPECT_EQ(state.Flags, 0x06u);
    EXPECT_EQ(state.Options, &gStateOptions);         // shared
    EXPECT_EQ(state.GetExpression, "$3*2");
    EXPECT_EQ(state.SetExpression, "$3/2");
    EXPECT_EQ(state.AuxText, "aux");
    EXPECT_EQ(state.Value, "");
    EXPECT_EQ(state.InstanceOid, "");

    const KvSNMPVar& speed = list.Item(3);
    EXPECT_FALSE(speed.GetExpression.has_value());    // absent stays absent
    EXPECT_FALSE(speed.AuxText.has_value());
    EXPECT_EQ(speed.Options, nullptr);

    EXPECT_THROW(list.Item(7), KvException);
    EXPECT_THROW(list.Item(-1), KvException);
}

TEST(SNMPVarList, EmptyAndNullTablesAndAppend) {
    const _SNMPVar_s emptyTable[] = {{}};
    EXPECT_EQ(KvSNMPVarList(emptyTable, 0, 0).Count(), 0);
    EXPECT_EQ(KvSNMPVarList(nullptr, 0, 0).Count(), 0);
    const KvSNMPVarList defaults;
    EXPECT_EQ(defaults.Count(), 0);
    EXPECT_EQ(defaults.Kind, 0);
    EXPECT_EQ(defaults.KeyCount, 0);

    // A runtime value in a table record seeds the copy; Append keeps earlier records.
    const _SNMPVar_s seeded[] = {
        {"1.3.6.1.2.1.1.5", "Name", synDisplayString, vfReadWrite, nullptr, nullptr, nullptr, nullptr, "sw1", "1.3.6.1.2.1.1.5.0"},
        {},
    };
    KvSNMPVarList list(kPortTable, 2, 2);
    KvSNMPVar& first = list.Item(0);
    list.Append(seeded);
    list.Append(nullptr);
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(&first, &list.Item(0));   // records do not move when the list grows
    EXPECT_EQ(list.Item(7).Value, "sw1");
    EXPECT_EQ(list.Item(7).InstanceOid, "1.3.6.1.2.1.1.5.0");
}

TEST(SNMPVarList, CopyDropsInstanceAndDeepCopiesRecords) {
    KvSNMPVarList original(kPortTable, KvSNMPVarList::kTable, 2);
    original.Instance = "3";
    original.Label = " Led Status";
    original.Item(2).Value = "enabled";
    original.Item(2).InstanceOid = "1.3.6.1.4.1.99402.12.1.1.2.1.3.1.5";

    KvSNMPVarList copy(original);
    EXPECT_TRUE(copy.Instance.empty());
    EXPECT_EQ(copy.Label, " Led Status");
    EXPECT_EQ(copy.Kind, KvSNMPVarList::kTable);
    EXPECT_EQ(copy.KeyCount, 2);
    ASSERT_EQ(copy.Count(), original.Count());
    EXPECT_EQ(copy.Item(2).Value, "enabled");
    EXPECT_EQ(copy.Item(2).InstanceOid, "1.3.6.1.4.1.99402.12.1.1.2.1.3.1.5");
    EXPECT_EQ(copy.Item(2).Options, &gStateOptions);

    copy.Item(2).Value = "disabled";   // independent records
    EXPECT_EQ(original.Item(2).Value, "enabled");

    // Assign replaces the records, keeps the target's Instance.
    KvSNMPVarList target(nullptr, KvSNMPVarList::kOneInstance, 0);
    target.Instance = "7";
    target.Append(kPortTable);
    target.Append(kPortTable);
    target.Assign(copy);
    EXPECT_EQ(target.Instance, "7");
    EXPECT_EQ(target.Count(), 7);
    EXPECT_EQ(target.Kind, KvSNMPVarList::kTable);
    EXPECT_EQ(target.Item(2).Value, "disabled");

    target.Assign(target);   // no change, nothing lost
    EXPECT_EQ(target.Count(), 7);
    EXPECT_EQ(target.Item(2).Value, "disabled");
}

TEST(SNMPVarList, MovingKeepsTheInstance) {
    KvSNMPVarList original(kPortTable, KvSNMPVarList::kOneInstance, 0);
    original.Instance = "5";
    original.Item(3).Value = "100";
    const KvSNMPVarList moved(std::move(original));
    EXPECT_EQ(moved.Instance, "5");
    EXPECT_EQ(moved.Item(3).Value, "100");
}

TEST(SNMPVarList, OwnedOptionListsOutliveTheListThatAdoptedThem) {
    auto options = std::make_shared<KvOptionList>(kStateOptions, KvOptionList::kIntegerValues);
    std::weak_ptr<KvOptionList> watch = options;
    auto copy = std::make_unique<KvSNMPVarList>();
    {
        KvSNMPVarList owner(kPortTable, 2, 2);
        owner.Item(3).Options = options.get();
        owner.AdoptOptionList(options);
        options.reset();
        copy = std::make_unique<KvSNMPVarList>(owner);
    }
    ASSERT_FALSE(watch.expired());   // the copy still refers to it
    EXPECT_EQ(copy->Item(3).Options->ValueToText("2"), "disabled");
    copy.reset();
    EXPECT_TRUE(watch.expired());
}

struct FlagCase {
    uint32_t flags;
    uint8_t kind;
    int index;   // position, compared with KeyCount 2
    bool read, settable, listColumn, hidden, implied;
};

TEST(SNMPVarList, FlagTests) {
    const FlagCase cases[] = {
        // flags                     kind index read   set   column hidden implied
        {vfReadOnly,                  0, 3, true,  false, true,  false, false},
        {vfReadWrite,                 0, 3, true,  true,  true,  false, false},
        {vfWrite,                     0, 3, false, true,  false, true,  false},   // write-only
        {vfWrite | vfListShow,        0, 3, false, true,  true,  false, false},
        {vfReadWrite | vfExcluded,    0, 3, false, false, false, true,  false},
        {vfExcluded,                  2, 0, false, false, false, true,  false},   // excluded key
        {vfIndex,                     3, 0, false, true,  true,  false, false},   // key of kind 3
        {vfIndex,                     3, 1, false, true,  true,  false, false},
        {vfIndex,                     2, 1, false, true,  true,  false, false},   // key of kind 2
        {vfIndex,                     0, 0, false, false, true,  false, false},   // kind 0: not settable
        {vfIndex,                     1, 0, false, false, true,  false, false},
        {vfIndex,                     3, 2, false, false, true,  false, false},   // beyond KeyCount
        {vfImpliedIndex,              3, 1, false, true,  true,  false, true},
        {vfReadWrite | vfListHide,    2, 3, true,  true,  false, true,  false},
        {vfListShow,                  2, 3, false, false, true,  false, false},
        {0,                           2, 3, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags << " kind " << int(c.kind)
                                        << " index " << c.index);
        KvSNMPVarList list(kPortTable, c.kind, 2);
        list.Item(c.index).Flags = c.flags;
        EXPECT_EQ(list.IsRead(c.index), c.read);
        EXPECT_EQ(list.IsSettable(c.index), c.settable);
        EXPECT_EQ(list.IsListColumn(c.index), c.listColumn);
        EXPECT_EQ(list.IsHiddenColumn(c.index), c.hidden);
        EXPECT_EQ(list.IsImplied(c.index), c.implied);
    }
}

TEST(SNMPVarList, ColumnCounts) {
    KvSNMPVarList list(kPortTable, KvSNMPVarList::kTable, 2);
    // Keys 0,1 and the readable 2,3 and the list-show 5 are columns; 4 is
    // write-only and 6 list-hide, both hidden.
    EXPECT_EQ(list.ListColumnCount(), 5);
    EXPECT_EQ(list.HiddenColumnCount(), 2);
    list.Item(2).Flags |= vfExcluded;
    EXPECT_EQ(list.ListColumnCount(), 4);
    EXPECT_EQ(list.HiddenColumnCount(), 3);
    EXPECT_THROW(list.IsRead(7), KvException);
}

TEST(SNMPVarList, KnownSyntaxCodes) {
    for (uint32_t code : {1u, 2u, 3u, 4u, 5u, 6u, 64u, 65u, 66u, 67u, 68u, 69u, 70u, 71u, 72u, 73u, 74u, 75u, 76u,
                          77u, 193u, 194u, 195u, 196u, 197u, 198u})
        EXPECT_TRUE(IsKnownSyntax(code)) << code;
    for (uint32_t code : {0u, 7u, 63u, 78u, 192u, 199u, 0xFFFFFFFFu}) EXPECT_FALSE(IsKnownSyntax(code)) << code;
}

} // namespace
