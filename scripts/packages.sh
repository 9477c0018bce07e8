# The Debian packages the project builds with, shared by the scripts.
BUILD_PACKAGES=(ca-certificates cmake make g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev
                libcli11-dev fonts-dejavu-core librsvg2-bin)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
BENCH_PACKAGES=(libbenchmark-dev qt6-base-dev fonts-dejavu-core)  # Qt for the Map page's frames
PACKAGE_PACKAGES=(dpkg-dev debootstrap)
