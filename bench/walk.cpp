// Table walk rates against the simulator with a 12-unit stack: the port
// information table read row by row with all columns in each get-next.
//   raw:   a plain Net-SNMP client doing the same get-next loop (the floor)
//   sync:  KvSNMPRequest::GetRow
//   async: KvSNMPRequest::GetRowAsync chained through the event pump
// Prints rows per second for each, the ratios to the raw client and, last,
//   RESULT walk_async_ratio <async rows/s / raw rows/s>
#include "kvsnmprequest.h"
#include "kvsnmpsession.h"
#include "kxtestagents.h"

#include "rawclient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

const char* kPortTable = "1.3.6.1.4.1.99402.11.59.7.2.3.1.1";
const _SNMPVar_s kPortVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.1", "Index", synInteger, vfKey | vfRead},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.2", "Unit Index", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.3", "Port Type", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.4", "Link Status", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.5", "Nway Status", synInteger, vfReadOnly},
    {},
};

struct Rate {
    int rows = 0;
    double seconds = 0;
    double PerSecond() const { return seconds > 0 ? rows / seconds : 0; }
};

// The reference: one Net-SNMP session, blocking get-next of all five
// columns until every column has left the table.
Rate RawWalk(int port) {
    Rate rate;
    void* sp = rawclient::OpenSession(port);
    if (!sp) return rate;
    QElapsedTimer t;
    t.start();
    rate.rows = rawclient::WalkTable(sp, kPortTable, {1, 2, 3, 4, 5});
    rate.seconds = t.nsecsElapsed() / 1e9;
    snmp_sess_close(sp);
    return rate;
}

std::unique_ptr<KvSNMPRequest> NewRequest() {
    auto r = std::make_unique<KvSNMPRequest>();
    r->VarList.Assign(KvSNMPVarList(kPortVars, KvSNMPVarList::kTable, 1));
    return r;
}

Rate SyncWalk() {
    auto r = NewRequest();
    Rate rate;
    QElapsedTimer t;
    t.start();
    for (bool more = r->GetRow(true); more; more = r->GetRow(false)) ++rate.rows;
    rate.seconds = t.nsecsElapsed() / 1e9;
    return rate;
}

Rate AsyncWalk() {
    auto r = NewRequest();
    Rate rate;
    QEventLoop loop;
    KvSNMPCompletion next = [&](void*, const KvSNMPError& e, KvSNMPVarList&) {
        if (e.Code == 0 && !e.Done) {
            ++rate.rows;
            r->GetRowAsync(next, nullptr, false);
        } else {
            if (e.Code) std::fprintf(stderr, "async walk: %s\n", e.Message.c_str());
            loop.quit();
        }
    };
    QElapsedTimer t;
    t.start();
    r->GetRowAsync(next, nullptr, true);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    rate.seconds = t.nsecsElapsed() / 1e9;
    return rate;
}

// Several walks in a row make one measurement.
template <typename F>
Rate Repeat(F walk, int walks) {
    Rate total;
    for (int i = 0; i < walks; ++i) {
        Rate r = walk();
        total.rows += r.rows;
        total.seconds += r.seconds;
    }
    return total;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int walksPerRound = 5;

    QTemporaryDir dir;
    InitGlobalSession(dir.path().toStdString());

    const int port = kxtest::FreeUdpPort();
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QString(KX_BIN_DIR) + "/kxsim", {"--port", QString::number(port), "--units", "12"});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(10000) ||
        !QString::fromLocal8Bit(sim.readLine()).startsWith("kxsim: listening")) {
        std::fprintf(stderr, "kxsim did not start\n");
        return 1;
    }
    KvSNMPDevice.Address = "127.0.0.1";
    KvSNMPDevice.Port = static_cast<uint16_t>(port);
    KvSNMPSecurity.Version = 1;
    KvSNMPSecurity.ReadCommunity = "public";

    // Rounds of raw, sync and async in turn, so that the three share the
    // machine's ups and downs; medians of rates and of per-round ratios.
    Repeat([&] { return RawWalk(port); }, 2); // warm-up
    Repeat(SyncWalk, 1);
    Repeat(AsyncWalk, 1);
    std::vector<double> raw, sync, async, syncRatio, asyncRatio;
    int rows[3] = {0, 0, 0};
    for (int round = 0; round < rounds; ++round) {
        const Rate r = Repeat([&] { return RawWalk(port); }, walksPerRound);
        const Rate s = Repeat(SyncWalk, walksPerRound);
        const Rate a = Repeat(AsyncWalk, walksPerRound);
        rows[0] = r.rows / walksPerRound;
        rows[1] = s.rows / walksPerRound;
        rows[2] = a.rows / walksPerRound;
        raw.push_back(r.PerSecond());
        sync.push_back(s.PerSecond());
        async.push_back(a.PerSecond());
        syncRatio.push_back(s.PerSecond() / r.PerSecond());
        asyncRatio.push_back(a.PerSecond() / r.PerSecond());
    }
    sim.terminate();
    sim.waitForFinished(3000);

    std::printf("port information table, kxsim --units 12 (%d rows), v2c, 5 columns per get-next\n", rows[0]);
    std::printf("%d rounds of %d walks each; medians\n", rounds, walksPerRound);
    std::printf("raw Net-SNMP client:  %8.0f rows/s\n", Median(raw));
    std::printf("framework sync walk:  %8.0f rows/s  (%.2f of raw)\n", Median(sync), Median(syncRatio));
    std::printf("framework async walk: %8.0f rows/s  (%.2f of raw)\n", Median(async), Median(asyncRatio));
    if (rows[0] != rows[1] || rows[0] != rows[2])
        std::printf("warning: row counts differ (%d, %d, %d)\n", rows[0], rows[1], rows[2]);
    std::printf("RESULT walk_raw_rows_per_s %.0f\n", Median(raw));
    std::printf("RESULT walk_sync_rows_per_s %.0f\n", Median(sync));
    std::printf("RESULT walk_async_rows_per_s %.0f\n", Median(async));
    std::printf("RESULT walk_sync_ratio %.2f\n", Median(syncRatio));
    std::printf("RESULT walk_async_ratio %.2f\n", Median(asyncRatio));
    return 0;
}
