# Shared settings of the project's scripts; sourced, not run.
QS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QS_DEPS="$QS_ROOT/.deps"
# The Wine prefix lives outside the work tree, so that clones on one machine share it: making
# one takes minutes where Wine runs under emulation.
export WINEPREFIX="${QS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/quickseek/wine-prefix}"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
