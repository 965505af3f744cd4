// How the data window reads the main window: its moment and options, and its
// date entry for the test of a typed moment.
#pragma once

#include "app/data/frm_data.h"
#include "app/main/frm_main.h"

namespace tavro {

DataInputs InputsFromMain(const FrmMain& main);

// Connects `data` to `main`: every listing reads the main window's current
// moment and options, and a typed test moment goes through its date entry
// (the text lands in the main window's date box as the user typed it there).
void ConnectToMain(FrmData& data, FrmMain& main);

}  // namespace tavro
