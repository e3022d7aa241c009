#include "switchmodel.h"

#include <cstdio>

namespace kxsim {

namespace {

constexpr double kTrafficChance = 0.5;  // per tick, for ports with traffic
constexpr int kFlapMinTicks = 2, kFlapMaxTicks = 6;

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string s = "0x";
    for (unsigned char c : bytes) {
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

} // namespace

SwitchModel::SwitchModel(StackSpec stack, ModelSettings settings)
    : stack_(std::move(stack)), settings_(std::move(settings)), random_(settings_.Seed),
      start_(std::chrono::steady_clock::now()) {
    for (size_t u = 0; u < stack_.Units.size(); ++u) {
        const UnitSpec& unit = stack_.Units[u];
        if (!unit.Exists) continue;
        for (int p = 1; p <= unit.PortCount(); ++p) {
            Port port;
            port.Unit = static_cast<int>(u);
            port.Local = p;
            port.Index = (unit.Number - 1) * kPortsPerUnit + p;
            port.Module = p > unit.Ports;
            port.Mode = unit.PortModes[p - 1];
            port.Link = port.Mode != PortMode::Down;
            port.Blink = port.Mode == PortMode::Active || port.Mode == PortMode::Flap;
            ports_.push_back(port);
        }
    }
    std::uniform_int_distribution<int> flapAfter(kFlapMinTicks, kFlapMaxTicks);
    for (Port& port : ports_) {
        if (port.Mode == PortMode::Flap) port.NextFlap = static_cast<uint64_t>(flapAfter(random_));
    }
}

uint32_t SwitchModel::Uptime() const {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10);
}

void SwitchModel::Tick() {
    if (settings_.Still) return;
    ++ticks_;
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<uint64_t> burst(2000, 200000);
    std::uniform_int_distribution<int> flapAfter(kFlapMinTicks, kFlapMaxTicks);
    for (Port& port : ports_) {
        if (port.Mode == PortMode::Flap && ticks_ >= port.NextFlap) {
            port.Link = !port.Link;
            port.LastChange = Uptime();
            port.NextFlap = ticks_ + static_cast<uint64_t>(flapAfter(random_));
        }
        const bool busy = port.Mode == PortMode::Active || port.Mode == PortMode::Flap;
        port.Blink = busy && port.Link && chance(random_) < kTrafficChance;
        if (!LinkUp(port)) {
            port.Blink = false;
            continue;
        }
        if (port.Blink) {
            const uint64_t in = burst(random_), out = burst(random_);
            port.InOctets += in;
            port.OutOctets += out;
            port.InUcast += in / 500;
            port.OutUcast += out / 500;
            port.InMcast += in / 20000;
            port.OutMcast += out / 20000;
        }
        port.InBcast += 1;
        port.OutBcast += 1;
    }
}

bool SwitchModel::LinkUp(const Port& port) const {
    if (!port.Link) return false;
    if (engine_) {
        const Oid index{static_cast<oid>(port.Index)};
        std::string label;
        if (engine_->ReadColumn("swL2PortCtrlAdminState", index, &label) && label == "disabled") return false;
        if (engine_->ReadColumn("ifAdminStatus", index, &label) && label == "down") return false;
    }
    return true;
}

int SwitchModel::SpeedMbps(const Port& port) const {
    const UnitSpec& unit = stack_.Units[port.Unit];
    return port.Module ? unit.ModuleSpeed : unit.Speed;
}

const SwitchModel::Port* SwitchModel::FindPort(int unitPos, int local) const {
    for (const Port& p : ports_)
        if (p.Unit == unitPos && p.Local == local) return &p;
    return nullptr;
}

std::string SwitchModel::LedOctets(const UnitSpec& unit) const {
    if (!unit.Exists) return {};
    const int unitPos = static_cast<int>(&unit - stack_.Units.data());
    const int portRoom = unit.Ports + unit.ModulePorts;
    std::string leds(static_cast<size_t>(4 + 2 * portRoom + 2 * unit.SlotLeds), '\0');
    leds[0] = 2;
    leds[1] = unit.Mode == "master" ? 2 : 0;
    leds[2] = 0;
    leds[3] = unit.RedundantPower ? 2 : 0;
    for (int p = 1; p <= unit.PortCount(); ++p) {
        const Port* port = FindPort(unitPos, p);
        if (!port || !LinkUp(*port)) continue;
        const unsigned char colour = SpeedMbps(*port) >= 1000 ? 4 : 2;
        leds[static_cast<size_t>(4 + 2 * (p - 1))] = static_cast<char>(colour | (port->Blink ? 0x80 : 0));
        leds[static_cast<size_t>(5 + 2 * (p - 1))] = 2;  // full duplex
    }
    int existing = 0;
    for (const UnitSpec& u : stack_.Units) existing += u.Exists ? 1 : 0;
    for (int s = 0; s < unit.SlotLeds; ++s)
        leds[static_cast<size_t>(4 + 2 * portRoom + 2 * s)] = existing > 1 ? 2 : 0;
    if (settings_.ShortLed && leds.size() > static_cast<size_t>(unit.Ports)) leds.resize(static_cast<size_t>(unit.Ports));
    return leds;
}

int SwitchModel::SourceRows(const std::string& source) const {
    if (source == "units" || source == "modules") return static_cast<int>(stack_.Units.size());
    if (source == "ports") return static_cast<int>(ports_.size());
    return -1;
}

// Names:
//   any row:  community.read community.write engine.id stack.units stack.ports
//             stack.ports-in-use
//   units:    unit unit.status unit.mac unit.start-port unit.port-range unit.leds
//             unit.mode unit.version unit.model unit.prom unit.firmware
//             unit.hardware unit.priority
//   modules:  module.unit module.slot module.name module.revision module.serial
//             module.description
//   ports:    port port.unit port.number port.type port.link port.nway port.oper
//             port.speed port.high-speed port.descr port.name port.mac
//             port.last-change port.{in,out}-{octets,ucast,mcast,bcast} and the
//             same with hc- (64-bit); also the unit.* names of the port's unit
bool SwitchModel::Resolve(const std::string& source, int row, const std::string& name, std::string* text) const {
    if (source.empty()) {
        if (name == "community.read") *text = settings_.ReadCommunity;
        else if (name == "community.write") *text = settings_.WriteCommunity;
        else if (name == "engine.id") *text = settings_.EngineIdHex;
        else if (name == "stack.units") *text = std::to_string(stack_.Units.size());
        else if (name == "stack.ports") *text = std::to_string(ports_.size());
        else if (name == "stack.ports-in-use") {
            int up = 0;
            for (const Port& p : ports_) up += LinkUp(p) ? 1 : 0;
            *text = std::to_string(up);
        } else return false;
        return true;
    }
    if (source == "units" || source == "modules") {
        if (row < 0 || row >= static_cast<int>(stack_.Units.size())) return false;
        const UnitSpec& u = stack_.Units[static_cast<size_t>(row)];
        if (source == "modules" && name.rfind("module.", 0) == 0) {
            const bool has = u.Exists && u.HasModule();
            if (name == "module.unit") *text = std::to_string(u.Number);
            else if (name == "module.slot") *text = "1";
            else if (name == "module.name") *text = has ? u.Module : "-";
            else if (name == "module.revision") *text = has ? u.ModuleRevision : "";
            else if (name == "module.serial") *text = has ? u.ModuleSerial : "";
            else if (name == "module.description") *text = has ? u.ModuleDescription : "";
            else return false;
            return true;
        }
        if (name == "unit") *text = std::to_string(u.Number);
        else if (name == "unit.status") *text = u.Exists ? "exist" : "not-exist";
        else if (name == "unit.mac") *text = u.Mac;
        else if (name == "unit.start-port") *text = std::to_string(u.Exists ? u.StartPort : 0);
        else if (name == "unit.port-range") *text = std::to_string(u.PortCount());
        else if (name == "unit.leds") *text = Hex(LedOctets(u));
        else if (name == "unit.mode") *text = u.Exists ? u.Mode : "other";
        else if (name == "unit.version") *text = u.Version;
        else if (name == "unit.model") *text = u.Exists ? u.Model : "";
        else if (name == "unit.prom") *text = u.Prom;
        else if (name == "unit.firmware") *text = u.Firmware;
        else if (name == "unit.hardware") *text = u.Hardware;
        else if (name == "unit.priority") *text = std::to_string(u.Priority);
        else return false;
        return true;
    }
    if (source != "ports" || row < 0 || row >= static_cast<int>(ports_.size())) return false;
    const Port& p = ports_[static_cast<size_t>(row)];
    if (name.rfind("unit", 0) == 0) return Resolve("units", p.Unit, name, text);
    const UnitSpec& u = stack_.Units[static_cast<size_t>(p.Unit)];
    const bool up = LinkUp(p);
    const int mbps = SpeedMbps(p);
    auto counter = [&](uint64_t v, bool hc) { *text = std::to_string(hc ? v : (v & 0xFFFFFFFFull)); };
    const bool hc = name.rfind("port.hc-", 0) == 0;
    const std::string plain = hc ? "port." + name.substr(8) : name;
    if (name == "port") *text = std::to_string(p.Index);
    else if (name == "port.unit") *text = std::to_string(u.Number);
    else if (name == "port.number") *text = std::to_string(p.Local);
    else if (name == "port.type") *text = p.Module ? u.ModulePortType : u.PortType;
    else if (name == "port.link") *text = up ? "link-pass" : "link-fail";
    else if (name == "port.nway") *text = !up ? "link-down" : mbps >= 1000 ? "full-1Gigabps" : "full-100Mbps";
    else if (name == "port.oper") *text = up ? "up" : "down";
    else if (name == "port.speed") *text = std::to_string(static_cast<uint64_t>(mbps) * 1000000ull > 0xFFFFFFFFull
                                                              ? 0xFFFFFFFFull
                                                              : static_cast<uint64_t>(mbps) * 1000000ull);
    else if (name == "port.high-speed") *text = std::to_string(mbps);
    else if (name == "port.descr")
        *text = u.Model + " Port " + std::to_string(u.Number) + ":" + std::to_string(p.Local);
    else if (name == "port.name") *text = std::to_string(u.Number) + ":" + std::to_string(p.Local);
    else if (name == "port.mac") {
        unsigned b[6] = {};
        if (std::sscanf(u.Mac.c_str(), "%x%*c%x%*c%x%*c%x%*c%x%*c%x", &b[0], &b[1], &b[2], &b[3], &b[4], &b[5]) != 6)
            return false;
        char mac[32];
        std::snprintf(mac, sizeof mac, "%02X:%02X:%02X:%02X:%02X:%02X", b[0] & 255, b[1] & 255, b[2] & 255,
                      b[3] & 255, b[4] & 255, (b[5] + static_cast<unsigned>(p.Local)) & 255);
        *text = mac;
    } else if (name == "port.last-change") *text = std::to_string(p.LastChange);
    else if (plain == "port.in-octets") counter(p.InOctets, hc);
    else if (plain == "port.out-octets") counter(p.OutOctets, hc);
    else if (plain == "port.in-ucast") counter(p.InUcast, hc);
    else if (plain == "port.out-ucast") counter(p.OutUcast, hc);
    else if (plain == "port.in-mcast") counter(p.InMcast, hc);
    else if (plain == "port.out-mcast") counter(p.OutMcast, hc);
    else if (plain == "port.in-bcast") counter(p.InBcast, hc);
    else if (plain == "port.out-bcast") counter(p.OutBcast, hc);
    else return false;
    return true;
}

} // namespace kxsim
