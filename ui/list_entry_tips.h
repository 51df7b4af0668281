#pragma once

class QListWidget;

namespace kelvane {

// An entry that the list's width cuts off shows its whole text as a tooltip.
void showCutEntriesWhole(QListWidget *list);

} // namespace kelvane
