// The about box.
#pragma once

namespace qs {
void ShowAboutBox();
}
