#pragma once

namespace kelvora {

// A program installed set-group-ID reads the store's secret with that group,
// then gives the group up for good, before any plugin or library that the
// user's environment could choose is loaded. Nothing where it runs without one.
void giveUpGroupPrivilege();

} // namespace kelvora
