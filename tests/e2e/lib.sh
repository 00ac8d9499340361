# Helpers for the end-to-end cases: run a tool as a user would, in a scratch
# folder, and check what it printed, its status and what it left on disk.
# The command that starts a tool (an emulator prefix included) comes from the
# environment that CTest sets: PELLIMAR, GALDRUN, OSTRIM, VENDREL, TOOL_EMULATOR.

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

# tool NAME ARGS...: runs a tool with the answers file (if any) as stdin.
# Sets STATUS; stdout and stderr land in $CAPTURE/out and $CAPTURE/err.
tool() {
  local name=$1
  shift
  local path
  case $name in
    pellimar) path=$PELLIMAR ;;
    galdrun) path=$GALDRUN ;;
    ostrim) path=$OSTRIM ;;
    vendrel) path=$VENDREL ;;
    *) fail "unknown tool $name" ;;
  esac
  local input=${STDIN_FROM:-/dev/null}
  # shellcheck disable=SC2086  # the emulator prefix is meant to split into words
  $TOOL_EMULATOR "$path" "$@" <"$input" >"$CAPTURE/out.raw" 2>"$CAPTURE/err.raw"
  STATUS=$?
  # Under the sanitizer build a report fails the case, whatever it expects.
  if grep -qE 'SUMMARY: [A-Za-z]+Sanitizer|runtime error: ' "$CAPTURE/err.raw"; then
    fail "$name reported: $(cat "$CAPTURE/err.raw")"
  fi
  # A Windows build prints text lines with CR LF; the text is what counts.
  tr -d '\r' <"$CAPTURE/out.raw" >"$CAPTURE/out"
  tr -d '\r' <"$CAPTURE/err.raw" >"$CAPTURE/err"
  STDIN_FROM=
}

# answers TEXT: the standard input of the next run (printf %s, no escapes).
answers() {
  printf '%s' "$1" >"$CAPTURE/answers"
  STDIN_FROM=$CAPTURE/answers
}

# bytes HEX... > FILE: writes the bytes given as hexadecimal pairs.
bytes() {
  local b out=""
  for b in "$@"; do out+="\\x$b"; done
  printf '%b' "$out"
}

# repeat N HEX...: the bytes repeated N times.
repeat() {
  local n=$1 i
  shift
  for ((i = 0; i < n; i++)); do bytes "$@"; done
}

# times N WORDS...: the words repeated N times, for expected byte lists.
times() {
  local n=$1 i
  shift
  for ((i = 0; i < n; i++)); do printf '%s ' "$@"; done
}

hex_of() { od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

expect_status() { [ "$STATUS" = "$1" ] || fail "status $STATUS, expected $1 (stdout: $(cat "$CAPTURE/out"))"; }

# expect_out TEXT: standard output exactly (use $'...' for line ends).
expect_out() {
  local got
  got=$(cat "$CAPTURE/out"; printf x)
  got=${got%x}
  [ "$got" = "$1" ] || fail "stdout differs:
--- expected
$1
--- got
$got
---"
}

expect_err() {
  local got
  got=$(cat "$CAPTURE/err"; printf x)
  got=${got%x}
  [ "$got" = "$1" ] || fail "stderr differs: expected [$1], got [$got]"
}

expect_out_has() { grep -qF -- "$1" "$CAPTURE/out" || fail "stdout lacks [$1]: $(cat "$CAPTURE/out")"; }
expect_out_lacks() { ! grep -qF -- "$1" "$CAPTURE/out" || fail "stdout has [$1]"; }

# expect_bytes FILE HEX...: the file holds exactly these bytes.
expect_bytes() {
  local file=$1
  shift
  [ -f "$file" ] || fail "$file is missing"
  local got want
  got=$(hex_of "$file")
  want=$(printf '%s ' "$@" | tr 'A-F' 'a-f')
  want=${want% }
  [ "$got" = "$want" ] || fail "$file holds [$got], expected [$want]"
}

expect_size() {
  [ -f "$1" ] || fail "$1 is missing"
  local size
  size=$(wc -c <"$1" | tr -d ' ')
  [ "$size" = "$2" ] || fail "$1 is $size bytes, expected $2"
}

# expect_only NAME...: the work folder holds these and nothing else.
expect_only() {
  local got want
  got=$(ls -A | LC_ALL=C sort)
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  [ "$got" = "$want" ] || fail "the folder holds [$(tr '\n' ' ' <<<"$got")], expected [$*]"
}

expect_absent() { [ ! -e "$1" ] || fail "$1 exists but must not"; }
expect_same() { cmp -s "$1" "$2" || fail "$1 and $2 differ"; }
