# Sourced: which build of the Windows launcher Wine can run here, in wine_build. The program
# ships for 32-bit Windows and runs under 32-bit Wine, itself a 32-bit Linux program; a kernel
# that runs no 32-bit programs (some virtual machines) cannot start it. There wine_build is
# win64 (the same sources built for 64-bit Windows), and wine and wineboot on the PATH start
# 64-bit Wine. Elsewhere it is win32 and nothing changes.
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

wine_build=win32
if ! wine32_runs && [ -x /usr/lib/wine/wine64 ]; then
  wine_build=win64
  export N5_WINE64=/usr/lib/wine/wine64
  PATH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH
  export PATH
fi
