#pragma once

#include <cstddef>

namespace kelvane {

// When changes are pending and which of Apply, Revert, Copy and Paste are enabled: one row per
// event, read as a table. Every cell is either left as it is or set from the facts of the
// moment.
enum class ChangeEvent
{
    StartUp,
    ClearDisplay,   // back to the no-file state
    ShowAttributes, // a block was put into the controls
    LoadArmed,      // a load found a wrong checksum or inserted the block
    UserChange,     // the user changed one of the five controls
    Copy,
    Paste,
    Revert,
    ApplyInvalid, // Apply: a value did not validate
    ApplyValid,   // Apply: the values validated (written next, or nothing changed)
    Written,      // a save succeeded, from Apply or from the save question
    NotWritten,   // Save-as cancelled or the write failed: the edits stay pending
};

enum class Cell
{
    Keep,
    Off,
    On,
    IfChanged,           // = changes pending (after this row's own change column)
    IfWritable,          // the file may be written back
    IfWritableAndEdited, // ... and the shown block differs from the saved one
    IfDiffersFromFile,   // the shown block differs from the one the file held
    IfCopyAndBlock,      // a valid copy exists and a block is shown
};

struct Facts
{
    bool writable = false;
    bool editDiffersFromSaved = false;
    bool editDiffersFromFile = false;
    bool copyValid = false;
    bool blockShown = false;
};

struct Tracking
{
    bool dataChanged = false;
    bool apply = false;
    bool revert = false;
    bool copy = false;
    bool paste = false;

    friend bool operator==(const Tracking &, const Tracking &) = default;
};

struct TrackingRow
{
    ChangeEvent event;
    Cell dataChanged;
    Cell apply;
    Cell revert;
    Cell copy;
    Cell paste;
};

// The table, in the order of ChangeEvent.
inline constexpr TrackingRow kTrackingTable[] = {
    // event                       changes pending          Apply            Revert
    //                             Copy        Paste
    {ChangeEvent::StartUp, Cell::Off, Cell::Off, Cell::Off, Cell::Off, Cell::Off},
    {ChangeEvent::ClearDisplay, Cell::Off, Cell::Off, Cell::Off, Cell::Off, Cell::Off},
    {ChangeEvent::ShowAttributes, Cell::Keep, Cell::Keep, Cell::Keep, Cell::On,
     Cell::IfCopyAndBlock},
    {ChangeEvent::LoadArmed, Cell::On, Cell::On, Cell::Keep, Cell::Keep, Cell::Keep},
    {ChangeEvent::UserChange, Cell::IfWritable, Cell::IfChanged, Cell::IfChanged, Cell::Keep,
     Cell::Keep},
    {ChangeEvent::Copy, Cell::Keep, Cell::Keep, Cell::Keep, Cell::Keep, Cell::IfCopyAndBlock},
    {ChangeEvent::Paste, Cell::IfWritableAndEdited, Cell::IfChanged, Cell::IfDiffersFromFile,
     Cell::On, Cell::Keep},
    {ChangeEvent::Revert, Cell::IfWritableAndEdited, Cell::IfChanged, Cell::Off, Cell::On,
     Cell::Keep},
    {ChangeEvent::ApplyInvalid, Cell::Keep, Cell::Keep, Cell::Keep, Cell::Keep, Cell::Keep},
    {ChangeEvent::ApplyValid, Cell::Off, Cell::Keep, Cell::Keep, Cell::Keep, Cell::Keep},
    {ChangeEvent::Written, Cell::Keep, Cell::Off, Cell::Keep, Cell::Keep, Cell::Keep},
    {ChangeEvent::NotWritten, Cell::IfWritable, Cell::Keep, Cell::Keep, Cell::Keep, Cell::Keep},
};

// The state after `event`, from the state before it and the facts of the moment.
[[nodiscard]] Tracking track(ChangeEvent event, const Tracking &before, const Facts &facts);

} // namespace kelvane
