#include "kvsnmpstatus.h"

#include "kvmessages.h"

KvSnmpCode MapSnmpStatus(int status) {
    KvSnmpCode r;
    if (status == 0 || status == 1400 || status == -1401) r.Code = 0;
    else if (status >= 1 && status <= 18) r.Code = -100 - status;
    else if (status >= -1418 && status <= -1402) r.Code = status + 1201;
    else if (status >= 1401 && status <= 1414) r.Code = 1100 - status;
    else if (status >= -23 && status <= -1) r.Code = status - 400;
    else r.Code = -528;
    r.Message = KvSnmpCodeText(r.Code);
    return r;
}

std::string KvSnmpCodeText(int code) {
    if (code == 0) return CatalogueText(KvCatalogue::DeRIRA, 0);
    if (code <= -101 && code >= -118) return CatalogueText(KvCatalogue::SnmpError, -code - 101);
    if (code <= -201 && code >= -217) return CatalogueText(KvCatalogue::SnmpV3, -code - 201);
    if (code <= -301 && code >= -314) return CatalogueText(KvCatalogue::SnmpUsm, -code - 301);
    if (code <= -401 && code >= -423) return CatalogueText(KvCatalogue::SnmpClass, -code - 401);
    if (code <= -500 && code >= -528) return CatalogueText(KvCatalogue::DeRIRA, -code - 500);
    return CatalogueText(KvCatalogue::DeRIRA, 28);
}
