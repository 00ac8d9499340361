#!/usr/bin/env bash
# installed_check.sh install|package: installs the build with `cmake
# --install`, or packs it with CPack and unpacks the archive, then checks the
# tree: the four programs in bin/ start and print their usage as
# common/messages.hpp has it, pellimar converts a tile, and each manual page
# in share/man/man1/ quotes every message its program can print.
# The environment comes from CTest: BUILD_DIR SCRATCH CMAKE_COMMAND
# CPACK_COMMAND MESSAGES EXE_SUFFIX PACKAGE_SUFFIX TOOL_EMULATOR.
set -u
mode=$1

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

rm -rf "$SCRATCH"
mkdir -p "$SCRATCH" || exit 1
cd "$SCRATCH" || exit 1

case $mode in
  install)
    "$CMAKE_COMMAND" --install "$BUILD_DIR" --prefix "$SCRATCH/prefix" >install.log 2>&1 ||
      fail "cmake --install failed: $(cat install.log)"
    tree=$SCRATCH/prefix
    ;;
  package)
    "$CPACK_COMMAND" --config "$BUILD_DIR/CPackConfig.cmake" -B "$SCRATCH/out" >cpack.log 2>&1 ||
      fail "cpack failed: $(cat cpack.log)"
    archives=()
    for f in out/*; do [ -f "$f" ] && archives+=("$f"); done
    [ "${#archives[@]}" = 1 ] || fail "expected one archive, CPack made: ${archives[*]}"
    [[ ${archives[0]} == *"$PACKAGE_SUFFIX" ]] || fail "${archives[0]} is not a $PACKAGE_SUFFIX"
    mkdir unpacked || exit 1
    (cd unpacked && "$CMAKE_COMMAND" -E tar xf "../${archives[0]}") || fail "cannot unpack ${archives[0]}"
    tops=(unpacked/*)
    [ "${#tops[@]}" = 1 ] || fail "the archive holds ${#tops[@]} top entries, not one folder"
    [ -d "${tops[0]}" ] || fail "the archive's top entry ${tops[0]} is not a folder"
    tree=$SCRATCH/${tops[0]}
    printf 'package: %s\n' "${archives[0]##*/}"
    ;;
  *) fail "unknown mode $mode" ;;
esac

# message NAME: the text of a message of messages.hpp, escapes undone.
message() {
  local text
  text=$(awk -v name="$1" '
    { all = all $0 "\n" }
    END {
      i = index(all, "const char* " name " =")
      if (i == 0) exit 1
      rest = substr(all, i)
      rest = substr(rest, 1, index(rest, "\";"))
      out = ""
      while (match(rest, /"([^"\\]|\\.)*"/)) {
        out = out substr(rest, RSTART + 1, RLENGTH - 2)
        rest = substr(rest, RSTART + RLENGTH)
      }
      printf "%s", out
    }' "$MESSAGES") || fail "no message $1 in $MESSAGES"
  printf '%b' "$text"
}

# A manual page as plain lines: macro names, quotes and font changes gone.
page_text() {
  sed -e 's/^\.[A-Z][A-Z]* *//' -e 's/"//g' -e 's/\\f[BIRP]//g' \
      -e 's/\\-/-/g' -e 's/\\&//g' -e 's/\\e/\\/g' -e 's/ *$//' "$1"
}

# has_line PAGE_TEXT_FILE LINE: some line of the page holds LINE, with each
# %s standing for any text.
has_line() {
  local want=$2 line rest piece ok
  local -a pieces=()
  while [[ $want == *%s* ]]; do
    pieces+=("${want%%%s*}")
    want=${want#*%s}
  done
  pieces+=("$want")
  while IFS= read -r line; do
    rest=$line
    ok=1
    for piece in "${pieces[@]}"; do
      if [[ $rest == *"$piece"* ]]; then rest=${rest#*"$piece"}; else ok=0; break; fi
    done
    [ $ok = 1 ] && return 0
  done <"$1"
  return 1
}

usage_names() {
  case $1 in
    pellimar) echo kPellimarUsage kPellimarExample ;;
    galdrun) echo kGaldrunBanner kGaldrunUsage kGaldrunExample ;;
    ostrim) echo kOstrimBanner kOstrimUsage kOstrimExample ;;
    vendrel) echo kVendrelUsage kVendrelExample ;;
  esac
}

# Every message each program can print.
message_names() {
  local frame="kInputLine kOutputLine kNotFound kIsInputFile kCreateError kReadError kWriteError"
  case $1 in
    pellimar) echo "$(usage_names pellimar) kNotFound kReadError kNotMeasurable kTooLarge kNoMemory" \
      kSuccess kLengthLine kStartPrompt kParityPrompt kSizePrompt kNamePrompt kDone kOutsideImage \
      kAnswersEnded kIsTileFile kBadName kCreateError kWriteError ;;
    galdrun) echo "$(usage_names galdrun) $frame" ;;
    ostrim) echo "$(usage_names ostrim) $frame kDone" ;;
    vendrel) echo "$(usage_names vendrel) $frame kStartLine kCutSizeLine kDone" ;;
  esac
}

for tool in pellimar galdrun ostrim vendrel; do
  program=$tree/bin/$tool$EXE_SUFFIX
  page=$tree/share/man/man1/$tool.1
  [ -f "$program" ] || fail "$program is missing"
  [ -n "$EXE_SUFFIX" ] || [ -x "$program" ] || fail "$program is not executable"
  [ -f "$page" ] || fail "$page is missing"

  # shellcheck disable=SC2086  # the emulator prefix is meant to split into words
  $TOOL_EMULATOR "$program" </dev/null >"$tool.out.raw" 2>"$tool.err"
  status=$?
  [ $status = 1 ] || fail "$tool without arguments: status $status, expected 1"
  [ -s "$tool.err" ] && fail "$tool printed on stderr: $(cat "$tool.err")"
  tr -d '\r' <"$tool.out.raw" >"$tool.out"
  : >"$tool.usage"
  for name in $(usage_names "$tool"); do message "$name" >>"$tool.usage"; done
  cmp -s "$tool.out" "$tool.usage" || fail "$tool printed [$(cat "$tool.out")], expected [$(cat "$tool.usage")]"

  page_text "$page" >"$tool.page"
  for name in $(message_names "$tool"); do
    while IFS= read -r want; do
      want=${want%"${want##*[! ]}"}  # trailing blanks
      [ -z "$want" ] && continue
      has_line "$tool.page" "$want" || fail "$page does not quote $name: [$want]"
    done < <(message "$name"; echo)
  done
  printf '%s: %s and %s\n' "$tool" "${program#"$tree"/}" "${page#"$tree"/}"
done

# One tile (every row 10 32 54 76 98 BA DC FE) through the installed pellimar.
for ((i = 0; i < 16; i++)); do printf '\x10\x32\x54\x76\x98\xba\xdc\xfe'; done >tile.swp
printf '0 0 4 c1.bin -1\n' >answers
# shellcheck disable=SC2086
$TOOL_EMULATOR "$tree/bin/pellimar$EXE_SUFFIX" tile.swp <answers >pellimar.run 2>&1
status=$?
[ $status = 0 ] || fail "pellimar on one tile: status $status: $(cat pellimar.run)"
[ "$(od -An -tx1 c1.bin | tr -d ' \n')" = aaccaacc ] || fail "c1.bin holds $(od -An -tx1 c1.bin)"
printf 'PASS: %s\n' "$mode"
