#!/usr/bin/env bash
# Builds the installation disc image: the product's files, the Windows launcher (signed) with
# its AutoRun file, and the Linux launcher with the freedesktop autostart script, as ISO 9660
# with Joliet (the names Windows shows) and Rock Ridge (the names and execute bits Linux
# shows). The same commit gives the same image, byte for byte. make disc runs it.
#
# From the environment (make passes its variables of the same names):
#   DISC_CONTENT        the product's files, laid into the disc's root as they are (default:
#                       the demo content of tools/demo-content.sh)
#   DISC_ALLOW_MISSING  1: build even when files that the launcher opens are missing
#   DISC_OUT            the output folder (default build/disc): n5-disc.iso, the staged tree
#                       under tree/, the test certificates under test-signing/
#   DISC_WINDOWS_PROGRAM, DISC_LINUX_PROGRAM
#                       the programs (default: build/win32/bin/n5launcher.exe, the shipping
#                       32-bit one, and build/release/bin/n5launcher)
#   SOURCE_DATE_EPOCH   every date on the disc and the signing time (default: the time of the
#                       commit the source tree is at)
#   SIGN_CERT, SIGN_KEY, SIGN_PKCS12, SIGN_PASSWORD, SIGN_CA, SIGN_TIMESTAMP_URL
#                       the code-signing certificate (tools/disc/sign.sh)
set -euo pipefail
export LC_ALL=C.UTF-8  # the names are UTF-8; xorriso converts them from the locale's charset
umask 022

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${DISC_OUT:-$root/build/disc}
windows_program=${DISC_WINDOWS_PROGRAM:-$root/build/win32/bin/n5launcher.exe}
linux_program=${DISC_LINUX_PROGRAM:-$root/build/release/bin/n5launcher}
content=${DISC_CONTENT:-}
image=$out/n5-disc.iso
tree=$out/tree

# The disc's own files at its root, and the files the launcher opens (below its folder).
readonly windows_name=n5launcher.exe
readonly linux_name=n5launcher
readonly own_names=(autorun.inf autorun.sh "$windows_name" "$linux_name")
readonly opened=(
  '集成安装程序/setup.exe'
  'N5-企业管理软件(Full-Suite)产品手册/N5-企业管理软件(Full-Suite)产品手册.pdf'
  'N5-企业管理软件(Full-Suite)安装说明/N5-企业管理软件(Full-Suite)安装说明.pdf'
  'TARVEN/TARVENInstallation_cn.pdf'
  'TARVEN/TARVENInstallation_tw.pdf'
)
# The volume label (ASCII: Joliet keeps 16 characters of it) and what Explorer and AutoPlay
# show of the disc.
readonly volume_label=N5_SETUP
readonly explorer_label='N5-企业管理软件'
readonly autoplay_action='运行 N5-企业管理软件安装程序'

fail() {
  echo "make-disc: $*" >&2
  rm -f "$image"
  exit 1
}

# --- The inputs ------------------------------------------------------------------------------
[ -f "$windows_program" ] || fail "no Windows launcher at $windows_program (make build-win32)"
[ -x "$linux_program" ] || fail "no Linux launcher at $linux_program (make build-release)"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null) ||
    fail "not in a git checkout: set SOURCE_DATE_EPOCH"
fi
[[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]] || fail "SOURCE_DATE_EPOCH is not a number: $SOURCE_DATE_EPOCH"
export SOURCE_DATE_EPOCH
disc_date=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y%m%d%H%M%S00)

mkdir -p "$out"
rm -f "$image"
# The date this image was made with, for a second build that must give the same bytes.
echo "$SOURCE_DATE_EPOCH" >"$out/source-date-epoch"
if [ -z "$content" ]; then
  content=$out/demo-content
  rm -rf "$content"
  bash "$root/tools/demo-content.sh" "$content"
  echo "make-disc: demo content (DISC_CONTENT names the product's files)"
fi
[ -d "$content" ] || fail "the content folder does not exist: $content"
content=$(cd "$content" && pwd)

