// Who makes the plug-in: shared by the about box and the library's version record, so the two
// never name different makers. Plain string macros, since the resource compiler reads this too.
#pragma once
#define QS_MAKER "The Quickseek developers"
#define QS_COPYRIGHT "Copyright (C) 2026 The Quickseek developers"
