#!/usr/bin/env bash
# Creates a meals database file from data/schema.sql, with the sample data on request.
# An existing file is never touched, so start-up scripts may call this every time.
#
# usage: create-database.sh TARGET [--sample] [--no-version]
#   --sample      also load data/sample.sql
#   --no-version  leave out the Version table (a file the program must refuse)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

usage() {
    echo "usage: $(basename "$0") TARGET [--sample] [--no-version]" >&2
    exit 2
}

target=""
sample=false
version=true
for argument in "$@"; do
    case $argument in
    --sample) sample=true ;;
    --no-version) version=false ;;
    -*) usage ;;
    *)
        [[ -z $target ]] || usage
        target=$argument
        ;;
    esac
done
[[ -n $target ]] || usage

if [[ -e $target ]]; then
    echo "$(basename "$0"): $target exists, left unchanged" >&2
    exit 0
fi

statements() {
    echo "BEGIN;"
    cat "$root/data/schema.sql"
    if $sample; then
        cat "$root/data/sample.sql"
    fi
    if ! $version; then
        echo "DROP TABLE Version;"
    fi
    echo "COMMIT;"
}

# Built beside the target and renamed at the end: a failed load leaves no half database behind.
mkdir -p "$(dirname "$target")"
partial="$target.partial.$$"
trap 'rm -f "$partial"' EXIT
rm -f "$partial"
statements | sqlite3 -bail "$partial"
mv "$partial" "$target"
echo "$(basename "$0"): created $target" >&2
