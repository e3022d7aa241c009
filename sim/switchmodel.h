#pragma once
// The live switch stack: link states, traffic and the front-panel LED octet
// strings, moving on a seeded schedule. It answers the ${...} names of the
// object files (see Resolve for the list).
//
// LED octet string of a unit (swUnitMgmtFrontPanelLedStatus):
//   octet 0 power, 1 master, 2 console, 3 redundant power;
//   two octets per port from octet 4 (port p at 4 + 2(p-1) and 5 + 2(p-1)),
//   room for the module ports after the front ports;
//   then one octet pair per slot/stacking LED.
//   Values: 0 off, 2 link at 10/100 Mbit/s (or on), 4 link at 1000 Mbit/s;
//   bit 0x80 set while the LED blinks (traffic).
#include "mibengine.h"
#include "stack.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kxsim {

struct ModelSettings {
    uint32_t Seed = 1;
    bool Still = false;     // nothing moves
    bool ShortLed = false;  // LED strings only as long as the front port count
    std::string ReadCommunity, WriteCommunity;
    std::string EngineIdHex;  // 0x...
};

class SwitchModel : public TemplateResolver {
public:
    SwitchModel(StackSpec stack, ModelSettings settings);

    // The engine is asked for writable port settings that take a link down
    // (swL2PortCtrlAdminState "disabled", ifAdminStatus "down").
    void SetEngine(const MibEngine* engine) { engine_ = engine; }

    // One step of the schedule (every half second): traffic comes and goes
    // on active ports (each shows traffic on half of the steps, drawn anew
    // every step), flapping ports change their link every 2 to 6 steps.
    void Tick();

    int SourceRows(const std::string& source) const override;
    bool Resolve(const std::string& source, int row, const std::string& name, std::string* text) const override;

    std::string LedOctets(const UnitSpec& unit) const;
    const StackSpec& Stack() const { return stack_; }

private:
    struct Port {
        int Unit = 0;      // position in stack_.Units
        int Local = 0;     // 1-based port number on the unit
        int Index = 0;     // stack-wide port number
        bool Module = false;
        PortMode Mode = PortMode::Down;
        bool Link = false;   // link as scheduled
        bool Blink = false;  // traffic shown right now
        uint32_t LastChange = 0;  // hundredths of a second since start
        uint64_t NextFlap = 0;    // tick at which a flapping link changes next
        uint64_t InOctets = 0, OutOctets = 0, InUcast = 0, OutUcast = 0, InMcast = 0, OutMcast = 0,
                 InBcast = 0, OutBcast = 0;
    };

    bool LinkUp(const Port& port) const;  // scheduled link and not disabled by a SET
    int SpeedMbps(const Port& port) const;
    const Port* FindPort(int unitPos, int local) const;
    uint32_t Uptime() const;

    StackSpec stack_;
    ModelSettings settings_;
    std::vector<Port> ports_;
    std::mt19937 random_;
    uint64_t ticks_ = 0;
    const MibEngine* engine_ = nullptr;
    std::chrono::steady_clock::time_point start_;
};

} // namespace kxsim
