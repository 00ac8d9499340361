# End-to-end cases of pellimar. Functions named case_* run on every host;
# posix_case_* need POSIX devices or file kinds (/dev/full, FIFOs, hard links).

HEAD=$'Success.\n- 2nd Stage : ROM Split mode -\n'
START='Start Address (-1=Quit) : '
PARITY='Odd Line or Even Line(0=Odd 1=Even) : '
SIZE='Split Size : '
NAME='Out FileName : '
REQUEST="$START$PARITY$SIZE$NAME"

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
}

posix_case_odd_bytes_in_answers() {
  two_tiles
  # Bytes 0x80 and up end a number; a name with them is used as typed.
  answers $'1\x80\xff 0 1 n\xe9.bin -1'
  tool pellimar t.swp
  expect_status 0
  expect_bytes $'n\xe9.bin' cc
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
  printf 'keep' >far.bin
  answers '0 0 80 a.bin 0 1 81 far.bin 0 0 1 never.bin -1'
  tool pellimar t.swp
  expect_status 1
  expect_size a.bin 128
  expect_bytes far.bin 6b 65 65 70
  expect_absent never.bin
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}File far.bin not written: the request reads outside the image of 256 bytes.
"
}

case_answers_cut_off_in_a_request() {
  two_tiles
  local cut
  for cut in '0 0 80 a.bin 0' '0 0 80 a.bin 0 1' '0 0 80 a.bin 0 1 80'; do
    rm -f a.bin
    answers "$cut"
    tool pellimar t.swp
    expect_status 1
    expect_size a.bin 128
    [ "$(ls | sort | tr '\n' ' ')" = "a.bin t.swp " ] || fail "files left: $(ls)"
    expect_out_has $'Input ended in the middle of a request; nothing written for it.\n'
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

case_tile_file_as_split_file_refused() {
  two_tiles
  cp t.swp orig
  local name
  for name in t.swp ./t.swp ../work/t.swp; do
    answers "0 0 80 $name -1"
    tool pellimar t.swp
    expect_status 1
    expect_out_has "File $name is the tile file."
    expect_same t.swp orig
  done
}

posix_case_hard_link_of_tile_file_refused() {
  two_tiles
  cp t.swp orig
  ln t.swp link.bin
  answers '0 0 80 link.bin -1'
  tool pellimar t.swp
  expect_status 1
  expect_out_has 'File link.bin is the tile file.'
  expect_same t.swp orig
}

posix_case_full_device() {
  two_tiles
  answers '0 0 80 a.bin 0 1 80 /dev/full -1'
  tool pellimar t.swp
  expect_status 1
  expect_size a.bin 128
  expect_out "${HEAD}Length = 00000100 (256 bytes)
${REQUEST}Done.
${REQUEST}File /dev/full write error.
"
}

posix_case_directory_is_a_read_error() {
  mkdir dir.swp
  answers '-1'
  tool pellimar dir.swp
  expect_status 1
  expect_out $'File dir.swp read error.\n'
}

posix_case_pipe_cannot_be_measured() {
  two_tiles
  mkfifo fifo
  cat t.swp >fifo &
  answers '-1'
  tool pellimar fifo
  wait
  expect_status 1
  expect_out $'File fifo cannot be measured: it is not a seekable file.\n'
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
