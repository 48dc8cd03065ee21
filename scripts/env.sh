# Shared settings of the project's scripts; sourced, not run.
QS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QS_DEPS="$QS_ROOT/.deps"
export WINEPREFIX="$QS_DEPS/wine"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="
