// The about box.
#pragma once

namespace qs {
// Shows the plug-in's name, version and maker, with a warning when the host is too old;
// returns when the user has closed the box.
void ShowAboutBox();
}
