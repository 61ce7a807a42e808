// The game's own dialogs (the phone call, the advertisement break) stand in
// the middle of the screen while they run modally.
#pragma once

class QDialog;

// Centres the dialog on the primary screen and runs it until it closes.
void execCentred(QDialog& dialog);
