# End-to-end cases of pellimar. Functions named case_* run on every host;
# posix_case_* need POSIX devices or file kinds (/dev/full, FIFOs, sysfs,
# directories opened as files) or file names that are plain bytes.

HEAD=$'Success.\n- 2nd Stage : ROM Split mode -\n'
START='Start Address (-1=Quit) : '
PARITY='Odd Line or Even Line(0=Odd 1=Even) : '
SIZE='Split Size : '
NAME='Out FileName : '
REQUEST="$START$PARITY$SIZE$NAME"

# raw_answers TEXT: answers written with printf's escapes, NUL bytes too.
raw_answers() {
  # shellcheck disable=SC2059  # the escapes are the point
  printf -- "$1" >"$CAPTURE/answers"
  STDIN_FROM=$CAPTURE/answers
}

# Two tiles: the worked example row in every row of tile 0, then 128 bytes FF.
# The planar image: (AA F0 CC FF) x16, (AA F0 CC 00) x16, FF x128.
two_tiles() {
  { repeat 16 10 32 54 76 98 BA DC FE; repeat 128 FF; } >t.swp
}

case_usage() {
  tool pellimar
  expect_status 1
  expect_out $'usage: pellimar [Tiles File]\n (pellimar mslugx_game_tiles.swp)\n'
  expect_err ''
}

case_missing_tile_file() {
  tool pellimar nope.swp extra args
  expect_status 1
  expect_out $'File nope.swp not found.\n'
}

case_empty_file_and_quit_tokens() {
  : >empty.swp
  local quit
  for quit in -1 - -5 -abc ''; do
    answers "$quit"
    tool pellimar empty.swp
    expect_status 0
    expect_out "${HEAD}Length = 00000000 (0 bytes)
$START"
  done
  [ "$(ls)" = empty.swp ] || fail "files were left: $(ls)"
}

case_plus_one_is_no_quit() {
  : >empty.swp
  answers '+1 0 0 a.bin -1'
  tool pellimar empty.swp
  expect_status 0
  expect_out "${HEAD}Length = 00000000 (0 bytes)
${REQUEST}Done.
$START"
  expect_size a.bin 0
}

case_two_tile_splits() {
  two_tiles
  cp t.swp orig
  answers $'0\n0\n80\na.bin\n0\n1\n80\nb.bin\n40 0 40 c.bin\n80 0 1 d.bin\n-1\n'
  tool pellimar t.swp
  expect_status 0
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}Done.
${REQUEST}Done.
${REQUEST}Done.
$START"
  expect_bytes a.bin $(times 32 AA CC) $(times 64 FF)
  expect_bytes b.bin $(times 16 F0 FF) $(times 16 F0 00) \
    $(times 64 FF)
  expect_bytes c.bin $(times 64 FF)
  expect_bytes d.bin 00
  expect_same t.swp orig
}

case_parity_and_number_readings() {
  two_tiles
  # "Odd" reads as 0, parity 2 is start + 1, parity -1 wraps to start 1's odd byte.
  answers '0 Odd 2 odd.bin 0 2 2 two.bin 1 -1 2 wrap.bin 0x3 0 1 hex.bin -1'
  tool pellimar t.swp
  expect_status 0
  expect_bytes odd.bin aa cc
  expect_bytes two.bin cc aa
  expect_bytes wrap.bin f0 ff
  expect_bytes hex.bin cc
}

case_requests_that_write_nothing() {
  two_tiles
  answers '0 0 0 zero.bin 5 0 - dash.bin FFFFFFF0 0 20 wrap.bin 1000 0 0 far.bin -1'
  tool pellimar t.swp
  expect_status 0
  local f
  for f in zero.bin dash.bin wrap.bin far.bin; do expect_size $f 0; done
  [ "$(grep -o Done. "$CAPTURE/out" | wc -l)" = 4 ] || fail "expected four done lines"
}

case_existing_file_rewritten_and_later_request_wins() {
  two_tiles
  printf 'old contents that are longer' >a.bin
  answers '0 0 2 a.bin 40 0 1 a.bin -1'
  tool pellimar t.swp
  expect_status 0
  expect_bytes a.bin ff
}

case_long_tokens_taken_whole() {
  two_tiles
  local zeros
  zeros=$(printf '%01000d' 0)
  answers "${zeros}1 0 ${zeros}2 long.bin -1"
  tool pellimar t.swp
  expect_status 0
  expect_bytes long.bin cc aa
  # Far past any buffer: leading zeros are still not significant.
  local many name
  many=$(printf '%0100000d' 0)
  answers "${many}1 0 ${many}2 longer.bin -1"
  tool pellimar t.swp
  expect_status 0
  expect_bytes longer.bin cc aa
  # 100001 significant digits saturate to FFFFFFFF: a split outside the image.
  answers "0 0 1${many} huge.bin -1"
  tool pellimar t.swp
  expect_status 1
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}File huge.bin not written: the request reads outside the image of 256 bytes.
"
  # A name longer than a file name can be: a create error, nothing made.
  name=$(printf 'n%.0s' {1..300})
  answers "0 0 1 $name -1"
  tool pellimar t.swp
  expect_status 1
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}File $name create error.
"
  expect_only t.swp long.bin longer.bin
}

