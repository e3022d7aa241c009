// The four discovery reads of the front panel (unit table, port information
// table, module table, RMON state) against the stack description.
#include "simtools.h"

#include <gtest/gtest.h>

#include <QMap>

using namespace kxsimtest;
using kxtest::KxsimAgent;

namespace {

// Column c of a walk of a table with one integer index: index -> varbind.
QMap<qlonglong, Varbind> Column(const SnmpReply& walk, const QString& entry, int column) {
    QMap<qlonglong, Varbind> out;
    const QString prefix = entry + "." + QString::number(column);
    for (const Varbind& v : walk.Under(prefix)) out.insert(v.Oid.mid(prefix.size() + 1).toLongLong(), v);
    return out;
}

QList<qlonglong> Numbers(const QMap<qlonglong, Varbind>& column) {
    QList<qlonglong> out;
    for (const Varbind& v : column) out << v.Number;
    return out;
}

QStringList Texts(const QMap<qlonglong, Varbind>& column) {
    QStringList out;
    for (const Varbind& v : column) out << QString::fromLatin1(v.Bytes);
    return out;
}

QList<int> Sizes(const QMap<qlonglong, Varbind>& column) {
    QList<int> out;
    for (const Varbind& v : column) out << static_cast<int>(v.Bytes.size());
    return out;
}

const char* kStack = R"(# test stack
unit 1
  model KG-7124
  mac 00:11:22:33:44:01
  mode master
  version "3.1"
  prom "p1"
  firmware "f1"
  hardware "h1"
  priority 5
  up 1-3
  active 4

unit 2
  status not-exist

unit 3
  model KX-7026G
  mac 00-11-22-33-44-03
  module KM20X
  module-revision "R9"
  module-serial "S9"
  module-description "test module"
  up 24,26
  active 25

unit 5
  model KX-7050
  mac 00:11:22:33:44:05
  mode backup
)";

TEST(KxsimDiscovery, WalksMatchTheStackFile) {
    KxsimAgent sim({"--stack", WriteTempFile("discovery-stack.txt", kStack), "--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();

    const SnmpReply units = Walk(V2c(), sim, kUnitEntry);
    ASSERT_TRUE(units.Ok()) << units.Output.toStdString();
    EXPECT_EQ(Column(units, kUnitEntry, 1).keys(), QList<qlonglong>({1, 2, 3, 5}));
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 2)), QList<qlonglong>({1, 0, 1, 1}));  // exist / not-exist
    EXPECT_EQ(Column(units, kUnitEntry, 3).value(3).Bytes, QByteArray::fromHex("001122334403"));
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 4)), QList<qlonglong>({1, 0, 129, 257}));
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 5)), QList<qlonglong>({24, 0, 26, 48}));
    // LED strings: 4 system octets, 2 per port (module room included), 2 per slot LED.
    EXPECT_EQ(Sizes(Column(units, kUnitEntry, 6)), QList<int>({4 + 48 + 4, 0, 4 + 52 + 4, 4 + 100 + 4}));
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 8)), QList<qlonglong>({2, 1, 4, 3}));  // master other slave backup
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 9)), QStringList({"3.1", "", "", ""}));
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 10)), QStringList({"KG-7124", "", "KX-7026G", "KX-7050"}));
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 11)).first(), "p1");
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 12)).first(), "f1");
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 13)).first(), "h1");
    EXPECT_EQ(Column(units, kUnitEntry, 14).value(1).Number, 5);
    EXPECT_TRUE(Column(units, kUnitEntry, 7).isEmpty());

    // One module row per unit row, in the same order; "-" for an empty slot.
    const SnmpReply modules = Walk(V2c(), sim, kModuleEntry);
    ASSERT_TRUE(modules.Ok()) << modules.Output.toStdString();
    EXPECT_EQ(Numbers(Column(modules, kModuleEntry, 1)), QList<qlonglong>({1, 2, 3, 5}));
    EXPECT_EQ(Texts(Column(modules, kModuleEntry, 3)), QStringList({"-", "-", "KM20X", "-"}));
    EXPECT_EQ(Texts(Column(modules, kModuleEntry, 4)), QStringList({"", "", "R9", ""}));
    EXPECT_EQ(Texts(Column(modules, kModuleEntry, 5)), QStringList({"", "", "S9", ""}));
    EXPECT_EQ(Texts(Column(modules, kModuleEntry, 6)), QStringList({"", "", "test module", ""}));

    // Ports: (unit - 1) * 64 + port; module ports only where a module sits.
    const SnmpReply ports = Walk(V2c(), sim, kPortInfoEntry);
    ASSERT_TRUE(ports.Ok()) << ports.Output.toStdString();
    const auto index = Column(ports, kPortInfoEntry, 1);
    ASSERT_EQ(index.size(), 24 + 26 + 48);
    EXPECT_EQ(index.first().Number, 1);
    EXPECT_EQ(index.value(129).Number, 129);
    EXPECT_EQ(index.value(154).Number, 154);
    EXPECT_EQ(index.value(257).Number, 257);
    EXPECT_EQ(index.last().Number, 304);
    const auto unit = Column(ports, kPortInfoEntry, 2);
    EXPECT_EQ(unit.value(24).Number, 1);
    EXPECT_EQ(unit.value(154).Number, 3);
    EXPECT_EQ(unit.value(304).Number, 5);
    const auto type = Column(ports, kPortInfoEntry, 3);
    EXPECT_EQ(type.value(1).Number, 4);    // 1000BASE-T
    EXPECT_EQ(type.value(153).Number, 5);  // module port: 1000BASE-X
    EXPECT_EQ(type.value(257).Number, 2);  // 100BASE-TX
    const auto link = Column(ports, kPortInfoEntry, 4);
    const auto nway = Column(ports, kPortInfoEntry, 5);
    for (int up : {1, 2, 3, 4, 152, 153, 154}) {
        EXPECT_EQ(link.value(up).Number, 2) << "port " << up;  // link-pass
        EXPECT_EQ(nway.value(up).Number, 9) << "port " << up;  // full-1Gigabps
    }
    int upCount = 0;
    for (const Varbind& v : link) upCount += v.Number == 2 ? 1 : 0;
    EXPECT_EQ(upCount, 7);
    EXPECT_EQ(nway.value(5).Number, 3);  // link-down

    // The LED strings show the same links: 4 = link at 1000 Mbit/s, 0x80 = traffic.
    const QByteArray leds1 = Column(units, kUnitEntry, 6).value(1).Bytes;
    const QByteArray leds3 = Column(units, kUnitEntry, 6).value(3).Bytes;
    EXPECT_EQ(QByteArray(leds1.constData() + 4, 8), QByteArray::fromHex("0402040204028402"));
    EXPECT_EQ(leds1.at(4 + 2 * 4), 0);
    EXPECT_EQ(QByteArray(leds3.constData() + 4 + 2 * 23, 6), QByteArray::fromHex("040284020402"));
    EXPECT_EQ(leds3.at(2), 0);              // console
    EXPECT_EQ(leds1.at(1), 2);              // unit 1 is the master
    EXPECT_EQ(leds3.at(1), 0);

    const SnmpReply rmon = Get(V2c(), sim, {kRmonState});
    EXPECT_EQ(rmon.Find(kRmonState)->Number, 3);  // enabled
}

