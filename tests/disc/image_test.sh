#!/usr/bin/env bash
# The disc image as the systems that meet it read it, without kernel support: the Rock Ridge
# tree through fuseiso (what a Linux desktop shows), the Joliet tree through xorriso (what
# Windows shows). Every file the launcher opens is on both; the Linux-only files are not on
# Windows'; autorun.sh and the Linux launcher can run; autorun.inf holds exactly its four keys;
# the Windows program is the 32-bit one, without a link time, and its signature verifies while
# a changed byte breaks it; the Linux launcher needs nothing beyond glibc, the X11 client
# libraries, fontconfig and freetype.
#
# From ctest's environment: N5_DISC_IMAGE (the image make disc wrote), N5_DISC_CA (the
# authority it was signed with), N5_WORK_DIR.
source "$(dirname "$0")/disc_lib.sh"
: "${N5_DISC_CA:?}"

disc_mount "$N5_DISC_IMAGE"
joliet=$(disc_joliet_tree "$N5_DISC_IMAGE")
for path in "${DISC_OPENED[@]}" autorun.inf n5launcher.exe; do
  check "on the Linux view: $path" test -f "$MOUNT/$path"
  check "on the Windows view: $path" grep -qxF "'/$path'" <<<"$joliet"
done
for path in autorun.sh n5launcher; do
  check "$path runs on Linux" test -x "$MOUNT/$path"
  check_not "$path is not on the Windows view" grep -qxF "'/$path'" <<<"$joliet"
done
check_eq "the volume label" "$(xorriso -indev "$N5_DISC_IMAGE" -pvd_info 2>/dev/null |
  sed -n 's/^Volume Id *: *//p')" "N5_SETUP"

# autorun.inf: UTF-16LE with a byte-order mark, CRLF, the documented keys only.
check_eq "autorun.inf begins with the UTF-16LE byte-order mark" \
  "$(head -c 2 "$MOUNT/autorun.inf" | od -An -tx1 | tr -d ' ')" "fffe"
inf=$(tail -c +3 "$MOUNT/autorun.inf" | iconv -f UTF-16LE -t UTF-8)
check_eq "autorun.inf" "$inf" "$(printf '%s\r\n' '[autorun]' 'open=n5launcher.exe' \
  'icon=n5launcher.exe,0' 'label=N5-企业管理软件' 'action=运行 N5-企业管理软件安装程序')"
open=$(printf '%s\n' "$inf" | tr -d '\r' | sed -n 's/^open=//p')
check "what open names is on the Windows view" grep -qxF "'/$open'" <<<"$joliet"

# The Windows program: PE32 for i386, no link time stamp, a signature that verifies.
exe=$MOUNT/n5launcher.exe
pe=$(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ')
check_eq "the program is for 32-bit Windows (machine i386)" \
  "$(od -An -tx2 -j $((pe + 4)) -N 2 "$exe" | tr -d ' ')" "014c"
check_eq "the program carries no link time" "$(od -An -tu4 -j $((pe + 8)) -N 4 "$exe" | tr -d ' ')" 0
check_eq "the program runs from the page file when started from a disc or the network" \
  "$(($(od -An -tu2 -j $((pe + 22)) -N 2 "$exe") & 0x0C00))" $((0x0C00))
verify() { osslsigncode verify -CAfile "$N5_DISC_CA" -in "$1" >"$WORK/verify.log" 2>&1; }
check "the signature verifies" verify "$exe"
check "the signature is SHA-256" grep -q 'Message digest algorithm *: SHA256' "$WORK/verify.log"
cp "$exe" "$WORK/changed.exe"
chmod u+w "$WORK/changed.exe"
# One byte of the program's code, well inside the signed range.
printf '\x5a' | dd of="$WORK/changed.exe" bs=1 seek=$((pe + 4096)) conv=notrunc status=none
check_not "a changed byte breaks the signature" verify "$WORK/changed.exe"
check "and the verifier says why" grep -qi 'mismatch' "$WORK/verify.log"

# The Linux launcher: what it needs from the system it starts on.
needed=$(readelf -d "$MOUNT/n5launcher" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort | tr '\n' ' ')
allowed='ld-linux-x86-64.so.2 libX11.so.6 libc.so.6 libfontconfig.so.1 libfreetype.so.6 libm.so.6 '
echo "the Linux launcher needs: $needed"
check_eq "the Linux launcher needs only glibc, X11, fontconfig and freetype" \
  "$(comm -23 <(tr ' ' '\n' <<<"$needed" | grep .) <(tr ' ' '\n' <<<"$allowed" | grep . | sort))" ""
echo "glibc it needs: $(objdump -T "$MOUNT/n5launcher" | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -n 1)"
check_not "the Linux launcher ships without symbols" \
  sh -c "readelf -S '$MOUNT/n5launcher' | grep -q '\.symtab'"

disc_pass
