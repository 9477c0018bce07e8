# The Debian packages the project builds with, shared by the scripts.
BUILD_PACKAGES=(ca-certificates cmake make g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev
                libcli11-dev nlohmann-json3-dev fonts-dejavu-core librsvg2-bin)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# Qt for the Map page's frames; CLI11, nlohmann-json and hyperfine for whole zarkel-cli runs.
BENCH_PACKAGES=(libbenchmark-dev qt6-base-dev fonts-dejavu-core libcli11-dev nlohmann-json3-dev
                hyperfine)
# The Windows build made here and its tests under wine (scripts/windows.sh).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine64 zip)
# The Debian package: CPack asks dpkg-shlibdeps, and file, for the libraries the programs link.
PACKAGE_PACKAGES=(dpkg-dev file)
# Its test: Debian's checker of packages, and the Debian 12 root it is installed into.
PACKAGE_TEST_PACKAGES=(lintian debootstrap)
# The test command from a clean clone in a fresh Debian 12 root (scripts/fresh-test.sh).
FRESH_PACKAGES=(debootstrap git)
# The browser edition (scripts/web.sh): Emscripten and what the build takes from Debian; for its
# tests GoogleTest's sources, Chromium and Firefox ESR, and the native build for the round trip.
WEB_PACKAGES=(ca-certificates cmake make libcli11-dev nlohmann-json3-dev emscripten librsvg2-bin)
WEB_TEST_PACKAGES=(googletest chromium firefox-esr)
