# Sourced by scripts/test and scripts/package: the configuration of the build
# that is tested and packaged. Installed under /usr, with Debian's hardening
# flags (stack protector, fortified functions, relocations bound at start and
# then read-only).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
release_config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
  "-DCMAKE_CXX_FLAGS=$(flags CPPFLAGS) $(flags CXXFLAGS)"
  "-DCMAKE_EXE_LINKER_FLAGS=$(flags LDFLAGS)")