# Names that Joliet cannot hold as they are: it turns * / : ; ? \ and control characters into
# _, holds UCS-2 only (nothing beyond the Basic Multilingual Plane), and keeps at most 103
# characters of a name (with -joliet-long). What Windows would show must be what the content
# says; after the build the two trees are compared as well.
bad_names=$(cd "$content" && find . -mindepth 1 -print0 | perl -0 -ne '
  chomp;
  my $path = $_ =~ s{^\./}{}r;
  my ($name) = $path =~ m{([^/]*)$};
  my $text = $name;
  if (!utf8::decode($text)) { print "$path\t(not UTF-8)\n"; next }
  if ($text =~ /[*:;?\\\x00-\x1f]/) { print "$path\t(Joliet turns : ; * ? \\ into _)\n"; next }
  if ($text =~ /[^\x{0}-\x{ffff}]/) { print "$path\t(characters beyond UCS-2)\n"; next }
  if (length($text) > 103) { print "$path\t(longer than 103 characters)\n"; next }')
if [ -n "$bad_names" ]; then
  fail "names that Joliet cannot hold unchanged: $(printf '%s' "$bad_names" | tr '\n\t' '; ')"
fi

# Content must not bring what the disc makes itself (any case: Windows ignores it).
for name in "${own_names[@]}"; do
  clash=$(find "$content" -mindepth 1 -maxdepth 1 -iname "$name" -print -quit)
  [ -z "$clash" ] || fail "the content holds ${clash#"$content"/}, which the disc makes itself"
done

missing=()
for path in "${opened[@]}"; do
  [ -f "$content/$path" ] || missing+=("$path")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "make-disc: the launcher opens files the content lacks:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  [ "${DISC_ALLOW_MISSING:-0}" = 1 ] || fail "missing files (DISC_ALLOW_MISSING=1 builds anyway)"
fi

# --- The staged tree ---------------------------------------------------------------------------
if [ -d "$tree" ]; then chmod -R u+w "$tree"; fi
rm -rf "$tree"
mkdir -p "$tree"
# Links are followed: the disc holds files and folders.
cp -RL --no-preserve=all "$content/." "$tree/" || fail "cannot copy the content"
# Execute bits as the content has them; the rest is read-only on the disc anyway.
(cd "$content" && find . -type f -perm /111 -print0) | (cd "$tree" && xargs -0 -r chmod a+x)

bash "$root/tools/disc/sign.sh" "$windows_program" "$tree/$windows_name" "$SOURCE_DATE_EPOCH" \
  "$out/test-signing" || fail "the Windows launcher is not signed"
cp "$linux_program" "$tree/$linux_name"
chmod 0755 "$tree/$linux_name"

# Linux desktops offer to run autorun.sh at the root of a medium, with the root as working
# folder; it starts the launcher beside it, which finds the disc from its own place.
cat >"$tree/autorun.sh" <<'SH'
#!/bin/sh
# Starts the N5 installation disc's launcher. The desktop runs this file, after asking, when
# the disc is inserted.
exec "$(dirname "$0")/n5launcher"
SH
chmod 0755 "$tree/autorun.sh"

# Windows: the AutoRun file, in UTF-16LE with a byte-order mark for the Chinese label and action,
# with CRLF line ends.
printf '[autorun]\r\nopen=%s\r\nicon=%s,0\r\nlabel=%s\r\naction=%s\r\n' \
  "$windows_name" "$windows_name" "$explorer_label" "$autoplay_action" |
  iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$tree/autorun.inf"

# --- The image ---------------------------------------------------------------------------------
# -r: owners root, modes r-x or r--; every date the commit's; Linux-only files out of Joliet.
xorriso -as mkisofs -input-charset UTF-8 -output-charset UTF-8 -J -joliet-long -r \
  -V "$volume_label" -volset "$volume_label" -A 'N5 installation disc' -sysid LINUX \
  --modification-date="$disc_date" --set_all_file_dates "$disc_date" \
  -hide-joliet "$tree/autorun.sh" -hide-joliet "$tree/$linux_name" \
  -o "$image" "$tree" >"$out/xorriso.log" 2>&1 ||
  fail "xorriso failed: $(tail -n 3 "$out/xorriso.log" | tr '\n' ' ')"

# What Windows sees (Joliet) must be the Linux view (Rock Ridge) less the hidden files.
rock_ridge=$(xorriso -indev "$image" -find / 2>/dev/null |
  grep -vxF -e "'/autorun.sh'" -e "'/$linux_name'" | sort)
joliet=$(xorriso -read_fs norock -indev "$image" -find / 2>/dev/null | sort)
if [ "$rock_ridge" != "$joliet" ]; then
  fail "Joliet would show other names: $(diff <(printf '%s\n' "$rock_ridge") \
    <(printf '%s\n' "$joliet") | grep '^[<>]' | head -n 5 | tr '\n' ' ')"
fi

echo "make-disc: $image ($(stat -c %s "$image") bytes, sha256 $(sha256sum "$image" | cut -c1-64))"
