#pragma once
// The reference side of the benchmarks: a plain Net-SNMP client doing what
// the module does, without the module.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <string>
#include <vector>

namespace rawclient {

// A blocking SNMPv2c session to 127.0.0.1:port with community "public";
// null when it cannot be opened. Close with snmp_sess_close.
inline void* OpenSession(int port) {
    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_VERSION_2c;
    std::string peer = "udp:127.0.0.1:" + std::to_string(port);
    s.peername = peer.data();
    static char community[] = "public";
    s.community = reinterpret_cast<u_char*>(community);
    s.community_len = 6;
    s.retries = 1;
    s.timeout = 1000000;
    return snmp_sess_open(&s);
}

// Get-next of all the columns at once until every column has left the
// table; returns the rows read.
inline int WalkTable(void* sp, const char* entry, const std::vector<int>& columns) {
    oid base[MAX_OID_LEN];
    size_t baseLen = MAX_OID_LEN;
    read_objid(entry, base, &baseLen);
    std::vector<std::vector<oid>> next;
    for (int c : columns) {
        next.emplace_back(base, base + baseLen);
        next.back().push_back(static_cast<oid>(c));
    }
    int rows = 0;
    for (;;) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GETNEXT);
        for (auto& o : next) snmp_add_null_var(pdu, o.data(), o.size());
        netsnmp_pdu* response = nullptr;
        if (snmp_sess_synch_response(sp, pdu, &response) != STAT_SUCCESS || !response || response->errstat) {
            if (response) snmp_free_pdu(response);
            break;
        }
        bool any = false;
        size_t c = 0;
        for (auto* v = response->variables; v && c < columns.size(); v = v->next_variable, ++c) {
            if (v->name_length > baseLen + 1 && std::equal(base, base + baseLen, v->name) &&
                v->name[baseLen] == static_cast<oid>(columns[c])) {
                next[c].assign(v->name, v->name + v->name_length);
                any = true;
            }
        }
        snmp_free_pdu(response);
        if (!any) break;
        ++rows;
    }
    return rows;
}

} // namespace rawclient
