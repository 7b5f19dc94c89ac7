#pragma once

namespace remitor {

class Store;

// Brings tables made by older versions to the current layout: adds the
// fields they lack at their place in the layout, drops fields no longer
// used, widens or narrows texts (longer values are cut, all other values
// kept). Each step is one transaction; a table that does not exist yet is
// skipped. Runs at every start-up after the re-index.
void UpgradeSchema(Store &store);

}  // namespace remitor
