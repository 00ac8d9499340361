# Cases of the frame that galdrun, ostrim and vendrel share, each a table
# over the three tools. The arguments after the two names are vendrel's numbers.
# The tables of faults (missing input, same file, full device, read error)
# take pellimar as a fourth row: its input is the tile file, its output a
# split file named in its answers.

FILE_TOOLS="galdrun ostrim vendrel"
FAULT_TOOLS="$FILE_TOOLS pellimar"
PELLIMAR_REQUEST='Start Address (-1=Quit) : Odd Line or Even Line(0=Odd 1=Even) : Split Size : Out FileName : '

usage_of() {
  case $1 in
    galdrun) printf '%s\n' 'Android NEOGEO game_tiles Byte Swapper v0.00' \
      'usage: galdrun [Input File] [Output File]' ' (galdrun mslugx_tiles 250-c.bin)' ;;
    ostrim) printf '%s\n' 'Android NEOGEO game_sfix Byte Swapper v0.00' \
      'usage: ostrim [Input File] [Output File]' ' (ostrim blazstar_game_sfix 239-s1.bin)' ;;
    vendrel) printf '%s\n' 'usage: vendrel [Target file] [Out file] [Start addr(HEX)] [Cut size(HEX)]' \
      ' (vendrel mslugx_game_m68k 250-p2.bin 100000 400000)' ;;
  esac
}

numbers_of() { [ "$1" = vendrel ] && printf '%s\n' 0 40; }

# writes TOOL INPUT OUTPUT [SIZE]: a run from INPUT to OUTPUT. SIZE (hex,
# 40 by default) is vendrel's cut size; pellimar splits half of it.
writes() {
  local t=$1 in=$2 out=$3 size=${4:-40}
  case $t in
    pellimar)
      answers "0 0 $(printf %X $((16#$size / 2))) $out -1"
      tool pellimar "$in"
      ;;
    vendrel) tool vendrel "$in" "$out" 0 "$size" ;;
    *) tool "$t" "$in" "$out" ;;
  esac
}

# opening TOOL INPUT OUTPUT [SIZE]: sets OPENING to what `writes` prints
# before the output's first byte is written.
opening() {
  local t=$1 in=$2 out=$3 size=${4:-40} length
  case $t in
    pellimar)
      length=$(wc -c <"$in" | tr -d ' ')
      printf -v OPENING 'Success.\n- 2nd Stage : ROM Split mode -\nLength = %08X (%d bytes)\n%s' \
        "$length" "$length" "$PELLIMAR_REQUEST"
      ;;
    vendrel)
      printf -v OPENING 'Input  file : %s\nOutput file : %s\nStart  addr : 0(00000000) bytes.\nCuttingsize : %d(%08X) bytes.\n' \
        "$in" "$out" $((16#$size)) $((16#$size))
      ;;
    *) printf -v OPENING 'Input  file : %s\nOutput file : %s\n' "$in" "$out" ;;
  esac
}

# refusal TOOL INPUT OUTPUT: sets REFUSAL to all a run prints when OUTPUT is
# its input by another name.
refusal() {
  if [ "$1" = pellimar ]; then
    opening pellimar "$2" "$3"
    REFUSAL="${OPENING}File $3 is the tile file."$'\n'
  else
    REFUSAL="File $3 is the input file."$'\n'
  fi
}

some_input() { repeat 2 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f >in.bin; }

case_usage_without_arguments() {
  local t
  for t in $FILE_TOOLS; do
    tool "$t"
    expect_status 1
    expect_out "$(usage_of "$t")
"
    [ -z "$(ls)" ] || fail "$t left files: $(ls)"
  done
}

case_missing_input_leaves_output_alone() {
  local t
  for t in $FAULT_TOOLS; do
    printf 'keep me' >out.bin
    writes "$t" missing.bin out.bin
    expect_status 1
    expect_out $'File missing.bin not found.\n'
    expect_bytes out.bin 6b 65 65 70 20 6d 65
    expect_only out.bin
    # The input is looked for before any other argument is missed.
    tool "$t" missing.bin
    expect_status 1
    expect_out $'File missing.bin not found.\n'
  done
}

case_too_few_arguments_give_usage_and_create_nothing() {
  some_input
  local t args
  for t in $FILE_TOOLS; do
    for args in "in.bin" "in.bin out.bin" "in.bin out.bin 0"; do
      [ "$t" != vendrel ] && [ "$args" != in.bin ] && continue
      # shellcheck disable=SC2086
      tool "$t" $args
      expect_status 1
      expect_out "$(usage_of "$t")
"
      expect_absent out.bin
    done
  done
}

