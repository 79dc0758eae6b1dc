#!/usr/bin/env bash
# The same sources built in another folder give the same disc image, byte for byte, signed
# program included: the sources are copied to a second folder, where the static SDL, both
# launchers and the image are built anew (with the first build's signing certificate and
# date, as a release engineer's second machine would have them). Where the images differ, the
# test names the files that differ.
#
# From ctest's environment: N5_DISC_IMAGE (the first build's image), N5_SOURCE_DIR,
# N5_WORK_DIR.
source "$(dirname "$0")/disc_lib.sh"
: "${N5_SOURCE_DIR:?}"
first_out=$(dirname "$N5_DISC_IMAGE")
# The date the first build used (its commit's time when it was made).
epoch=$(cat "$first_out/source-date-epoch")

second="$WORK/another folder"
mkdir -p "$second"
(cd "$N5_SOURCE_DIR" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf -) | tar -C "$second" -xf -

(
  cd "$second"
  JOBS=2 bash tools/disc/static-sdl.sh build/third-party/sdl
  cmake --preset release >/dev/null
  cmake --build --preset release -j 2 --target n5launcher >/dev/null
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j 2 --target n5launcher >/dev/null
  SOURCE_DATE_EPOCH=$epoch SIGN_CERT=$first_out/test-signing/code-signing.pem \
    SIGN_KEY=$first_out/test-signing/code-signing.key SIGN_CA=$first_out/test-signing/ca.pem \
    bash tools/disc/make-disc.sh
) >"$WORK/second-build.log" 2>&1 || { tail -n 20 "$WORK/second-build.log" >&2; fail_now "the second build failed"; }

first_sum=$(sha256sum <"$N5_DISC_IMAGE" | cut -c1-64)
second_sum=$(sha256sum <"$second/build/disc/n5-disc.iso" | cut -c1-64)
echo "first:  $first_sum $N5_DISC_IMAGE"
echo "second: $second_sum $second/build/disc/n5-disc.iso"
check_eq "two builds in two folders give the same image" "$second_sum" "$first_sum"
if [ "$first_sum" != "$second_sum" ]; then
  (cd "$first_out/tree" && find . -type f -print0) | while IFS= read -r -d '' f; do
    cmp -s "$first_out/tree/$f" "$second/build/disc/tree/$f" || echo "differs: $f" >&2
  done
fi
disc_pass
