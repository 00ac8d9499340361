# vendrel end to end.

case_worked_example_and_number_texts() {
  head -c $((0x500000)) /dev/urandom >mslugx_game_m68k
  tail -c $((0x400000)) mslugx_game_m68k >expected
  local start
  for start in 100000 0x100000 0X100000 '  100000' 100000h; do
    tool vendrel mslugx_game_m68k 250-p2.bin "$start" 400000
    expect_status 0
    expect_out $'Input  file : mslugx_game_m68k\nOutput file : 250-p2.bin\nStart  addr : 1048576(00100000) bytes.\nCuttingsize : 4194304(00400000) bytes.\nDone.\n'
    expect_same 250-p2.bin expected
  done
}

case_whole_copy_and_empty_cut() {
  head -c 5000 /dev/urandom >in.bin
  tool vendrel in.bin copy.bin 0 1388
  expect_status 0
  expect_same in.bin copy.bin
  local size
  for size in 0 zz; do
    printf 'longer than nothing' >cut.bin
    tool vendrel in.bin cut.bin 10 "$size"
    expect_status 0
    expect_out_has 'Cuttingsize : 0(00000000) bytes.'
    expect_size cut.bin 0
  done
}

case_range_past_the_end_is_zero_filled() {
  bytes 01 02 03 04 05 06 07 08 >in.bin
  tool vendrel in.bin a.bin 6 5
  expect_status 0
  expect_bytes a.bin 07 08 00 00 00
  tool vendrel in.bin b.bin 8 3
  expect_bytes b.bin 00 00 00
  tool vendrel in.bin c.bin 1000 2
  expect_bytes c.bin 00 00
  printf '%s' 0123456789abcdef0123456789 >long.bin
  tool vendrel in.bin long.bin 0 2
  expect_bytes long.bin 01 02
}

case_printed_numbers() {
  bytes 01 02 >in.bin
  tool vendrel in.bin a.bin 80000000 1
  expect_out_has 'Start  addr : -2147483648(80000000) bytes.'
  expect_bytes a.bin 00
  tool vendrel in.bin b.bin -1 0
  expect_out_has 'Start  addr : -1(FFFFFFFF) bytes.'
  expect_size b.bin 0
}

case_start_past_2_gib_read_from_its_true_offset() {
  # A sparse file with bytes just past 0x80000000: never read from offset 0.
  bytes 01 02 03 >head.bin
  { cat head.bin; } >big.bin
  truncate -s $((0x80000010)) big.bin || fail "cannot make a sparse file"
  bytes AA BB CC >>big.bin
  tool vendrel big.bin cut.bin 80000010 4
  expect_status 0
  expect_bytes cut.bin aa bb cc 00
}

posix_case_input_from_a_pipe_is_skipped_to_the_start() {
  bytes 01 02 03 04 05 06 >in.bin
  mkfifo fifo
  cat in.bin >fifo &
  tool vendrel fifo out.bin 2 3
  wait
  expect_status 0
  expect_bytes out.bin 03 04 05
}
