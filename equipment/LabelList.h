// A fixed list of flowsheet labels; the count of entries in use travels
// beside it, and the procedures that take one work on their own copy.
#pragma once

#include <array>

using LabelList = std::array<int, 20>;
