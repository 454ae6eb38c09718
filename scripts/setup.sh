#!/usr/bin/env bash
# Installs what the project needs on Debian 12, builds both presets, prepares the Wine prefix,
# registers the ODBC driver and data sources, and creates the sample database when it is missing.
# Idempotent: every step is skipped when its result is already there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$ROOT"

PACKAGES=(cmake ninja-build g++ googletest mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
          unixodbc unixodbc-dev libsqliteodbc sqlite3 xvfb xauth x11-apps x11-utils xdotool
          imagemagick x11vnc locales
          libbenchmark-dev python3
          cups cups-client cups-pdf libcups2 poppler-utils fonts-liberation)

installPackages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    # The packages' own scripts register drivers with the system's unixODBC: they must not see the
    # project's ODBC folder, which does not exist yet.
    $sudo env -u ODBCSYSINI -u ODBCINI apt-get update -qq
    $sudo env -u ODBCSYSINI -u ODBCINI DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    checkPackagesConfigured
}

# A failed post-install script leaves a package half-configured while apt may still exit 0.
checkPackagesConfigured() {
    local audit
    audit=$(dpkg --audit 2>&1)
    [ -z "$audit" ] && return
    echo "Set-up stopped: dpkg reports packages that are not fully installed:" >&2
    echo "$audit" >&2
    exit 1
}

# The native tests run in the German locale, as the program does.
installGermanLocale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

build() {
    local preset=$1
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

installPackages
installGermanLocale
build native
build windows
bash scripts/wine-prefix.sh
bash scripts/odbc-register.sh
# The PDF printer is added once to CUPS; the service itself runs only while something prints.
bash scripts/cups.sh start
bash scripts/cups.sh stop
bash scripts/create-database.sh data/meals.mdb --sample
