#pragma once
// Shows the About dialog modally, when the program has created it.
void ShowAboutDialog();
