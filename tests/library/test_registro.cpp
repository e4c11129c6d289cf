#include "QOR_TRVSL10.h"
#include <gtest/gtest.h>
TEST(X, Y) { clsGenVerNodi g; g.CreaNodo("a"); EXPECT_EQ(g.Nodi->Count(), 1); }
