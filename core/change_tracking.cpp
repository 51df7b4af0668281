#include "change_tracking.h"

namespace kelvane {

namespace {

bool cell(Cell rule, bool before, bool changed, const Facts &facts)
{
    switch (rule) {
    case Cell::Keep:
        return before;
    case Cell::Off:
        return false;
    case Cell::On:
        return true;
    case Cell::IfChanged:
        return changed;
    case Cell::IfWritable:
        return facts.writable;
    case Cell::IfWritableAndEdited:
        return facts.writable && facts.editDiffersFromSaved;
    case Cell::IfDiffersFromFile:
        return facts.editDiffersFromFile;
    case Cell::IfCopyAndBlock:
        return facts.copyValid && facts.blockShown;
    }
    return before;
}

} // namespace

Tracking track(ChangeEvent event, const Tracking &before, const Facts &facts)
{
    const TrackingRow &row = kTrackingTable[static_cast<std::size_t>(event)];
    Tracking after;
    after.dataChanged = cell(row.dataChanged, before.dataChanged, before.dataChanged, facts);
    after.apply = cell(row.apply, before.apply, after.dataChanged, facts);
    after.revert = cell(row.revert, before.revert, after.dataChanged, facts);
    after.copy = cell(row.copy, before.copy, after.dataChanged, facts);
    after.paste = cell(row.paste, before.paste, after.dataChanged, facts);
    return after;
}

} // namespace kelvane

namespace kelvane {

// The rows must stand in the order of the events they are looked up by.
static_assert([] {
    std::size_t i = 0;
    for (const TrackingRow &row : kTrackingTable) {
        if (row.event != static_cast<ChangeEvent>(i++))
            return false;
    }
    return i == static_cast<std::size_t>(ChangeEvent::NotWritten) + 1;
}());

} // namespace kelvane
