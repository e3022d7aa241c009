#include "options.h"

#include "textfile.h"

#include <arpa/inet.h>
#include <cctype>

#ifndef KXSIM_DATA_DIR
#define KXSIM_DATA_DIR "sim/data"
#endif

namespace kxsim {

std::string Usage() {
    return R"(usage: kxsim [options]

The KX-7026G switch-stack simulator: an SNMP agent on a loopback address.
When it answers it prints "kxsim: listening on udp:ADDRESS:PORT".

Where and what:
  --port N               UDP port (default 16100; 0 takes any free port)
  --listen ADDRESS       loopback address to listen on, 127.0.0.0/8 (default 127.0.0.1)
  --stack FILE           stack description (default DATA/stack.txt)
  --units N              generated stack of N units (1-12) instead of a file
  --data DIR             data directory with models.txt, stack.txt, agent.conf, objects/
  --objects PATH         extra object file, or directory of *.txt object files (repeatable)
  --seed N               seed of the link and LED schedule (default 1)
  --still                links, LEDs and counters do not change
  --state FILE           load earlier writes from FILE and add every write to it
  --state-dir DIR        where the private configuration directory is made
                         (default $TMPDIR or /tmp; removed at exit)
  --verbose              log every request to stderr
  --debug TOKENS         Net-SNMP debug output for these tokens (usm,snmp_agent,...)

Credentials:
  --read-community TEXT  (default public)     --write-community TEXT (default private)
  --md5-user NAME        read-write user, MD5 + DES (default kxmd5des)
  --sha-user NAME        read-write user, SHA + AES (default kxshaaes)
  --reader-user NAME     read-only user, SHA, no privacy (default kxreader)
  --auth-pass TEXT       authentication pass phrase of all users (default kxauthpass)
  --priv-pass TEXT       privacy pass phrase (default kxprivpass)
  --engine-id HEX        SNMP engine ID (default derived from the port)

Faults (all off by default):
  --delay-ms N           answer every request N milliseconds late
  --drop-every N         ignore every Nth request
  --short-led            LED status strings shorter than the unit's port count
  --v1-end-nosuchname    end SNMPv1 walks with noSuchName instead of the next object
  --wrong-type OID       answer OID (and everything under it) with a wrong syntax (repeatable)
)";
}

namespace {

bool ToInt(const std::string& text, long long low, long long high, long long* value) {
    return ParseLong(text, value) && *value >= low && *value <= high;
}

bool IsLoopback(const std::string& address) {
    in_addr a{};
    if (inet_pton(AF_INET, address.c_str(), &a) != 1) return false;
    return (ntohl(a.s_addr) >> 24) == 127;
}

} // namespace

