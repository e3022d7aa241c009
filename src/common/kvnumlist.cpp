#include "kvnumlist.h"

#include "kvmessages.h"

void RaiseNumListIndex() { RaiseKvCommon(-12); }

template class KvNumList<int32_t>;
template class KvNumList<uint32_t>;
