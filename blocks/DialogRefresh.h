#pragma once

class StateNode;

// Asks a block's open dialog to redraw from the cycle thread: posts the dialog update
// event (type 1006, id 0) to it. Nothing happens while the block has no dialog.
void postDialogRefresh(StateNode& block);
