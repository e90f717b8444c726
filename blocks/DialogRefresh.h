#pragma once

class StateNode;

// Any thread: asks the block's open dialog to redraw. The request (event 1006, id 0)
// goes to the block, which lives in the GUI thread and hands it to the dialog open at
// delivery; nothing is posted while no dialog is open.
void postDialogRefresh(StateNode& block);
