#pragma once
// Shows the About dialog modally, making it first if it was not yet; nothing when it cannot be
// made.
void ShowAboutDialog();
