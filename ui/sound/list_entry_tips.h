#pragma once

class QListView;

namespace kelvane {

// An entry that the list's width cuts off shows its whole text as a tooltip.
void showCutEntriesWhole(QListView *list);

} // namespace kelvane
