#pragma once
// One variable binding as the framework sees it: an OID and a typed value.
// This is our own type; the engine adapter converts it to and from the SNMP
// library's representation, so nothing else depends on the library.
#include <cstdint>
#include <string>

// ASN.1/BER tags of the values that travel in a PDU.
enum KvSmiType : uint8_t {
    kvSmiInteger = 0x02,
    kvSmiOctetString = 0x04,
    kvSmiNull = 0x05,
    kvSmiObjectId = 0x06,
    kvSmiIpAddress = 0x40,
    kvSmiCounter32 = 0x41,
    kvSmiGauge32 = 0x42,      // also Unsigned32 / UInteger32 on the wire
    kvSmiTimeTicks = 0x43,
    kvSmiOpaque = 0x44,
    kvSmiCounter64 = 0x46,
    kvSmiUInteger32 = 0x47,   // SNMPv1-era UInteger32 tag
    kvSmiNoSuchObject = 0x80, // SNMPv2 exception values (responses only)
    kvSmiNoSuchInstance = 0x81,
    kvSmiEndOfMibView = 0x82,
};

struct KvVarbind {
    std::string Oid;              // dotted decimal, no leading dot
    uint8_t Type = kvSmiNull;     // a KvSmiType
    int64_t Integer = 0;          // INTEGER (signed 32) and the unsigned 32-bit types
    uint64_t Counter64 = 0;       // Counter64
    std::string Octets;           // OCTET STRING, Opaque, IpAddress (4 octets): raw bytes
    std::string ObjectId;         // OBJECT IDENTIFIER value, dotted decimal

    bool IsException() const {
        return Type == kvSmiNoSuchObject || Type == kvSmiNoSuchInstance || Type == kvSmiEndOfMibView;
    }
};
