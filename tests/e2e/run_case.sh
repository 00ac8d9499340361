#!/usr/bin/env bash
# run_case.sh CASE_FILE FUNCTION SCRATCH: runs one end-to-end case in a fresh
# scratch folder.
set -u
case_file=$1
case_name=$2
scratch=$3
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$scratch"
mkdir -p "$scratch/work" || exit 1
CAPTURE=$scratch
STDIN_FROM=
cd "$scratch/work" || exit 1
# shellcheck source=lib.sh
. "$here/lib.sh"
# shellcheck disable=SC1090
. "$case_file"
"$case_name" || fail "$case_name returned non-zero"
printf 'PASS: %s\n' "$case_name"
