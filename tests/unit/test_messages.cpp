#include "kvmessages.h"
#include <gtest/gtest.h>
TEST(Catalogue, Placeholder) { EXPECT_EQ(CatalogueText(KvCatalogue::Common, 0), "(KvCommon) Ok!"); }
