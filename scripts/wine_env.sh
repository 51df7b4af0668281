# Sourced by the scripts that run Windows programs under Wine: the cache scripts/build-windows.sh
# fills, the DLLs of the cross-built Qt and of the compilers on Wine's path, our own prefix, and
# Wine's own messages off.
# KELVANE_WINDOWS_CACHE is that cache; WINEPREFIX, if set, is the Wine prefix (default: one in
# the cache).
cache="${KELVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvane-windows}"
host=x86_64-w64-mingw32
# Wine reads WINEPATH with Windows' separator; Z: is the Unix root.
wine_dirs=("$cache/prefix/bin"
           "$(dirname "$($host-g++-posix -print-file-name=libstdc++-6.dll)")"
           "$(dirname "$($host-g++-posix -print-file-name=libwinpthread-1.dll)")")
winepath=""
for dir in "${wine_dirs[@]}"; do
    winepath+="Z:$(realpath "$dir");"
done
export WINEPATH="$winepath" WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
