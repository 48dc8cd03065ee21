// The about box.
#include "identity/AboutBox.h"

namespace qs {

void ShowAboutBox() {}

}  // namespace qs
