// Start-up against the simulator with a 12-unit stack.
//  - wall time from the main window's construction to all twelve panels
//    placed with their first LED reading painted, next to the time a raw
//    Net-SNMP client needs for the same discovery walks (unit, port and
//    module tables, all columns per get-next, and the RMON state);
//  - the module's CPU time over a period of idle LED polling (60 s).
// Ends with
//   RESULT startup_ratio <module time / raw walks time>
//   RESULT idle_cpu_percent <percent of one core>
// Options: --idle-seconds N, --runs N, --screenshot FILE (the main window
// once its LEDs are lit), --units N (0: the default stack).
#include "kvmessagebox.h"
#include "kvsnmprequest2leds.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "tmainform.h"
#include "tpanelform.h"

#include "rawclient.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sys/resource.h>

namespace {

double RawDiscoveryMs(int port) {
    void* sp = rawclient::OpenSession(port);
    if (!sp) return 0;
    QElapsedTimer t;
    t.start();
    rawclient::WalkTable(sp, "1.3.6.1.4.1.99402.12.11.1.9.4.1", {2, 3, 4, 5, 6, 8, 9, 10, 6});
    rawclient::WalkTable(sp, "1.3.6.1.4.1.99402.11.59.7.2.3.1.1", {2, 3, 4, 5});
    rawclient::WalkTable(sp, "1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1", {3, 4, 5, 6});
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    oid rmon[MAX_OID_LEN];
    size_t rmonLen = MAX_OID_LEN;
    read_objid("1.3.6.1.4.1.99402.11.59.7.2.1.2.3.0", rmon, &rmonLen);
    snmp_add_null_var(pdu, rmon, rmonLen);
    netsnmp_pdu* response = nullptr;
    snmp_sess_synch_response(sp, pdu, &response);
    if (response) snmp_free_pdu(response);
    const double ms = t.nsecsElapsed() / 1e6;
    snmp_sess_close(sp);
    return ms;
}

bool AllLit(const TMainForm& form, int units) {
    if (form.UnitPanels.size() < units) return false;
    for (TPanelForm* p : form.UnitPanels)
        if (!p->LedRequest || p->LedRequest->Leds.empty() || p->LedRequest->Leds[0]->Color != 0x00FF00) return false;
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int idleSeconds = 60, runs = 15, units = 12;
    QString screenshot;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--idle-seconds") idleSeconds = args[++i].toInt();
        else if (args[i] == "--runs") runs = std::max(1, args[++i].toInt());
        else if (args[i] == "--screenshot") screenshot = args[++i];
        else if (args[i] == "--units") units = std::clamp(args[++i].toInt(), 0, 12);
    }

    // --units 0: the simulator's default stack (three units and a module).
    kxtest::KxsimAgent sim(units > 0 ? QStringList{"--units", QString::number(units)} : QStringList{});
    if (units == 0) units = 3;
    if (!sim.Running()) {
        std::fprintf(stderr, "kxsim did not start: %s\n", qPrintable(sim.Log()));
        return 1;
    }
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("KX_REGISTRY_INI", (dir.path() + "/registry.ini").toLocal8Bit());
    {
        std::ofstream cfg((dir.path() + "/127.0.0.1.cfg").toStdString());
        cfg << "[Program Information]\nAgentPort=" << sim.Port()
            << "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    }
    KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
    const QStringList params = {"/I127.0.0.1", "/Rpublic", "/Wprivate"};

    // Raw discovery walks (the session is initialised once by a first window).
    std::vector<double> raw, module;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        auto form = std::make_unique<TMainForm>(params);
        form->show();
        while (!AllLit(*form, units) && t.elapsed() < 30000)
            KvProcessMessages(5);
        module.push_back(t.nsecsElapsed() / 1e6);
        if (!AllLit(*form, units)) std::fprintf(stderr, "warning: not every panel lit (%lld panels)\n",
                                                static_cast<long long>(form->UnitPanels.size()));
        if (i == runs - 1 && !screenshot.isEmpty()) form->grab().save(screenshot);
        KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
        form->close();
        form.reset();
        raw.push_back(RawDiscoveryMs(sim.Port()));
    }

    // Idle polling: one window, twelve panels, LEDs polled every 3 s.
    auto form = std::make_unique<TMainForm>(params);
    form->show();
    QElapsedTimer settle;
    settle.start();
    while (!AllLit(*form, units) && settle.elapsed() < 30000)
        KvProcessMessages(5);
    const double cpu0 = CpuSeconds();
    QElapsedTimer idle;
    idle.start();
    {
        QEventLoop loop;
        QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double cpu = CpuSeconds() - cpu0;
    const double wall = idle.nsecsElapsed() / 1e9;
    form->close();
    form.reset();

    const double rawMs = Median(raw), moduleMs = Median(module);
    std::printf("kxsim --units %d, SNMPv2c on loopback, median of %d runs\n", units, runs);
    std::printf("raw discovery walks (units, ports, modules, RMON): %8.1f ms\n", rawMs);
    std::printf("module: start to %d panels lit:                   %8.1f ms\n", units, moduleMs);
    std::printf("idle polling: %.3f s CPU over %.1f s with %d panels\n", cpu, wall, units);
    std::printf("RESULT startup_module_ms %.1f\n", moduleMs);
    std::printf("RESULT startup_raw_ms %.1f\n", rawMs);
    std::printf("RESULT startup_ratio %.2f\n", rawMs > 0 ? moduleMs / rawMs : 0.0);
    std::printf("RESULT idle_cpu_percent %.2f\n", wall > 0 ? 100.0 * cpu / wall : 0.0);
    return 0;
}