case_nul_bytes_in_answers() {
  two_tiles
  # A NUL byte ends a number as any byte that is no digit; a quit token is
  # one that begins with '-', whatever follows.
  raw_answers '1\x00ff 0 1 a.bin \x00 0 1 z.bin -\x001'
  tool pellimar t.swp
  expect_status 0
  expect_bytes a.bin cc
  expect_bytes z.bin aa
  expect_only t.swp a.bin z.bin
  rm a.bin z.bin
  # A split-file name with a NUL byte is refused whole (no file under the
  # part before it) and ends the run; the files before it are complete.
  local name
  for name in 'bad\x00.bin' '\x00' 'a\x00\x00b' 't.swp\x00'; do
    raw_answers "0 0 80 good.bin 0 0 1 $name 0 0 1 never.bin -1"
    tool pellimar t.swp
    expect_status 1
    expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}File name with a NUL byte refused.
"
    expect_bytes good.bin $(times 32 AA CC) $(times 64 FF)
    expect_only t.swp good.bin
    rm good.bin
  done
}

posix_case_odd_bytes_in_answers() {
  two_tiles
  # Bytes 0x80 and up end a number; a name with them is used as typed.
  answers $'1\x80\xff 0 1 n\xe9.bin -1'
  tool pellimar t.swp
  expect_status 0
  expect_bytes $'n\xe9.bin' cc
  expect_only t.swp $'n\xe9.bin'
}

case_partial_final_tile() {
  # 8 bytes: row 0 of a tile padded with zeros; index 8 is the zero byte.
  bytes 00 00 00 00 98 BA DC FE >p.swp
  answers '0 0 4 a.bin 0 1 4 b.bin 0 0 5 c.bin 0 0 6 d.bin'
  tool pellimar p.swp
  expect_status 1
  expect_bytes a.bin aa cc 00 00
  expect_bytes b.bin f0 ff 00 00
  expect_bytes c.bin aa cc 00 00 00
  expect_absent d.bin
  expect_out_has 'File d.bin not written: the request reads outside the image of 8 bytes.'
}

case_length_of_64_mib() {
  head -c 67108864 /dev/zero >big.swp
  answers '-1'
  tool pellimar big.swp
  expect_status 0
  expect_out "${HEAD}Length = 04000000 (67108864 bytes)
$START"
}

case_outside_image_after_good_requests() {
  two_tiles
  # Index 100 (the zero byte after the image) may be read, 101 may not; the
  # start is doubled in 32 bits, so FFFFFFF0 is index FFFFFFE0.
  local far
  for far in '0 1 81' '80 1 1' '81 0 1' '0 0 FFFFFFFE' 'FFFFFFF0 0 1'; do
    printf 'keep' >far.bin
    answers "0 0 80 a.bin 0 1 80 b.bin $far far.bin 0 0 1 never.bin -1"
    tool pellimar t.swp
    expect_status 1
    expect_bytes a.bin $(times 32 AA CC) $(times 64 FF)
    expect_bytes b.bin $(times 16 F0 FF) $(times 16 F0 00) $(times 64 FF)
    expect_bytes far.bin 6b 65 65 70
    expect_only t.swp a.bin b.bin far.bin
    expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}Done.
${REQUEST}File far.bin not written: the request reads outside the image of 256 bytes.
"
  done
}

case_answers_cut_off_in_a_request() {
  two_tiles
  # Each answers text, then the prompts shown for the request it cuts off.
  local rows=(
    '0 0 80 a.bin 0' "$START$PARITY"
    '0 0 80 a.bin 0 1' "$START$PARITY$SIZE"
    '0 0 80 a.bin 0 1 80' "$REQUEST"
    $'0 0 80 a.bin\n0\n1\n80\n' "$REQUEST"
    '0 0 80 a.bin 4 ' "$START$PARITY"
  )
  local i
  for ((i = 0; i < ${#rows[@]}; i += 2)); do
    rm -f a.bin
    answers "${rows[i]}"
    tool pellimar t.swp
    expect_status 1
    expect_bytes a.bin $(times 32 AA CC) $(times 64 FF)
    expect_only a.bin t.swp
    expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${rows[i + 1]}
Input ended in the middle of a request; nothing written for it.
"
  done
}

case_create_error_keeps_earlier_files() {
  two_tiles
  answers '0 0 80 a.bin 0 1 80 nodir/b.bin -1'
  tool pellimar t.swp
  expect_status 1
  expect_size a.bin 128
  expect_absent nodir
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}File nodir/b.bin create error.
"
}

posix_case_pipe_cannot_be_measured() {
  two_tiles
  mkfifo fifo
  # A writer held open: no open of the FIFO waits, the tool's reopening of
  # /dev/stdin included.
  exec 3<>fifo
  cat t.swp >&3
  local name
  for name in fifo /dev/stdin; do
    if [ "$name" = fifo ]; then
      answers '-1'
    else
      # The tool's standard input is the FIFO, and its tile file too.
      # shellcheck disable=SC2034  # read by tool
      STDIN_FROM=fifo
    fi
    tool pellimar "$name"
    expect_status 1
    expect_out "File $name cannot be measured: it is not a seekable file."$'\n'
    expect_only fifo t.swp
  done
  exec 3>&-
}

posix_case_file_shorter_than_measured_is_a_read_error() {
  # A sysfs file reports a length of a whole page but reads much less.
  local f=/sys/devices/system/cpu/online
  [ -r $f ] || fail "$f is needed for this case"
  answers '-1'
  tool pellimar $f
  expect_status 1
  expect_out "File $f read error.
"
}

case_two_gib_file_is_too_large() {
  truncate -s 2147483648 huge.swp || fail "cannot make a sparse file"
  answers '0 0 1 a.bin -1'
  tool pellimar huge.swp
  expect_status 1
  expect_out $'File huge.swp is too large: 2 GiB or more.\n'
  expect_absent a.bin
}
