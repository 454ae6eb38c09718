# Sourced by the project's scripts: the private Wine prefix and the project-local ODBC registration.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
# No Mono/Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=/usr/lib/wine/wine64
export ODBCSYSINI="$ROOT/build/odbc"
export ODBCINI="$ROOT/build/odbc/odbc.ini"