TEST(KxsimDiscovery, DefaultStackIsTheDocumentedOne) {
    KxsimAgent sim({"--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const SnmpReply units = Walk(V2c(), sim, kUnitEntry);
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 2)), QList<qlonglong>({1, 1, 0, 1}));
    EXPECT_EQ(Texts(Column(units, kUnitEntry, 10)), QStringList({"KX-7026G", "KX-7050", "", "KG-7124I"}));
    EXPECT_EQ(Sizes(Column(units, kUnitEntry, 6)), QList<int>({60, 108, 0, 64}));
    const SnmpReply modules = Walk(V2c(), sim, kModuleEntry);
    EXPECT_EQ(Texts(Column(modules, kModuleEntry, 3)), QStringList({"KM20CX", "-", "-", "-"}));
    EXPECT_EQ(Column(Walk(V2c(), sim, kPortInfoEntry), kPortInfoEntry, 1).size(), 26 + 48 + 24);
    EXPECT_EQ(Column(Walk(V2c(), sim, kIfEntry), kIfEntry, 1).size(), 26 + 48 + 24);
}

TEST(KxsimDiscovery, EveryProtocolVersionWalksTheSameTables) {
    KxsimAgent sim({"--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    for (const QString& entry : {kUnitEntry, kPortInfoEntry, kModuleEntry}) {
        const SnmpReply v2c = Walk(V2c(), sim, entry);
        ASSERT_TRUE(v2c.Ok());
        ASSERT_FALSE(v2c.Vars.isEmpty());
        for (const QStringList& credentials : {V1(), V3Md5Des(), V3ShaAes(), V3Reader()}) {
            const SnmpReply other = Walk(credentials, sim, entry);
            ASSERT_EQ(other.Vars.size(), v2c.Vars.size()) << credentials.join(' ').toStdString();
            for (int i = 0; i < v2c.Vars.size(); ++i) {
                EXPECT_EQ(other.Vars[i].Oid, v2c.Vars[i].Oid);
                EXPECT_EQ(other.Vars[i].Text, v2c.Vars[i].Text);
            }
        }
    }
}

TEST(KxsimDiscovery, GeneratedStacksForLoadTests) {
    KxsimAgent sim({"--units", "12", "--still"});
    ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
    const SnmpReply units = Walk(V2c(), sim, kUnitEntry);
    EXPECT_EQ(Numbers(Column(units, kUnitEntry, 2)), QList<qlonglong>(12, 1));
    const auto start = Numbers(Column(units, kUnitEntry, 4));
    ASSERT_EQ(start.size(), 12);
    for (int u = 0; u < 12; ++u) EXPECT_EQ(start[u], u * 64 + 1);

    KxsimAgent tooMany({"--units", "13"}, false);
    EXPECT_FALSE(tooMany.Start());
    EXPECT_TRUE(tooMany.Log().contains("--units")) << tooMany.Log().toStdString();
}

} // namespace
