// Tells a test whether it runs under Wine, for the few promises only real Windows keeps.
#pragma once

namespace xr::test {

bool RunningUnderWine();

}  // namespace xr::test
