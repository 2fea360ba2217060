#pragma once

namespace kelvora {

// Gives the trainer's own widgets their roles for assistive technology: the run
// window a frame, a page a panel, the alert an alert, a picture box a graphic.
// Once per process.
void installAccessibleRoles();

} // namespace kelvora
