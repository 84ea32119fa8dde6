#pragma once

namespace Module1 {
// Start-up: create and show the main window, then lay out the first game.
void Main();
} // namespace Module1
