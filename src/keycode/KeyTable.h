// The key table of the keycode dialog and the state it shares with the key capture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeyPointerState.h"
#include "utils/TableView.h"

namespace corvo::keycode {

struct KeyTableEntry {
    const char* name;
    uint32_t code;
    const char* description;  // a message key or an English text; both go through translation
};

using corvo::utils::TableView;

struct KeyRow {
    std::string name;
    uint32_t code = 0;
    std::string description;
    // Set by the capture when the key goes down, cleared when it goes up or has been shown.
    bool down = false;
};

// The 257 constant rows in table order.
TableView<KeyTableEntry> KeyTableEntries();

// Shared by the capture handler and the feedback timer of the open dialog. Only one keycode
// dialog is open at a time (it is application-modal), and both run on the user-interface thread.
std::vector<KeyRow>& KeyTable();
// The keyboard state as last read for the capture: lock toggles and the keys that keep their
// effect; the keys the dialog swallows read up.
platform::KeyboardStateBytes& SharedKeyboardState();

// Empties the table and appends every row with its flag clear.
void FillKeyTable(std::vector<KeyRow>& table);
// The first row with the code, null when the code has no row.
KeyRow* FindRow(std::vector<KeyRow>& table, uint32_t code);

} // namespace corvo::keycode
