# Sourced by scripts/test and scripts/package: the configuration of the build
# that is tested and packaged. Installed under /usr, with Debian's hardening
# flags (stack protector, fortified functions, read-only relocations).
release_config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)")
