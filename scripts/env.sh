# Sourced by the project's scripts: the private Wine prefix and the project-local ODBC registration.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
# No Mono/Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=/usr/lib/wine/wine64
# The data sources are system data sources of a project-local folder; a build tree's tests pass
# their own folder. No user data-source file may shadow them.
export ODBCSYSINI="${ODBCSYSINI:-$ROOT/build/odbc}"
unset ODBCINI
