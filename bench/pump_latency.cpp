// Latency of asynchronous requests through the event pump: 1,000 gets sent
// one after another (each from the previous one's callback) to snmpd on
// loopback, once with immediate dispatch on socket readiness and once driven
// by the 20 ms tick alone. Prints the mean per request of both and, last,
//   RESULT pump_speedup <tick-only mean / immediate mean>
#include "kvsnmpsession.h"
#include "kxtestagents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

double MeanLatencyMs(const KvSNMPSessionParams& params, int count, bool immediate) {
    GlobalEventProcessor()->SetImmediateDispatch(immediate);
    const KvSnmpTarget target = params.BuildTarget();
    KvSnmpPdu pdu = params.NewPdu(KvPduType::Get);
    KvVarbind vb;
    vb.Oid = "1.3.6.1.2.1.1.1.0";
    pdu.Varbinds.push_back(vb);

    QEventLoop loop;
    int done = 0, failed = 0;
    std::function<void()> sendNext = [&] {
        int st = GlobalSession->SendAsync(target, pdu, [&](int status, const KvSnmpResponse&) {
            if (status != 0) ++failed;
            if (++done == count) loop.quit();
            else sendNext();
        });
        if (st != 0) {
            ++failed;
            loop.quit();
        }
    };
    QElapsedTimer t;
    t.start();
    QTimer::singleShot(0, sendNext);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit); // never hang
    loop.exec();
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    if (failed || done != count) std::fprintf(stderr, "warning: %d failed, %d of %d done\n", failed, done, count);
    return ms / (done ? done : 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int count = 1000;
    if (argc > 1) count = std::max(1, std::atoi(argv[1]));

    QTemporaryDir dir;
    InitGlobalSession(dir.path().toStdString());
    kxtest::SnmpdAgent agent;
    if (!agent.Running()) {
        std::fprintf(stderr, "snmpd did not start\n");
        return 1;
    }
    KvSNMPSessionParams params;
    params.Address = "127.0.0.1";
    params.Port = static_cast<uint16_t>(agent.Port());
    params.Version = 1;
    params.ReadCommunity = "public";

    MeanLatencyMs(params, 20, true); // warm-up
    const double immediate = MeanLatencyMs(params, count, true);
    const double tickOnly = MeanLatencyMs(params, count, false);
    std::printf("requests per run: %d (v2c get of sysDescr.0, snmpd on 127.0.0.1:%d)\n", count, agent.Port());
    std::printf("immediate dispatch mean: %.3f ms per request\n", immediate);
    std::printf("20 ms tick only mean:    %.3f ms per request\n", tickOnly);
    std::printf("RESULT pump_immediate_ms %.3f\n", immediate);
    std::printf("RESULT pump_tick_only_ms %.3f\n", tickOnly);
    std::printf("RESULT pump_speedup %.1f\n", tickOnly / immediate);
    return 0;
}
