#pragma once
// The switch stack kxsim plays: unit models (models.txt) and the stack
// description file (stack.txt).
//
// models.txt, one model per line:
//   unit   NAME ports=N [module-ports=N] [slot-leds=N] [speed=100|1000] [port-type=LABEL]
//   module NAME [speed=100|1000] [port-type=LABEL] [description="..."]
//
// Stack description, one block per unit in stacking order:
//   unit N                  starts the block of unit N (1..12)
//   status exist|not-exist  default exist
//   model NAME              the model name the unit reports ("KX-7026G", ...)
//   mac AA:BB:CC:DD:EE:FF
//   start-port N            first stack-wide port number, default (N-1)*64+1
//   ports N                 front ports, default from the model
//   mode master|backup|slave
//   version TEXT  prom TEXT  firmware TEXT  hardware TEXT
//   priority N
//   redundant-power yes|no
//   module NAME|-           expansion module ("KM20CX", "KM20X" or "-")
//   module-revision TEXT  module-serial TEXT  module-description TEXT
//   up LIST      link up, no traffic        (LIST: 1-4,7,9-12; unit-local port numbers)
//   active LIST  link up with traffic (the LED blinks)
//   flap LIST    link goes up and down
// Ports not listed are down. Module ports follow the front ports (25 and 26
// on a 24-port unit).
#include <string>
#include <vector>

namespace kxsim {

struct UnitModel {
    std::string Name;
    int Ports = 0;
    int ModulePorts = 0;
    int SlotLeds = 2;
    int Speed = 1000;  // Mbit/s of the front ports
    std::string PortType;
};

struct ModuleModel {
    std::string Name;
    int Speed = 1000;
    std::string PortType;
    std::string Description;
};

struct Models {
    std::vector<UnitModel> Units;
    std::vector<ModuleModel> Modules;
    const UnitModel* FindUnit(const std::string& name) const;
    const ModuleModel* FindModule(const std::string& name) const;
};

bool LoadModels(const std::string& path, Models* models, std::string* error);

enum class PortMode { Down, Up, Active, Flap };

struct UnitSpec {
    int Number = 0;
    bool Exists = true;
    std::string Model;
    std::string Mac = "00:00:00:00:00:00";
    int StartPort = 0;
    int Ports = 0;        // front ports
    int ModulePorts = 0;  // module ports the panel has room for
    int SlotLeds = 2;
    int Speed = 1000;
    std::string PortType;
    std::string Mode = "slave";
    std::string Version, Prom, Firmware, Hardware;
    int Priority = 0;
    bool RedundantPower = false;
    std::string Module = "-";
    std::string ModuleRevision, ModuleSerial, ModuleDescription;
    int ModuleSpeed = 1000;
    std::string ModulePortType;
    std::vector<PortMode> PortModes;  // front ports then module ports

    bool HasModule() const { return Module != "-" && ModulePorts > 0; }
    int PortCount() const { return Ports + (HasModule() ? ModulePorts : 0); }
};

struct StackSpec {
    std::vector<UnitSpec> Units;
};

constexpr int kMaxUnits = 12;
constexpr int kPortsPerUnit = 64;

bool LoadStack(const std::string& path, const Models& models, StackSpec* stack, std::string* error);

// A stack of n existing units (1..12) of the known models in turn, for load
// tests.
bool GenerateStack(int units, const Models& models, StackSpec* stack, std::string* error);

} // namespace kxsim
