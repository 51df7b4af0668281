#!/usr/bin/env bash
# Builds the Windows version on this Linux machine, from Debian's own packages: the MinGW-w64
# compilers (posix threads), then Qt (Core, Gui, Widgets, Concurrent, Test, the windows and
# offscreen platform plugins, the Windows style), libogg, libvorbis, FLAC, Opus, libsndfile and
# libsoxr from Debian's source packages into a cache outside the clone, keyed by the versions and the flags, so a second run
# reuses it; then Kelvane (preset windows) packed as build/windows/kelvane-VERSION-windows-x64.zip
# and an installer, build/windows/kelvane-VERSION-setup.exe. Each stage prints the time it took.
# Usage: scripts/build-windows.sh [deps]   (deps: stop once the cache is complete)
# KELVANE_WINDOWS_CACHE sets the cache (default: ~/.cache/kelvane-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
# The languages besides English, from the build's one list.
translated=$(sed -n 's/^set(KELVANE_LANGUAGES en \(.*\))$/\1/p' CMakeLists.txt)
source_dir=$PWD
cache="${KELVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvane-windows}"
jobs=$(nproc)
host=x86_64-w64-mingw32

stage_started=-1
stage() {
    if ((stage_started >= 0)); then
        echo "    took $((SECONDS - stage_started)) s"
    fi
    stage_started=$SECONDS
    echo "== $*"
}

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi

stage "installing the cross compilers, Wine and NSIS"
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev dpkg-dev
          wine64 wine nsis zip unzip cmake ninja-build xz-utils make pkg-config qt6-base-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# Debian's source packages through an apt configuration of our own: the system's sources stay
# as they are.
stage "fetching Debian's sources of Qt and the sound libraries"
mkdir -p "$cache/apt/lists/partial" "$cache/src"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$cache/apt/sources.list"
apt_own=(-o "Dir::Etc::SourceList=$cache/apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
         -o "Dir::State::Lists=$cache/apt/lists" -o "APT::Sandbox::User=root")
sources=(qt6-base libogg libvorbis flac opus libsndfile libsoxr)
for source in "${sources[@]}"; do
    if ! compgen -G "$cache/src/${source}_*.dsc" >/dev/null; then
        apt-get "${apt_own[@]}" update -qq
        (cd "$cache/src" && apt-get "${apt_own[@]}" source --download-only -qq "${sources[@]}")
        break
    fi
done
qt_version=$(sed -n 's/^Version: \(.*\)/\1/p' "$cache"/src/qt6-base_*.dsc)
ogg_version=$(sed -n 's/^Version: \(.*\)/\1/p' "$cache"/src/libogg_*.dsc)
vorbis_version=$(sed -n 's/^Version: \(.*\)/\1/p' "$cache"/src/libvorbis_*.dsc)

