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
// While a list or the self-test runs, however it was started, the main
// window's data buttons are off, so nothing can start another one.
void ConnectToMain(FrmData& data, FrmMain& main);

// One of the main window's data buttons: kWindowYearData, kWindowNewYears,
// kWindowMonthStarts, kWindowJcCeNewYears or kWindowTest. A click on the
// main window's CE or JC row since the last one chooses the calendar first.
// Nothing happens while a listing runs.
void OpenFromMain(FrmData& data, FrmMain& main, int window);

}  // namespace tavro
