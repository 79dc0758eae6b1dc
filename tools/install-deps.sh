#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and this machine
# lacks, and generates the Chinese locales the tests switch between. Idempotent: a machine
# that has everything is left alone and nothing is downloaded.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format clang-tidy libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libfontconfig-dev libx11-dev libxtst-dev libxfixes-dev
  fonts-wqy-zenhei fonts-arphic-uming fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick locales strace
  # The reliability tests: read-only bind mounts in a mount namespace of their own (unshare
  # comes with util-linux, which is essential).
  mount
  # The Linux launcher's opener (xdg-open), and the X core fonts its message box draws with.
  xdg-utils xfonts-base
  # The benchmarks' peer.
  zenity
  # The benchmarks' simulated optical drive (FUSE 3). Not the fuse3 tools: that package
  # replaces fuse, which fuseiso needs; as root the drive mounts and umount unmounts without them.
  libfuse3-dev
  # The disc: static SDL from Debian's sources (dpkg-source), the image, reading it back without
  # kernel support, the signature.
  dpkg-dev xorriso fuseiso osslsigncode openssl
  g++-mingw-w64-i686 wine wine32:i386
  # The same program built for 64-bit Windows (make test builds it).
  g++-mingw-w64-x86-64
)

# Installs those of the packages named that are missing.
updated=0
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  case " ${missing[*]} " in
    *":i386 "*) dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
  esac
  export DEBIAN_FRONTEND=noninteractive
  if [ "$updated" -eq 0 ]; then
    apt-get update -qq
    updated=1
  fi
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"

# 32-bit Wine is a 32-bit Linux program. Where the kernel runs none (some virtual machines),
# the Wine tests run the 64-bit build under 64-bit Wine. Only there: beside 32-bit Wine,
# 64-bit Wine would make every new prefix a 64-bit one.
source "$(dirname "$0")/wine-build.sh"
if ! wine32_runs; then
  install_missing wine64
fi

# Locales: the variant choice follows LC_ALL/LC_MESSAGES/LANG on Linux, and Wine derives the
# Windows UI language and ANSI code page from them.
need_locales=0
for l in zh_CN.utf8 zh_TW.utf8 en_US.utf8; do
  locale -a 2>/dev/null | grep -qx "$l" || need_locales=1
done
if [ "$need_locales" -eq 1 ] && [ "$(id -u)" -eq 0 ]; then
  sed -i -E 's/^# *((zh_CN|zh_TW|en_US)\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  grep -qE '^zh_CN\.UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  grep -qE '^zh_TW\.UTF-8' /etc/locale.gen || echo 'zh_TW.UTF-8 UTF-8' >> /etc/locale.gen
  grep -qE '^en_US\.UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
