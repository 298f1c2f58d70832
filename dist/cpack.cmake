# The Debian package: cpack -G DEB (or the `package` target) in a configured
# build tree writes quorvel-tools_<version>_<arch>.deb, installed under /usr,
# its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QV_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel Monitoring")
set(CPACK_PACKAGE_CONTACT "${QV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quorvel monitoring scripting wizard and console browser")
set(CPACK_PACKAGE_DESCRIPTION
  "Two desktop programs of the Quorvel Monitoring System. qvscriptwizard turns a
script template into a finished monitoring or alert script, asking for each
value on a dialog page; it can search the network for servers, list ODBC data
sources and help compose alert messages. qvbrowser shows a monitoring
server's web console pages; qv-console-demo is a stand-in web console for
trying it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Opened with dlopen when a server search first needs it, so shlibdeps
# cannot see it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsmbclient")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