# The toolchain file every CMake build for Windows uses.
toolchain="$cache/mingw-w64-posix.cmake"
cat >"$toolchain" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $host-gcc-posix)
set(CMAKE_CXX_COMPILER $host-g++-posix)
set(CMAKE_RC_COMPILER $host-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$host $cache/prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# What Kelvane uses of Qt and no more; the key changes whenever these flags or the versions do.
qt_flags=(-release -xplatform win32-g++ -device-option CROSS_COMPILE=$host- -qt-host-path /usr
          -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -qt-zlib -qt-pcre
          -qt-libpng -qt-freetype -qt-harfbuzz -no-libjpeg -no-pkg-config
          -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
          -no-feature-tabletevent -no-feature-sql-sqlite -no-feature-imageformat_jpeg)
key=$(printf '%s\n' "$qt_version" "$ogg_version" "$vorbis_version" "${qt_flags[@]}" |
      sha256sum | cut -c1-12)
prefix="$cache/prefix-$key"
ln -sfn "$prefix" "$cache/prefix"
mkdir -p "$prefix"

# Unpacks a source package as Debian ships it; its patches left out unless asked for (libsndfile's
# mend security faults; the others' only touch Debian's own packaging). The files were checked
# against the archive's signed index when apt fetched them.
unpack() { # NAME FOLDER [patched]
    local patches=--skip-patches
    [[ "${3:-}" == patched ]] && patches=
    (cd "$2" && dpkg-source -x $patches "$cache"/src/"$1"_*.dsc src >unpack.log 2>&1) ||
        { cat "$2/unpack.log"; exit 1; }
}

build_autotools() { # NAME [CONFIGURE_OPTIONS...]
    local name=$1 work="$cache/build/$1"
    shift
    rm -rf "$work" && mkdir -p "$work"
    unpack "$name" "$work"
    (cd "$work/src" &&
     { ./configure -q --host=$host --prefix="$prefix" --disable-shared --enable-static \
           CC=$host-gcc-posix PKG_CONFIG_PATH="$prefix/lib/pkgconfig" \
           LDFLAGS="-L$prefix/lib" CPPFLAGS="-I$prefix/include" "$@" &&
       make -s -j"$jobs" && make -s install; } >"$work/build.log" 2>&1 ||
         { tail -40 "$work/build.log"; exit 1; })
    rm -rf "$work"
}

if [[ ! -f "$prefix/lib/libogg.a" ]]; then
    stage "building libogg $ogg_version for Windows"
    build_autotools libogg
fi
if [[ ! -f "$prefix/lib/libvorbisfile.a" ]]; then
    stage "building libvorbis $vorbis_version for Windows"
    build_autotools libvorbis
fi

build_cmake() { # NAME [patched] -- CMAKE_OPTIONS...
    local name=$1 work="$cache/build/$1" patched=
    shift
    [[ "$1" == patched ]] && { patched=patched; shift; }
    shift
    rm -rf "$work" && mkdir -p "$work"
    unpack "$name" "$work" $patched
    (cd "$work" &&
     { cmake -S src -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
           -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
           -DCMAKE_PREFIX_PATH="$prefix" "$@" &&
       cmake --build build --parallel "$jobs" && cmake --install build; } >build.log 2>&1 ||
         { tail -40 build.log; exit 1; })
    rm -rf "$work"
}

# What libsndfile reads for the encoder: WAV, AIFF and FLAC (Ogg sources go through our own
# decoder); its build asks for Opus too.
if [[ ! -f "$prefix/lib/libFLAC.a" ]]; then
    stage "building FLAC for Windows"
    build_autotools flac --disable-cpplibs --disable-programs --disable-examples \
        --disable-doxygen-docs --disable-stack-smash-protection --disable-fortify-source
fi
if [[ ! -f "$prefix/lib/libopus.a" ]]; then
    stage "building Opus for Windows"
    # Without the checked string functions, which MinGW's C library does not have.
    build_autotools opus --disable-doc --disable-extra-programs --disable-stack-protector \
        CPPFLAGS="-I$prefix/include -D_FORTIFY_SOURCE=0"
fi
if [[ ! -f "$prefix/lib/libsndfile.a" ]]; then
    stage "building libsndfile for Windows"
    # FLAC is linked in, not a DLL: its headers are told so.
    build_cmake libsndfile patched -- -DENABLE_MPEG=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
        -DBUILD_TESTING=OFF -DENABLE_CPACK=OFF -DENABLE_EXTERNAL_LIBS=ON -DCMAKE_C_FLAGS=-DFLAC__NO_DLL
fi
if [[ ! -f "$prefix/lib/libsoxr.a" ]]; then
    stage "building libsoxr for Windows"
    build_cmake libsoxr -- -DBUILD_TESTS=OFF -DWITH_OPENMP=OFF -DWITH_LSR_BINDINGS=OFF
fi
# libsoxr installs no pkg-config file for Windows; the build finds every library by one.
if [[ ! -f "$prefix/lib/pkgconfig/soxr.pc" ]]; then
    printf '%s\n' "prefix=$prefix" 'Name: soxr' 'Description: sample-rate conversion' \
        'Version: 0.1.3' 'Libs: -L${prefix}/lib -lsoxr' 'Cflags: -I${prefix}/include' \
        >"$prefix/lib/pkgconfig/soxr.pc"
fi

if [[ ! -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]]; then
    stage "building Qt $qt_version for Windows (the longest stage: about 25 minutes on two cores)"
    work="$cache/build/qt"
    rm -rf "$work" && mkdir -p "$work"
    unpack qt6-base "$work"
    mkdir -p "$work/build"
    (cd "$work/build" &&
     ../src/configure -prefix "$prefix" "${qt_flags[@]}" -- \
         -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
         -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
         { tail -40 configure.log; exit 1; })
    (cd "$work/build" && cmake --build . --parallel "$jobs" >build.log 2>&1 ||
         { tail -40 build.log; exit 1; })
    (cd "$work/build" && cmake --install . >/dev/null)
    rm -rf "$work"
fi

# Qt's own texts (the standard buttons) in the window's other languages, where this Qt looks
# for them when the tests run it from the cache.
mkdir -p "$prefix/translations"
for language in $translated; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$prefix/translations/"
done

stage "the cache is complete: $prefix"
if [[ "${1:-}" == "deps" ]]; then
    exit 0
fi

stage "building Kelvane for Windows"
export KELVANE_WINDOWS_CACHE="$cache" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" \
       PKG_CONFIG_SYSROOT_DIR=/
cmake --preset windows >/dev/null
cmake --build --preset windows

stage "packing the zip"
version=$(sed -n 's/^project(Kelvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="kelvane-$version-windows-x64"
build="$source_dir/build/windows"
out="$build/$name"
rm -rf "$out" "$build/$name.zip" && mkdir -p "$out/platforms" "$out/styles" "$out/translations"
cp "$build/app/kelvane.exe" "$build/app/kelvane_sound_output.dll" "$build/cli/kelvane-cli.exe" \
   "$build"/app/Kelvane_Help*.txt "$out/"
cp "$prefix/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$out/styles/"
# Qt's own texts (the standard buttons) in the window's other languages.
for language in $translated; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$out/translations/"
done
# The DLLs the programs and plugins import, and those these import, from Qt's and the
# compilers' folders: no more. The system's own DLLs are found in none of them.
dll_dirs=("$prefix/bin"
          "$(dirname "$($host-g++-posix -print-file-name=libstdc++-6.dll)")"
          "$(dirname "$($host-g++-posix -print-file-name=libwinpthread-1.dll)")")
take_imports() { # BINARY
    local dll dir
    for dll in $($host-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        [[ -e "$out/$dll" ]] && continue
        for dir in "${dll_dirs[@]}"; do
            if [[ -f "$dir/$dll" ]]; then
                cp "$dir/$dll" "$out/" && take_imports "$out/$dll"
                break
            fi
        done
    done
}
for binary in "$out"/*.exe "$out"/*.dll "$out"/platforms/*.dll "$out"/styles/*.dll; do
    take_imports "$binary"
done
find "$out" -name '*.exe' -o -name '*.dll' | while read -r binary; do
    $host-strip --strip-unneeded "$binary"
done
(cd "$build" && zip -qr "$name.zip" "$name")
echo "    $build/$name.zip: $(du -k "$build/$name.zip" | cut -f1) KiB"

stage "making the installer"
# The uninstaller removes the files listed here, and the folders they were in, no more.
files="$build/installed-files.nsh"
(cd "$out" && find . -type f | sed 's#^\./##; s#/#\\#g' | sort |
     sed 's#.*#  Delete "$INSTDIR\\&"#'
 cd "$out" && find . -mindepth 1 -type d | sed 's#^\./##; s#/#\\#g' | sort -r |
     sed 's#.*#  RMDir "$INSTDIR\\&"#') >"$files"
makensis -V2 -DVERSION="$version" -DSOURCE="$out" -DFILES="$files" \
    -DICON="$source_dir/packaging/windows/kelvane.ico" \
    -DOUTFILE="$build/kelvane-$version-setup.exe" packaging/windows/kelvane.nsi
echo "    $build/kelvane-$version-setup.exe: $(du -k "$build/kelvane-$version-setup.exe" | cut -f1) KiB"
stage "done"