ParseResult ParseOptions(int argc, char** argv, Options* o, std::string* message) {
    o->DataDir = KXSIM_DATA_DIR;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string value;
        bool inlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                inlineValue = true;
            }
        }
        auto need = [&](std::string* out) {
            if (inlineValue) {
                *out = value;
                return true;
            }
            if (i + 1 >= argc) {
                *message = arg + " needs a value";
                return false;
            }
            *out = argv[++i];
            return true;
        };
        auto number = [&](long long low, long long high, long long* out) {
            std::string text;
            if (!need(&text)) return false;
            if (!ToInt(text, low, high, out)) {
                *message = arg + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) +
                           ", not '" + text + "'";
                return false;
            }
            return true;
        };
        auto flag = [&]() {
            if (inlineValue) {
                *message = arg + " takes no value";
                return false;
            }
            return true;
        };
        long long n = 0;
        if (arg == "--help" || arg == "-h") {
            *message = Usage();
            return ParseResult::Help;
        } else if (arg == "--port") {
            if (!number(0, 65535, &n)) return ParseResult::Error;
            o->Port = static_cast<int>(n);
        } else if (arg == "--listen") {
            if (!need(&o->Listen)) return ParseResult::Error;
            if (!IsLoopback(o->Listen)) {
                *message = "--listen takes a loopback address (127.0.0.0/8); kxsim does not listen on '" +
                           o->Listen + "'";
                return ParseResult::Error;
            }
        } else if (arg == "--stack") {
            if (!need(&o->StackFile)) return ParseResult::Error;
        } else if (arg == "--units") {
            if (!number(1, 12, &n)) return ParseResult::Error;
            o->Units = static_cast<int>(n);
        } else if (arg == "--data") {
            if (!need(&o->DataDir)) return ParseResult::Error;
        } else if (arg == "--objects") {
            std::string path;
            if (!need(&path)) return ParseResult::Error;
            o->ObjectPaths.push_back(path);
        } else if (arg == "--seed") {
            if (!number(0, 0xFFFFFFFFll, &n)) return ParseResult::Error;
            o->Seed = static_cast<uint32_t>(n);
        } else if (arg == "--still") {
            if (!flag()) return ParseResult::Error;
            o->Still = true;
        } else if (arg == "--verbose") {
            if (!flag()) return ParseResult::Error;
            o->Verbose = true;
        } else if (arg == "--debug") {
            if (!need(&o->DebugTokens)) return ParseResult::Error;
        } else if (arg == "--state") {
            if (!need(&o->StateFile)) return ParseResult::Error;
        } else if (arg == "--state-dir") {
            if (!need(&o->StateDir)) return ParseResult::Error;
        } else if (arg == "--read-community") {
            if (!need(&o->ReadCommunity)) return ParseResult::Error;
        } else if (arg == "--write-community") {
            if (!need(&o->WriteCommunity)) return ParseResult::Error;
        } else if (arg == "--md5-user") {
            if (!need(&o->Md5User)) return ParseResult::Error;
        } else if (arg == "--sha-user") {
            if (!need(&o->ShaUser)) return ParseResult::Error;
        } else if (arg == "--reader-user") {
            if (!need(&o->ReaderUser)) return ParseResult::Error;
        } else if (arg == "--auth-pass") {
            if (!need(&o->AuthPass)) return ParseResult::Error;
        } else if (arg == "--priv-pass") {
            if (!need(&o->PrivPass)) return ParseResult::Error;
        } else if (arg == "--engine-id") {
            if (!need(&o->EngineId)) return ParseResult::Error;
            std::string hex = o->EngineId;
            if (hex.rfind("0x", 0) == 0 || hex.rfind("0X", 0) == 0) hex = hex.substr(2);
            bool ok = hex.size() >= 10 && hex.size() <= 64 && hex.size() % 2 == 0;
            for (char c : hex) ok = ok && std::isxdigit(static_cast<unsigned char>(c));
            if (!ok) {
                *message = "--engine-id takes 5 to 32 octets in hex";
                return ParseResult::Error;
            }
            o->EngineId = hex;
        } else if (arg == "--delay-ms") {
            if (!number(0, 600000, &n)) return ParseResult::Error;
            o->DelayMs = static_cast<int>(n);
        } else if (arg == "--drop-every") {
            if (!number(0, 1000000, &n)) return ParseResult::Error;
            o->DropEvery = static_cast<int>(n);
        } else if (arg == "--short-led") {
            if (!flag()) return ParseResult::Error;
            o->ShortLed = true;
        } else if (arg == "--v1-end-nosuchname") {
            if (!flag()) return ParseResult::Error;
            o->V1EndNoSuchName = true;
        } else if (arg == "--wrong-type") {
            std::string text;
            Oid id;
            if (!need(&text)) return ParseResult::Error;
            if (!ParseOid(text, &id)) {
                *message = "--wrong-type takes a numeric OID, not '" + text + "'";
                return ParseResult::Error;
            }
            o->WrongType.push_back(id);
        } else {
            *message = "unknown option '" + std::string(argv[i]) + "' (see --help)";
            return ParseResult::Error;
        }
    }
    if (o->StackFile.empty()) o->StackFile = o->DataDir + "/stack.txt";
    for (const std::string* pass : {&o->AuthPass, &o->PrivPass}) {
        if (pass->size() < 8) {
            *message = "pass phrases need at least 8 characters";
            return ParseResult::Error;
        }
    }
    for (const std::string* word : {&o->ReadCommunity, &o->WriteCommunity, &o->Md5User, &o->ShaUser,
                                    &o->ReaderUser, &o->AuthPass, &o->PrivPass}) {
        bool ok = !word->empty();
        for (unsigned char c : *word) ok = ok && c > ' ' && c != '"' && c != '#' && c < 127;
        if (!ok) {
            *message = "communities, user names and pass phrases must be non-empty printable words, not '" +
                       *word + "'";
            return ParseResult::Error;
        }
    }
    return ParseResult::Run;
}

} // namespace kxsim
