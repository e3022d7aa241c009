#include "stack.h"

#include "textfile.h"
#include "value.h"

#include <cstdio>
#include <map>

namespace kxsim {

const UnitModel* Models::FindUnit(const std::string& name) const {
    for (const UnitModel& m : Units)
        if (m.Name == name) return &m;
    return nullptr;
}

const ModuleModel* Models::FindModule(const std::string& name) const {
    for (const ModuleModel& m : Modules)
        if (m.Name == name) return &m;
    return nullptr;
}

namespace {

bool SplitKeyValue(const std::string& token, std::string* key, std::string* value) {
    size_t eq = token.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    *key = token.substr(0, eq);
    *value = Unquote(token.substr(eq + 1));
    return true;
}

bool ParseInt(const std::string& text, int low, int high, int* value) {
    long long v = 0;
    if (!ParseLong(text, &v) || v < low || v > high) return false;
    *value = static_cast<int>(v);
    return true;
}

} // namespace

bool LoadModels(const std::string& path, Models* models, std::string* error) {
    std::vector<TextLine> lines;
    if (!ReadTextLines(path, &lines, error)) return false;
    for (const TextLine& line : lines) {
        const auto& t = line.Tokens;
        auto fail = [&](const std::string& why) {
            *error = path + ":" + std::to_string(line.Number) + ": " + why;
            return false;
        };
        if (t.size() < 2 || (t[0] != "unit" && t[0] != "module")) return fail("'unit NAME ...' or 'module NAME ...'");
        if (t[0] == "unit") {
            UnitModel m;
            m.Name = Unquote(t[1]);
            for (size_t i = 2; i < t.size(); ++i) {
                std::string key, value;
                if (!SplitKeyValue(t[i], &key, &value)) return fail("key=value expected: " + t[i]);
                bool ok = true;
                if (key == "ports") ok = ParseInt(value, 1, kPortsPerUnit, &m.Ports);
                else if (key == "module-ports") ok = ParseInt(value, 0, 8, &m.ModulePorts);
                else if (key == "slot-leds") ok = ParseInt(value, 0, 16, &m.SlotLeds);
                else if (key == "speed") ok = ParseInt(value, 10, 100000, &m.Speed);
                else if (key == "port-type") m.PortType = value;
                else return fail("unknown key " + key);
                if (!ok) return fail("bad value for " + key);
            }
            if (m.Ports == 0) return fail("unit model " + m.Name + " needs ports=N");
            if (m.Ports + m.ModulePorts > kPortsPerUnit) return fail("more than 64 ports");
            models->Units.push_back(m);
        } else {
            ModuleModel m;
            m.Name = Unquote(t[1]);
            for (size_t i = 2; i < t.size(); ++i) {
                std::string key, value;
                if (!SplitKeyValue(t[i], &key, &value)) return fail("key=value expected: " + t[i]);
                if (key == "speed") {
                    if (!ParseInt(value, 10, 100000, &m.Speed)) return fail("bad speed");
                } else if (key == "port-type") m.PortType = value;
                else if (key == "description") m.Description = value;
                else return fail("unknown key " + key);
            }
            models->Modules.push_back(m);
        }
    }
    return true;
}

namespace {

// Fills what the model says and what was not given explicitly.
bool CompleteUnit(UnitSpec* u, const Models& models, bool portsGiven, const std::string& where, std::string* error) {
    if (u->StartPort == 0) u->StartPort = (u->Number - 1) * kPortsPerUnit + 1;
    if (!u->Exists) {
        u->Ports = 0;
        u->ModulePorts = 0;
        u->PortModes.clear();
        return true;
    }
    const UnitModel* m = models.FindUnit(u->Model);
    if (m) {
        if (!portsGiven) u->Ports = m->Ports;
        u->ModulePorts = m->ModulePorts;
        u->SlotLeds = m->SlotLeds;
        u->Speed = m->Speed;
        u->PortType = m->PortType;
    } else if (!portsGiven) {
        *error = where + ": unit " + std::to_string(u->Number) + ": model '" + u->Model +
                 "' is not in models.txt; give 'ports N'";
        return false;
    }
    if (u->Module != "-") {
        const ModuleModel* mm = models.FindModule(u->Module);
        if (mm) {
            u->ModuleSpeed = mm->Speed;
            u->ModulePortType = mm->PortType;
            if (u->ModuleDescription.empty()) u->ModuleDescription = mm->Description;
        }
        if (u->ModulePortType.empty()) u->ModulePortType = u->PortType;
    }
    if (u->Ports + u->ModulePorts > kPortsPerUnit) {
        *error = where + ": unit " + std::to_string(u->Number) + " has more than 64 ports";
        return false;
    }
    u->PortModes.resize(u->Ports + u->ModulePorts, PortMode::Down);
    return true;
}

} // namespace

bool LoadStack(const std::string& path, const Models& models, StackSpec* stack, std::string* error) {
    std::vector<TextLine> lines;
    if (!ReadTextLines(path, &lines, error)) return false;
    stack->Units.clear();
    struct Pending {
        std::vector<std::pair<std::vector<int>, PortMode>> Links;
        bool PortsGiven = false;
        int Line = 0;
    };
    std::vector<Pending> pending;
    for (const TextLine& line : lines) {
        const auto& t = line.Tokens;
        auto fail = [&](const std::string& why) {
            *error = path + ":" + std::to_string(line.Number) + ": " + why;
            return false;
        };
        const std::string& key = t[0];
        if (key == "unit") {
            int number = 0;
            if (t.size() != 2 || !ParseInt(t[1], 1, kMaxUnits, &number)) return fail("unit N (1..12)");
            for (const UnitSpec& u : stack->Units)
                if (u.Number == number) return fail("unit " + t[1] + " appears twice");
            UnitSpec u;
            u.Number = number;
            stack->Units.push_back(u);
            pending.push_back({});
            pending.back().Line = line.Number;
            continue;
        }
        if (stack->Units.empty()) return fail("'unit N' expected first");
        if (t.size() < 2) return fail(key + " needs a value");
        UnitSpec& u = stack->Units.back();
        Pending& p = pending.back();
        std::string value = Unquote(t[1]);
        for (size_t i = 2; i < t.size(); ++i) value += " " + Unquote(t[i]);
        if (key == "status") {
            if (value != "exist" && value != "not-exist") return fail("status exist|not-exist");
            u.Exists = value == "exist";
        } else if (key == "model") u.Model = value;
        else if (key == "mac") {
            Syntax mac;
            std::string why;
            Value v;
            MakeSyntax("MacAddress", {}, &mac, &why);
            if (!ParseValue(mac, value, &v, &why) || v.Bytes.size() != 6) return fail("mac AA:BB:CC:DD:EE:FF");
            u.Mac = value;
        } else if (key == "start-port") {
            if (!ParseInt(value, 1, kMaxUnits * kPortsPerUnit, &u.StartPort)) return fail("bad start-port");
        } else if (key == "ports") {
            if (!ParseInt(value, 1, kPortsPerUnit, &u.Ports)) return fail("ports 1..64");
            p.PortsGiven = true;
        } else if (key == "mode") {
            if (value != "master" && value != "backup" && value != "slave") return fail("mode master|backup|slave");
            u.Mode = value;
        } else if (key == "version") u.Version = value;
        else if (key == "prom") u.Prom = value;
        else if (key == "firmware") u.Firmware = value;
        else if (key == "hardware") u.Hardware = value;
        else if (key == "priority") {
            if (!ParseInt(value, 0, 63, &u.Priority)) return fail("priority 0..63");
        } else if (key == "redundant-power") {
            if (value != "yes" && value != "no") return fail("redundant-power yes|no");
            u.RedundantPower = value == "yes";
        } else if (key == "module") u.Module = value;
        else if (key == "module-revision") u.ModuleRevision = value;
        else if (key == "module-serial") u.ModuleSerial = value;
        else if (key == "module-description") u.ModuleDescription = value;
        else if (key == "up" || key == "active" || key == "flap") {
            std::vector<int> ports;
            if (!ParseNumberList(value, 1, kPortsPerUnit, &ports)) return fail("port list such as 1-4,7");
            p.Links.emplace_back(ports, key == "up" ? PortMode::Up : key == "active" ? PortMode::Active : PortMode::Flap);
        } else {
            return fail("unknown key '" + key + "'");
        }
    }
    if (stack->Units.empty()) {
        *error = path + ": no units";
        return false;
    }
    for (size_t i = 0; i < stack->Units.size(); ++i) {
        UnitSpec& u = stack->Units[i];
        const std::string where = path + ":" + std::to_string(pending[i].Line);
        if (u.Exists && u.Model.empty()) {
            *error = where + ": unit " + std::to_string(u.Number) + " has no model";
            return false;
        }
        if (!CompleteUnit(&u, models, pending[i].PortsGiven, where, error)) return false;
        for (const auto& [ports, mode] : pending[i].Links) {
            for (int port : ports) {
                if (port > static_cast<int>(u.PortModes.size())) {
                    *error = where + ": unit " + std::to_string(u.Number) + " has no port " + std::to_string(port);
                    return false;
                }
                u.PortModes[port - 1] = mode;
            }
        }
    }
    return true;
}

bool GenerateStack(int units, const Models& models, StackSpec* stack, std::string* error) {
    if (units < 1 || units > kMaxUnits) {
        *error = "--units takes 1 to 12";
        return false;
    }
    if (models.Units.empty()) {
        *error = "no unit models";
        return false;
    }
    stack->Units.clear();
    for (int n = 1; n <= units; ++n) {
        UnitSpec u;
        u.Number = n;
        u.Model = models.Units[(n - 1) % models.Units.size()].Name;
        char mac[32];
        std::snprintf(mac, sizeof mac, "00:50:BA:%02X:%02X:00", 0x70 + n, n);
        u.Mac = mac;
        u.Mode = n == 1 ? "master" : n == 2 ? "backup" : "slave";
        u.Version = "2.00.B0" + std::to_string(10 + n);
        u.Prom = "1.00.003";
        u.Firmware = "2.00.B042";
        u.Hardware = "A1";
        u.Priority = n == 1 ? 32 : 16;
        const UnitModel* m = models.FindUnit(u.Model);
        if (m && m->ModulePorts > 0 && !models.Modules.empty()) {
            u.Module = models.Modules[(n / 2) % models.Modules.size()].Name;
            u.ModuleRevision = "A1";
            u.ModuleSerial = "KM" + std::to_string(100000 + n);
        }
        if (!CompleteUnit(&u, models, false, "--units", error)) return false;
        for (size_t p = 0; p < u.PortModes.size(); ++p) {
            static const PortMode pattern[] = {PortMode::Active, PortMode::Up, PortMode::Active, PortMode::Down};
            u.PortModes[p] = pattern[p % 4];
        }
        if (!u.PortModes.empty()) u.PortModes[u.PortModes.size() / 2] = PortMode::Flap;
        stack->Units.push_back(u);
    }
    return true;
}

} // namespace kxsim
