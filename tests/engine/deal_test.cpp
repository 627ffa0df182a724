#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/geometry.h"
#include "tests/engine/fake_windows.h"

namespace pelloric {
namespace {

TEST(Placeholder, Builds) { SUCCEED(); }

}  // namespace
}  // namespace pelloric