case_create_error() {
  some_input
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin nodir/out.bin $(numbers_of "$t")
    expect_status 1
    expect_out $'File nodir/out.bin create error.\n'
    expect_absent nodir
  done
}

case_same_file_refused() {
  some_input
  cp in.bin orig.bin
  local t name
  for t in $FAULT_TOOLS; do
    for name in in.bin ./in.bin ../work/in.bin; do
      writes "$t" in.bin "$name"
      expect_status 1
      refusal "$t" in.bin "$name"
      expect_out "$REFUSAL"
      expect_same in.bin orig.bin
      expect_only in.bin orig.bin
    done
  done
}

case_hard_link_refused() {
  some_input
  cp in.bin orig.bin
  ln in.bin link.bin
  local t
  for t in $FAULT_TOOLS; do
    writes "$t" in.bin link.bin
    expect_status 1
    refusal "$t" in.bin link.bin
    expect_out "$REFUSAL"
    expect_same in.bin orig.bin
    expect_only in.bin orig.bin link.bin
  done
}

posix_case_symbolic_link_or_absolute_path_refused() {
  some_input
  cp in.bin orig.bin
  ln -s in.bin sym.bin
  local t pair
  for t in $FAULT_TOOLS; do
    # input:output, the output naming the input by a link or a full path
    for pair in "in.bin:sym.bin" "sym.bin:in.bin" "in.bin:$PWD/in.bin" "sym.bin:$PWD/sym.bin"; do
      writes "$t" "${pair%%:*}" "${pair#*:}"
      expect_status 1
      refusal "$t" "${pair%%:*}" "${pair#*:}"
      expect_out "$REFUSAL"
      expect_same in.bin orig.bin
      expect_only in.bin orig.bin sym.bin
    done
  done
}

posix_case_full_device_is_a_write_error() {
  some_input
  # 4 MiB: there a write itself fails, not only the flush at the end.
  head -c $((0x400000)) /dev/zero >big.bin
  local t in size
  for t in $FAULT_TOOLS; do
    for in in in.bin big.bin; do
      size=40
      [ "$in" = big.bin ] && size=400000
      writes "$t" "$in" /dev/full "$size"
      expect_status 1
      opening "$t" "$in" /dev/full "$size"
      expect_out "${OPENING}File /dev/full write error."$'\n'
      expect_out_lacks Done.
      expect_only in.bin big.bin
    done
  done
  # pellimar's split files before the full one are complete, none after it.
  answers '0 0 20 whole.bin -1'
  tool pellimar in.bin
  expect_status 0
  answers '0 0 20 a.bin 0 1 20 /dev/full 0 0 1 never.bin -1'
  tool pellimar in.bin
  expect_status 1
  opening pellimar in.bin a.bin
  expect_out "${OPENING}Done.
${PELLIMAR_REQUEST}File /dev/full write error.
"
  expect_same a.bin whole.bin
  expect_only in.bin big.bin whole.bin a.bin
}

posix_case_directory_is_a_read_error() {
  mkdir dir.bin
  local t
  for t in $FAULT_TOOLS; do
    writes "$t" dir.bin out.bin
    expect_status 1
    expect_out_has 'File dir.bin read error.'
    expect_out_lacks Done.
    if [ "$t" = pellimar ]; then
      # The tile file is read whole before the dialogue: no split file begun.
      expect_out $'File dir.bin read error.\n'
      expect_only dir.bin
    else
      # The output was made before the first read; it is left empty.
      opening "$t" dir.bin out.bin
      expect_out "${OPENING}File dir.bin read error."$'\n'
      expect_size out.bin 0
      expect_only dir.bin out.bin
      rm out.bin
    fi
  done
}

case_extra_arguments_ignored() {
  some_input
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin a.bin $(numbers_of "$t")
    expect_status 0
    cp "$CAPTURE/out" "$CAPTURE/first"
    # shellcheck disable=SC2046
    tool "$t" in.bin b.bin $(numbers_of "$t") extra 1 2
    expect_status 0
    expect_same a.bin b.bin
    sed 's/b\.bin/a.bin/' "$CAPTURE/out" | cmp -s - "$CAPTURE/first" || fail "$t printed otherwise"
  done
}
