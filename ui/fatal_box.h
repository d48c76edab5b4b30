#pragma once

namespace ui {

// Makes the fatal end show its message in a plain box captioned "Qel Stowix".
void install_fatal_message_box();

}  // namespace ui
